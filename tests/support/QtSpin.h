#pragma once

#include <QTest>

namespace vesperon::testing {

// Runs the Qt event loop, sleeping between checks, until `done()` holds or the deadline passes.
// The deadline only stops a broken test from hanging: a passing one goes on as soon as it holds.
bool spinUntil(auto done, int deadlineMs = 10000)
{
    return QTest::qWaitFor(done, deadlineMs);
}

} // namespace vesperon::testing
