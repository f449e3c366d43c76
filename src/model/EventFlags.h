#pragma once

#include <cstdint>

namespace vesperon {

// Modifier flags of a key or mouse event, as the input tap and the key recorder report them.
namespace EventFlags {
inline constexpr std::uint64_t shift = 0x20000;
inline constexpr std::uint64_t control = 0x40000;
inline constexpr std::uint64_t option = 0x80000; // Alt
inline constexpr std::uint64_t command = 0x100000; // Super
} // namespace EventFlags

// Event flags to a KeyCombo modifier mask, bit by bit; every other flag (locks and the like) is
// dropped.
constexpr std::uint32_t modifierMaskFromEventFlags(std::uint64_t flags)
{
    std::uint32_t mask = 0;
    if (flags & EventFlags::control)
        mask |= 0x1000;
    if (flags & EventFlags::option)
        mask |= 0x0800;
    if (flags & EventFlags::shift)
        mask |= 0x0200;
    if (flags & EventFlags::command)
        mask |= 0x0100;
    return mask;
}

} // namespace vesperon
