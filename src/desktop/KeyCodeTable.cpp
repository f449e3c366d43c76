#include "desktop/KeyCodeTable.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vesperon {

namespace {

// evdev code → program key code.
constexpr std::array<std::pair<std::uint8_t, std::uint16_t>, 100> table{{
    {1, 53}, // Escape
    {2, 18}, {3, 19}, {4, 20}, {5, 21}, {6, 23}, {7, 22}, {8, 26}, {9, 28}, {10, 25}, {11, 29}, // 1..0
    {12, 27}, // minus
    {13, 24}, // equal
    {14, 51}, // Backspace
    {15, 48}, // Tab
    {16, 12}, {17, 13}, {18, 14}, {19, 15}, {20, 17}, {21, 16}, {22, 32}, {23, 34}, {24, 31}, {25, 35}, // Q..P
    {26, 33}, // [
    {27, 30}, // ]
    {28, 36}, // Return
    {30, 0}, {31, 1}, {32, 2}, {33, 3}, {34, 5}, {35, 4}, {36, 38}, {37, 40}, {38, 37}, // A..L
    {39, 41}, // ;
    {40, 39}, // '
    {41, 50}, // `
    {43, 42}, // backslash
    {44, 6}, {45, 7}, {46, 8}, {47, 9}, {48, 11}, {49, 45}, {50, 46}, // Z..M
    {51, 43}, // ,
    {52, 47}, // .
    {53, 44}, // /
    {55, 67}, // keypad *
    {57, 49}, // Space
    {59, 122}, {60, 120}, {61, 99}, {62, 118}, {63, 96}, {64, 97}, {65, 98}, {66, 100}, {67, 101}, {68, 109}, // F1..F10
    {71, 89}, {72, 91}, {73, 92}, // keypad 7 8 9
    {74, 78}, // keypad -
    {75, 86}, {76, 87}, {77, 88}, // keypad 4 5 6
    {78, 69}, // keypad +
    {79, 83}, {80, 84}, {81, 85}, // keypad 1 2 3
    {82, 82}, // keypad 0
    {83, 65}, // keypad .
    {86, 10}, // the extra key beside left Shift on ISO keyboards
    {87, 103}, {88, 111}, // F11 F12
    {96, 76}, // keypad Enter
    {98, 75}, // keypad /
    {102, 115}, // Home
    {103, 126}, // Up
    {104, 116}, // Page Up
    {105, 123}, // Left
    {106, 124}, // Right
    {107, 119}, // End
    {108, 125}, // Down
    {109, 121}, // Page Down
    {110, 114}, // Insert, where the Help key sits
    {111, 117}, // forward Delete
    {117, 81}, // keypad =
    {183, 105}, {184, 107}, {185, 113}, {186, 106}, {187, 64}, {188, 79}, {189, 80}, {190, 90}, // F13..F20
}};

constexpr std::array<std::uint8_t, 13> modifiers{
    29, 97, // Control
    42, 54, // Shift
    56, 100, // Alt, AltGr
    125, 126, // Super
    58, 69, 70, // Caps Lock, Num Lock, Scroll Lock
    84, // ISO Level 3 shift on some keymaps
    127, // Compose
};

constexpr int evdevOffset = 8;

} // namespace

std::optional<std::uint16_t> KeyCodeTable::fromX11(std::uint8_t x11KeyCode)
{
    const int evdev = x11KeyCode - evdevOffset;
    for (const auto& [code, key] : table) {
        if (code == evdev)
            return key;
    }
    return std::nullopt;
}

std::optional<std::uint8_t> KeyCodeTable::toX11(std::uint32_t keyCode)
{
    for (const auto& [code, key] : table) {
        if (key == keyCode)
            return static_cast<std::uint8_t>(code + evdevOffset);
    }
    return std::nullopt;
}

bool KeyCodeTable::isModifier(std::uint8_t x11KeyCode)
{
    return std::ranges::find(modifiers, x11KeyCode - evdevOffset) != modifiers.end();
}

std::optional<std::uint16_t> KeyCodeTable::pressedKey(std::uint32_t xkbKeyCode)
{
    if (xkbKeyCode > 255)
        return unknownKey;
    if (isModifier(static_cast<std::uint8_t>(xkbKeyCode)))
        return std::nullopt;
    return fromX11(static_cast<std::uint8_t>(xkbKeyCode)).value_or(unknownKey);
}

std::optional<std::uint16_t> XkbKeyboardMap::keyCode(std::uint32_t nativeScanCode) const
{
    if (nativeScanCode > 255)
        return std::nullopt;
    return KeyCodeTable::fromX11(static_cast<std::uint8_t>(nativeScanCode));
}

} // namespace vesperon
