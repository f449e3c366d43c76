#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace vesperon::testing {

// Runs the real Qt event loop for about `ms` milliseconds, handling events as they come.
inline void spinFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until `done()` holds or the limit passes; returns `done()`. The limit only
// stops a broken test from hanging: a passing test goes on as soon as the condition holds.
template <typename Predicate>
bool spinUntil(Predicate done, int limitMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        spinFor(5);
    return done();
}

} // namespace vesperon::testing
