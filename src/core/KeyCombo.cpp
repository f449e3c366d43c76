#include "core/KeyCombo.h"

#include "core/Translation.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

namespace vesperon {

namespace {

constexpr std::array<std::pair<std::uint32_t, std::string_view>, 74> keyNames{{
    // letters
    {0, "A"},
    {1, "S"},
    {2, "D"},
    {3, "F"},
    {4, "H"},
    {5, "G"},
    {6, "Z"},
    {7, "X"},
    {8, "C"},
    {9, "V"},
    {11, "B"},
    {12, "Q"},
    {13, "W"},
    {14, "E"},
    {15, "R"},
    {16, "Y"},
    {17, "T"},
    {31, "O"},
    {32, "U"},
    {34, "I"},
    {35, "P"},
    {37, "L"},
    {38, "J"},
    {40, "K"},
    {45, "N"},
    {46, "M"},
    // digits
    {18, "1"},
    {19, "2"},
    {20, "3"},
    {21, "4"},
    {22, "6"},
    {23, "5"},
    {25, "9"},
    {26, "7"},
    {28, "8"},
    {29, "0"},
    // punctuation
    {24, "="},
    {27, "-"},
    {30, "]"},
    {33, "["},
    {39, "'"},
    {41, ";"},
    {42, "\\"},
    {43, ","},
    {44, "/"},
    {47, "."},
    {50, "`"},
    // named keys
    {48, "Tab"},
    {49, "Space"},
    {51, "Backspace"},
    {53, "Esc"},
    {36, "Return"},
    {76, "Enter"},
    // function keys
    {122, "F1"},
    {120, "F2"},
    {99, "F3"},
    {118, "F4"},
    {96, "F5"},
    {97, "F6"},
    {98, "F7"},
    {100, "F8"},
    {101, "F9"},
    {109, "F10"},
    {103, "F11"},
    {111, "F12"},
    {105, "F13"},
    {107, "F14"},
    {113, "F15"},
    {106, "F16"},
    {64, "F17"},
    // arrows
    {123, "Left"},
    {124, "Right"},
    {125, "Down"},
    {126, "Up"},
}};

std::optional<std::uint32_t> readUInt32(const nlohmann::json& value)
{
    constexpr auto max = std::numeric_limits<std::uint32_t>::max();
    if (value.is_number_unsigned()) {
        const auto n = value.get<std::uint64_t>();
        return n <= max ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(n)) : std::nullopt;
    }
    if (value.is_number_integer()) {
        const auto n = value.get<std::int64_t>();
        return n >= 0 && n <= max ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(n)) : std::nullopt;
    }
    if (value.is_number_float()) {
        const auto n = value.get<double>();
        if (std::isfinite(n) && n >= 0 && n <= max && std::trunc(n) == n)
            return static_cast<std::uint32_t>(n);
    }
    return std::nullopt;
}

constexpr const char* qtKeyNames = "QShortcut"; // the context of Qt's own translations

} // namespace

std::optional<std::string> KeyCombo::keyName(std::uint32_t keyCode)
{
    for (const auto& [code, name] : keyNames) {
        if (code == keyCode)
            return std::string(name);
    }
    return std::nullopt;
}

std::string KeyCombo::displayString() const
{
    // Qt's own names of keys in the user's language ("Strg", "Umschalt"); Super keeps its name
    // there, as the desktops write it.
    const auto local = [](const std::string& name) { return translated(qtKeyNames, name.c_str()); };
    std::string text;
    for (const auto& [mask, name] : {std::pair{ModifierMask::control, "Ctrl"}, std::pair{ModifierMask::alt, "Alt"},
             std::pair{ModifierMask::shift, "Shift"}, std::pair{ModifierMask::super, "Super"}}) {
        if (modifiers & mask)
            text += local(name) + "+";
    }
    if (const auto name = keyName(keyCode))
        return text + local(*name);
    //: a key with no name; %1 is its code
    return text + substitute(translated("KeyCombo", "Key %1"), {std::to_string(keyCode)});
}

nlohmann::json KeyCombo::toJson() const
{
    // Members are kept sorted, which writes "keyCode" before "modifiers".
    return {{"keyCode", keyCode}, {"modifiers", modifiers}};
}

std::optional<KeyCombo> KeyCombo::fromJson(const nlohmann::json& json)
{
    if (!json.is_object())
        return std::nullopt;
    const auto keyCode = json.find("keyCode");
    const auto modifiers = json.find("modifiers");
    if (keyCode == json.end() || modifiers == json.end())
        return std::nullopt;
    const auto code = readUInt32(*keyCode);
    const auto mask = readUInt32(*modifiers);
    if (!code || !mask)
        return std::nullopt;
    return KeyCombo{*code, *mask};
}

} // namespace vesperon
