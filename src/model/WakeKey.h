#pragma once

#include <array>
#include <optional>
#include <set>
#include <string_view>

namespace vesperon {

// Which keys may wake the displays. Declaration order is the order shown and stored.
enum class WakeKey { anyKey, escape, space, enter };

inline constexpr std::array<WakeKey, 4> allWakeKeys{WakeKey::anyKey, WakeKey::escape, WakeKey::space, WakeKey::enter};

using WakeKeySet = std::set<WakeKey>;

// "any", "escape", "space", "enter".
std::string_view rawValue(WakeKey key);
// Exactly the four raw values, case-sensitive; nothing for any other text.
std::optional<WakeKey> wakeKeyFromRawValue(std::string_view raw);

} // namespace vesperon
