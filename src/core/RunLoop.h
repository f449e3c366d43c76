#pragma once

#include <functional>
#include <memory>

namespace vesperon {

using Task = std::function<void()>;

// A running timer. The run loop keeps it until it is stopped (a single-shot timer stops itself
// when it fires); after stop() its task never runs again.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// The main thread's event loop: everything in Vesperon runs on it.
class RunLoop {
public:
    virtual ~RunLoop() = default;

    // Runs the task on a later turn, after the caller returns; tasks run in the order posted.
    virtual void post(Task task) = 0;

    // Runs the task once, never before `seconds` have passed.
    virtual void postAfter(double seconds, Task task) = 0;

    // Calls `tick` every `interval` seconds (once, when not repeating) until stopped.
    virtual std::shared_ptr<Timer> startTimer(double interval, bool repeats, Task tick) = 0;

    // Seconds on a clock that only goes forward, from an arbitrary start.
    virtual double now() const = 0;
};

} // namespace vesperon
