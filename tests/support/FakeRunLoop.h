#pragma once

#include "core/RunLoop.h"

#include <cstdint>
#include <map>
#include <utility>

namespace vesperon::testing {

// A run loop driven by hand, with a virtual clock: a 3-second delay is tested instantly and exactly.
// A "turn" runs the tasks that were due when it began, in submission order; what they submit waits
// for the next turn.
class FakeRunLoop : public RunLoop {
public:
    void async(Task task) override;
    void asyncAfter(double seconds, Task task) override;
    std::shared_ptr<Timer> scheduleTimer(double interval, bool repeats, Task tick) override;

    // Seconds since the fake began.
    double now() const;

    // One turn; returns how many tasks ran.
    std::size_t runOnce();
    // Turns until nothing is due; returns how many tasks ran. Fails the test after 10,000 turns.
    std::size_t runUntilIdle();
    // Moves the clock forward, stopping at each deadline on the way to run what is due there.
    void advance(double seconds);

    // Tasks and timer ticks waiting, due or not.
    std::size_t pendingCount() const { return queue_.size(); }

private:
    using Nanoseconds = std::int64_t;
    static Nanoseconds toNanoseconds(double seconds);
    void schedule(Nanoseconds due, Task task);

    Nanoseconds now_ = 0;
    std::uint64_t nextSequence_ = 0;
    std::map<std::pair<Nanoseconds, std::uint64_t>, Task> queue_;
};

} // namespace vesperon::testing
