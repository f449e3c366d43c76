#pragma once

#include <cstdint>
#include <optional>

namespace vesperon {

// The program's positional key codes for the keys of the display server's keyboard.
class KeyboardMap {
public:
    virtual ~KeyboardMap() = default;
    // The key code for a native scan code (what a Qt key event reports); nothing for a modifier,
    // a lock key or a key without a code.
    virtual std::optional<std::uint16_t> keyCode(std::uint32_t nativeScanCode) const = 0;
};

} // namespace vesperon
