#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace vesperon::testing {

// Runs the Qt event loop as the program runs it (blocking between events, so that what happens
// before it sleeps happens here too) until `done()` holds or the deadline passes. The deadline
// only stops a broken test from hanging: a passing one goes on as soon as it holds. It asks
// ever less often, up to every 50 ms: a question may be a screenshot that loads the server.
bool spinUntil(auto done, int deadlineMs = 10000)
{
    if (done())
        return true;
    const QDeadlineTimer deadline(deadlineMs);
    QEventLoop loop;
    QTimer check;
    check.setSingleShot(true);
    int interval = 1;
    bool held = false; // as last asked: a condition may act, and is not asked once more
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        held = done();
        if (held || deadline.hasExpired())
            loop.quit();
        else
            check.start(interval = std::min(2 * interval, 50));
    });
    check.start(interval);
    loop.exec();
    return held;
}

} // namespace vesperon::testing
