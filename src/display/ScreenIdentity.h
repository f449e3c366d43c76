#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vesperon {

// What identifies a monitor across restarts: its EDID identity and the connector it is on.
struct ScreenIdentity {
    std::string manufacturer;
    std::string model;
    std::string serialNumber;
    std::string connector; // eDP-1, DP-2, HDMI-1, or the name of a virtual monitor
};

// Stable 32-bit identifiers for the screens, in the same order: a hash of each identity, so the
// same monitor on the same connector keeps its number from run to run. Should two identities hash
// alike, the later screen is rehashed until its number is unique: two screens never share one.
std::vector<std::uint32_t> stableScreenIdentifiers(const std::vector<ScreenIdentity>& screens);

// eDP, LVDS and DSI connectors carry a laptop's own panel.
bool isBuiltInConnector(std::string_view connector);

} // namespace vesperon
