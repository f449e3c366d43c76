#pragma once

#include <functional>
#include <memory>

namespace vesperon {

using Task = std::function<void()>;

// A scheduled timer. The run loop keeps it until it is invalidated (a one-shot timer invalidates
// itself when it fires); after invalidate() its block never runs again.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void invalidate() = 0;
    virtual bool isValid() const = 0;
};

// The main thread's run loop: everything in Vesperon runs on it.
class RunLoop {
public:
    virtual ~RunLoop() = default;

    // Runs the task on a later turn, after the caller returns; tasks run in submission order.
    virtual void async(Task task) = 0;

    // Runs the task once, never before `seconds` have passed.
    virtual void asyncAfter(double seconds, Task task) = 0;

    // Calls `tick` every `interval` seconds (once, when not repeating) until invalidated.
    virtual std::shared_ptr<Timer> scheduleTimer(double interval, bool repeats, Task tick) = 0;
};

} // namespace vesperon
