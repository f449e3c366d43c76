#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace vesperon::testing {

// Runs the Qt event loop as the program runs it (blocking between events, so that what happens
// before it sleeps happens here too) until `done()` holds or the deadline passes. The deadline
// only stops a broken test from hanging: a passing one goes on as soon as it holds.
bool spinUntil(auto done, int deadlineMs = 10000)
{
    if (done())
        return true;
    const QDeadlineTimer deadline(deadlineMs);
    QEventLoop loop;
    QTimer check;
    bool held = false; // as last asked: a condition may act, and is not asked once more
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        held = done();
        if (held || deadline.hasExpired())
            loop.quit();
    });
    check.start(2);
    loop.exec();
    return held;
}

} // namespace vesperon::testing
