#pragma once

#include "core/RunLoop.h"

#include <QObject>

#include <vector>

namespace vesperon {

// The run loop on Qt's main thread: a posted event for each turn's submissions, precise QTimers for
// delays.
class QtRunLoop : public RunLoop {
public:
    QtRunLoop();
    ~QtRunLoop() override;

    void post(Task task) override;
    void postAfter(double seconds, Task task) override;
    std::shared_ptr<Timer> startTimer(double interval, bool repeats, Task tick) override;
    double now() const override;

private:
    void runPending();

    std::vector<Task> pending_;
    QObject context_; // tasks and timers die with the run loop
};

} // namespace vesperon
