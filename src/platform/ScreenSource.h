#pragma once

#include "core/Geometry.h"
#include "core/Signal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vesperon {

// One screen as the desktop reports it.
struct ScreenDescription {
    std::optional<std::uint32_t> id; // stable display identifier; none when it cannot be had
    std::string name; // the monitor's model name; may be empty
    Rect frame; // global coordinates
    bool isBuiltIn = false; // a laptop's own panel
    std::string connector; // DP-1, HDMI-2, eDP-1; may be empty
    bool isPrimary = false;
};

// Where the list of active screens comes from.
class ScreenSource {
public:
    virtual ~ScreenSource() = default;
    // The active screens, primary first.
    virtual std::vector<ScreenDescription> screens() const = 0;
    // Emitted once per change of the screen set, arrangement or resolution.
    Signal<> changed;
};

} // namespace vesperon
