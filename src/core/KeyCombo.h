#pragma once

#include <nlohmann/json_fwd.hpp>

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace vesperon {

// Modifier bits of a key combination, as stored and as handed to hotkey registration.
namespace ModifierMask {
inline constexpr std::uint32_t super = 0x0100;
inline constexpr std::uint32_t shift = 0x0200;
inline constexpr std::uint32_t alt = 0x0800;
inline constexpr std::uint32_t control = 0x1000;
} // namespace ModifierMask

// One hotkey: a virtual key code and a modifier mask. Any pair of values is valid.
struct KeyCombo {
    std::uint32_t keyCode = 0;
    std::uint32_t modifiers = 0;

    friend auto operator<=>(const KeyCombo&, const KeyCombo&) = default;

    // The blackout-all hotkey in force while the user has set none: Shift + Super + D.
    static const KeyCombo defaultBlackoutAll;
    // Control + Super + Escape: wakes every display at once, whatever the settings.
    static const KeyCombo safetyWake;

    // As Linux desktops' shortcut settings write it: "Ctrl+Alt+Shift+Super+D", "Ctrl+Super+Esc";
    // a key without a name is "Key <code>".
    std::string displayString() const;

    // The name of a key code, or nothing when the key has none.
    static std::optional<std::string> keyName(std::uint32_t keyCode);

    // The stored form: {"keyCode": …, "modifiers": …}.
    nlohmann::json toJson() const;
    // Nothing when a member is missing or is not a whole number from 0 to 4294967295.
    static std::optional<KeyCombo> fromJson(const nlohmann::json& json);
};

inline constexpr KeyCombo KeyCombo::defaultBlackoutAll{2, ModifierMask::super | ModifierMask::shift};
inline constexpr KeyCombo KeyCombo::safetyWake{53, ModifierMask::control | ModifierMask::super};

} // namespace vesperon
