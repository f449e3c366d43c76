#pragma once

#include "platform/KeyboardMap.h"

#include <cstdint>
#include <optional>

namespace vesperon {

// XKB keycodes (evdev code + 8, the X keycodes) to and from the program's key codes, for every key of a 105-key
// keyboard. The numbering is positional: it names where a key is, not what the layout prints on it.
namespace KeyCodeTable {

// Keys that are not in the table but are keys all the same (Menu, Print, Pause, media keys):
// they wake on "any key" and nothing else.
inline constexpr std::uint16_t unknownKey = 0xFFFF;

std::optional<std::uint16_t> fromX11(std::uint8_t x11KeyCode);
std::optional<std::uint8_t> toX11(std::uint32_t keyCode);

// Shift, Control, Alt, Super, AltGr and the lock keys: pressed alone they are no key press.
bool isModifier(std::uint8_t x11KeyCode);

// What a press of the key with this XKB keycode is to the wake rules: none for a modifier alone,
// unknownKey for one beyond the table or the X range (media keys).
std::optional<std::uint16_t> pressedKey(std::uint32_t xkbKeyCode);

} // namespace KeyCodeTable

// The table behind the seam: Qt reports the XKB keycode as a key event's native scan code, on X11
// and on Wayland alike.
class XkbKeyboardMap : public KeyboardMap {
public:
    std::optional<std::uint16_t> keyCode(std::uint32_t nativeScanCode) const override;
};

} // namespace vesperon
