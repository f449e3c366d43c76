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
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    check.start(2);
    loop.exec();
    return done();
}

} // namespace vesperon::testing
