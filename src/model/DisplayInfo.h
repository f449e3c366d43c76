#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace vesperon {

class ScreenSource;

using DisplayId = std::uint32_t;
using DisplaySet = std::set<DisplayId>;

// One active display. Equality goes by `id` alone, so the same monitor stays equal to itself across
// a resolution change.
struct DisplayInfo {
    DisplayId id = 0;
    std::string name;
    Rect frame;
    bool isBuiltIn = false;
    std::string connector;
    bool isPrimary = false;

    friend bool operator==(const DisplayInfo& a, const DisplayInfo& b) { return a.id == b.id; }

    // As display settings name it: "Built-in Display", "DELL U2720Q (DP-1)", "DP-1" for a monitor
    // without an EDID name, "Display <id>" when even the connector is unknown.
    std::string displayName() const;

    // The active displays, left to right, then top to bottom. Screens without an identity are left
    // out, and so is a second screen claiming an identity already listed. Never fails; the list
    // may be empty.
    static std::vector<DisplayInfo> getAllDisplays(const ScreenSource& screens);
};

} // namespace vesperon
