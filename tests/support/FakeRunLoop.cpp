#include "support/FakeRunLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vesperon::testing {

namespace {

class FakeTimer : public Timer, public std::enable_shared_from_this<FakeTimer> {
public:
    FakeTimer(bool repeats, Task tick) : repeats_(repeats), tick_(std::move(tick)) {}
    void invalidate() override { valid_ = false; }
    bool isValid() const override { return valid_; }

    // Returns whether the timer wants another tick.
    bool fire()
    {
        if (!valid_)
            return false;
        if (!repeats_)
            valid_ = false;
        tick_();
        return valid_;
    }

private:
    bool repeats_;
    Task tick_;
    bool valid_ = true;
};

} // namespace

FakeRunLoop::Nanoseconds FakeRunLoop::toNanoseconds(double seconds)
{
    return std::llround(std::max(0.0, seconds) * 1e9);
}

void FakeRunLoop::schedule(Nanoseconds due, Task task)
{
    queue_.emplace(std::pair(due, nextSequence_++), std::move(task));
}

void FakeRunLoop::async(Task task)
{
    schedule(now_, std::move(task));
}

void FakeRunLoop::asyncAfter(double seconds, Task task)
{
    schedule(now_ + toNanoseconds(seconds), std::move(task));
}

std::shared_ptr<Timer> FakeRunLoop::scheduleTimer(double interval, bool repeats, Task tick)
{
    auto timer = std::make_shared<FakeTimer>(repeats, std::move(tick));
    const Nanoseconds period = std::max<Nanoseconds>(1, toNanoseconds(interval));
    // Each tick schedules the next one for as long as the timer stays valid.
    auto fire = std::make_shared<std::function<void(Nanoseconds)>>();
    *fire = [this, timer, period, weakFire = std::weak_ptr(fire)](Nanoseconds due) {
        if (timer->fire()) {
            if (auto next = weakFire.lock())
                schedule(due + period, [next, at = due + period] { (*next)(at); });
        }
    };
    schedule(now_ + period, [fire, at = now_ + period] { (*fire)(at); });
    return timer;
}

double FakeRunLoop::now() const
{
    return static_cast<double>(now_) / 1e9;
}

std::size_t FakeRunLoop::runOnce()
{
    std::vector<std::pair<Nanoseconds, std::uint64_t>> turn;
    for (const auto& [key, task] : queue_) {
        if (key.first > now_)
            break;
        turn.push_back(key);
    }
    for (const auto& key : turn) {
        auto node = queue_.extract(key);
        node.mapped()();
    }
    return turn.size();
}

std::size_t FakeRunLoop::runUntilIdle()
{
    std::size_t total = 0;
    for (int turns = 0; turns < 10000; ++turns) {
        const std::size_t ran = runOnce();
        if (ran == 0)
            return total;
        total += ran;
    }
    ADD_FAILURE() << "the run loop never went idle";
    return total;
}

void FakeRunLoop::advance(double seconds)
{
    const Nanoseconds target = now_ + toNanoseconds(seconds);
    runUntilIdle();
    while (!queue_.empty() && queue_.begin()->first.first <= target) {
        now_ = std::max(now_, queue_.begin()->first.first);
        runUntilIdle();
    }
    now_ = target;
    runUntilIdle();
}

} // namespace vesperon::testing
