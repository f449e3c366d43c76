#include "desktop/QtRunLoop.h"

#include <QMetaObject>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <utility>

namespace vesperon {

namespace {

using Clock = std::chrono::steady_clock;

int millisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<std::int64_t>(left, 0, std::numeric_limits<int>::max()));
}

Clock::duration durationOf(double seconds)
{
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(std::max(0.0, seconds)));
}

// Runs `task` once the deadline has passed; a timer that fires early is simply armed again.
void runAt(QObject* context, Clock::time_point deadline, Task task)
{
    QTimer::singleShot(
        millisecondsUntil(deadline), Qt::PreciseTimer, context, [context, deadline, task = std::move(task)]() mutable {
            if (Clock::now() < deadline)
                runAt(context, deadline, std::move(task));
            else
                task();
        });
}

class QtTimer : public Timer, public std::enable_shared_from_this<QtTimer> {
public:
    QtTimer(QObject* context, double interval, bool repeats, Task tick)
        : timer_(new QTimer(context))
        , tick_(std::move(tick))
        , repeats_(repeats)
    {
        timer_->setTimerType(Qt::PreciseTimer);
        timer_->setSingleShot(!repeats);
        // Saturates (NaN counts as 0): a day is longer than any interval anyone means, and the cast
        // to milliseconds stays defined.
        const double seconds = interval > 0 ? std::min(interval, 86400.0) : 0.0;
        timer_->setInterval(static_cast<int>(std::ceil(seconds * 1000.0)));
    }

    void start()
    {
        // The run loop keeps the timer alive until it is invalidated, whoever else holds it.
        QObject::connect(timer_, &QTimer::timeout, timer_, [self = shared_from_this()] { self->fire(); });
        timer_->start();
    }

    void stop() override
    {
        if (!timer_)
            return;
        QTimer* timer = timer_;
        timer_ = nullptr;
        timer->stop();
        timer->deleteLater(); // drops the connection, and with it the run loop's reference
    }

    bool isActive() const override { return timer_ != nullptr; }

private:
    void fire()
    {
        auto keepAlive = shared_from_this();
        if (!repeats_)
            stop();
        tick_();
    }

    QPointer<QTimer> timer_; // also cleared if the run loop goes first
    Task tick_;
    bool repeats_;
};

} // namespace

QtRunLoop::QtRunLoop() = default;
QtRunLoop::~QtRunLoop() = default;

void QtRunLoop::post(Task task)
{
    // One posted event for all the tasks of a turn: each post wakes the event loop with a write.
    pending_.push_back(std::move(task));
    if (pending_.size() == 1)
        QMetaObject::invokeMethod(
            &context_, [this] { runPending(); }, Qt::QueuedConnection);
}

void QtRunLoop::runPending()
{
    // What these tasks submit waits for a turn of its own.
    std::vector<Task> tasks = std::exchange(pending_, {});
    for (Task& task : tasks)
        task();
}

void QtRunLoop::postAfter(double seconds, Task task)
{
    runAt(&context_, Clock::now() + durationOf(seconds), std::move(task));
}

double QtRunLoop::now() const { return std::chrono::duration<double>(Clock::now().time_since_epoch()).count(); }

std::shared_ptr<Timer> QtRunLoop::startTimer(double interval, bool repeats, Task tick)
{
    auto timer = std::make_shared<QtTimer>(&context_, interval, repeats, std::move(tick));
    timer->start();
    return timer;
}

} // namespace vesperon
