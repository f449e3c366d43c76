#pragma once

#include "core/Geometry.h"
#include "model/DisplayInfo.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesperon {

// One monitor as the control interface reports it.
struct DisplayReport {
    DisplayId id = 0;
    std::string connector;
    std::string name;
    Rect frame;
    bool primary = false;
    bool dark = false;

    friend bool operator==(const DisplayReport&, const DisplayReport&) = default;
};

// Whether a blackout is active, and the monitors in their menu order (left to right).
struct StatusReport {
    bool active = false;
    std::vector<DisplayReport> displays;

    // The monitor `argument` names: its identifier, its connector name (any case) or its position
    // in the list counting from 1, tried in that order.
    std::optional<DisplayId> find(std::string_view argument) const;
    // "1 DP-1 (DELL U2720Q), 2 HDMI-1 (Display 69776594)", or "none", for messages.
    std::string describeDisplays() const;

    // For people: a summary line (status only), then one line per monitor.
    std::string text(bool withSummary) const;
    // For scripts: {"active": …, "displays": […]} with the summary, else the array of monitors.
    std::string json(bool withSummary) const;
};

} // namespace vesperon
