#pragma once

#include "model/AppState.h"
#include "support/XvfbServer.h"

namespace vesperon::testing {

// Three monitors side by side on the 5760x1440 test screen. A holds the server's one output, whose
// mode spans the whole screen so that the pointer reaches every monitor; B and C are virtual.
struct ThreeMonitors {
    static constexpr Rect a{0, 0, 1920, 1080};
    static constexpr Rect b{1920, 0, 1920, 1440};
    static constexpr Rect c{3840, 0, 1920, 1200};

    static void plugIn(const XvfbServer& server)
    {
        server.setOutputMode(5760, 1440);
        server.setMonitor("A", a, true);
        server.setMonitor("B", b);
        server.setMonitor("C", c);
    }

    // The identifier of the listed display at a monitor's position; 0 when none is there.
    static DisplayId idAt(const AppState& state, const Rect& frame)
    {
        for (const DisplayInfo& display : state.availableDisplays.get()) {
            if (display.frame.x == frame.x && display.frame.y == frame.y)
                return display.id;
        }
        return 0;
    }
};

} // namespace vesperon::testing
