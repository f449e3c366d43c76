#pragma once

#include "core/RunLoop.h"

#include <QObject>

namespace vesperon {

// The run loop on Qt's main thread: posted events for submissions, precise QTimers for delays.
class QtRunLoop : public RunLoop {
public:
    QtRunLoop();
    ~QtRunLoop() override;

    void async(Task task) override;
    void asyncAfter(double seconds, Task task) override;
    std::shared_ptr<Timer> scheduleTimer(double interval, bool repeats, Task tick) override;

private:
    QObject context_; // tasks and timers die with the run loop
};

} // namespace vesperon
