#include "x11/X11IdleMonitor.h"

#include "desktop/IdleTestScale.h"
#include "x11/XcbConnection.h"

#include <QTimer>

#include <xcb/screensaver.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vesperon {

X11IdleMonitor::X11IdleMonitor(std::unique_ptr<XcbConnection> connection)
    : connection_(std::move(connection))
    , timer_(std::make_unique<QTimer>())
    , scale_(idleTestScale())
{
    if (connection_) {
        const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection_->get(), &xcb_screensaver_id);
        offered_ = extension && extension->present;
    }
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::CoarseTimer); // a second late is nothing to an idle time of minutes
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { check(); });
}

X11IdleMonitor::~X11IdleMonitor() = default;

void X11IdleMonitor::watch(double seconds, std::function<void()> idle)
{
    if (!offered_)
        return;
    period_ = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds * scale_));
    watchedSince_ = Clock::now();
    idle_ = std::move(idle);
    timer_->start(std::chrono::ceil<std::chrono::milliseconds>(period_));
}

void X11IdleMonitor::stop()
{
    timer_->stop();
    idle_ = nullptr;
}

void X11IdleMonitor::check()
{
    const auto server = serverIdleTime();
    if (!server || !idle_)
        return; // the server is gone: nothing to black out
    const Clock::duration idleFor = std::min<Clock::duration>(*server, Clock::now() - watchedSince_);
    if (idleFor >= period_) {
        std::exchange(idle_, nullptr)();
        return;
    }
    // The earliest moment the period could run out, should no input come meanwhile.
    timer_->start(std::chrono::ceil<std::chrono::milliseconds>(period_ - idleFor));
}

std::optional<std::chrono::milliseconds> X11IdleMonitor::serverIdleTime() const
{
    xcb_connection_t* c = connection_->get();
    auto* info = xcb_screensaver_query_info_reply(c, xcb_screensaver_query_info(c, connection_->root()), nullptr);
    if (!info)
        return std::nullopt;
    const std::chrono::milliseconds idle(info->ms_since_user_input);
    std::free(info);
    return idle;
}

std::optional<Point> X11IdleMonitor::pointerPosition() const
{
    if (!connection_)
        return std::nullopt;
    xcb_connection_t* c = connection_->get();
    auto* pointer = xcb_query_pointer_reply(c, xcb_query_pointer(c, connection_->root()), nullptr);
    if (!pointer)
        return std::nullopt;
    const Point at{double(pointer->root_x), double(pointer->root_y)};
    const bool onThisScreen = pointer->same_screen;
    std::free(pointer);
    return onThisScreen ? std::optional(at) : std::nullopt;
}

} // namespace vesperon
