#pragma once

#include "core/RunLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

namespace vesperon::testing {

// A run loop driven by hand, with a virtual clock: a 3-second delay is tested instantly and exactly.
// A turn runs the tasks that were due when it began, in submission order; what they submit waits
// for the next turn.
class FakeRunLoop : public RunLoop {
public:
    void post(Task task) override { schedule(now_, std::move(task)); }
    void postAfter(double seconds, Task task) override { schedule(now_ + nanoseconds(seconds), std::move(task)); }
    std::shared_ptr<Timer> startTimer(double interval, bool repeats, Task tick) override
    {
        auto timer = std::make_shared<FakeTimer>();
        const Ns period = std::max<Ns>(1, nanoseconds(interval));
        return arm(timer, now_ + period, period, repeats, std::make_shared<Task>(std::move(tick))), timer;
    }
    double now() const override { return double(now_) / 1e9; }
    // Tasks and timer ticks waiting, due or not (a stopped timer's next tick until it is due).
    std::size_t pendingCount() const { return queue_.size(); }
    // One turn; returns how many tasks ran.
    std::size_t runOnce()
    {
        std::vector<Task> turn;
        while (!queue_.empty() && queue_.begin()->first.first <= now_)
            turn.push_back(std::move(queue_.extract(queue_.begin()).mapped()));
        for (Task& task : turn)
            task();
        return turn.size();
    }
    // Turns until nothing is due; fails the test if that never happens.
    void runUntilIdle()
    {
        int turns = 0;
        while (runOnce() > 0 && ++turns < 10000) {}
        EXPECT_LT(turns, 10000) << "the run loop never went idle";
    }
    // Moves the clock forward, stopping at each deadline on the way to run what is due there.
    void advance(double seconds)
    {
        const Ns target = now_ + nanoseconds(seconds);
        for (runUntilIdle(); !queue_.empty() && queue_.begin()->first.first <= target; runUntilIdle())
            now_ = std::max(now_, queue_.begin()->first.first);
        now_ = target;
        runUntilIdle();
    }

private:
    using Ns = std::int64_t;
    struct FakeTimer : Timer {
        void stop() override { valid = false; }
        bool isActive() const override { return valid; }
        bool valid = true;
    };

    static Ns nanoseconds(double seconds) { return std::llround(std::max(0.0, seconds) * 1e9); }
    void schedule(Ns due, Task task) { queue_.emplace(std::pair(due, next_++), std::move(task)); }
    // Each tick schedules the next one for as long as the timer stays valid.
    void arm(std::shared_ptr<FakeTimer> timer, Ns due, Ns period, bool repeats, std::shared_ptr<Task> tick)
    {
        schedule(due, [=, this] {
            if (!timer->valid)
                return;
            timer->valid = repeats;
            (*tick)();
            if (timer->valid)
                arm(timer, due + period, period, repeats, tick);
        });
    }

    Ns now_ = 0;
    std::uint64_t next_ = 0;
    std::map<std::pair<Ns, std::uint64_t>, Task> queue_;
};

} // namespace vesperon::testing
