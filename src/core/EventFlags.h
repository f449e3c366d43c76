#pragma once

#include <cstdint>

namespace vesperon {

// Modifier flags of a key or mouse event, as the input tap and the key recorder report them.
namespace EventFlags {
inline constexpr std::uint64_t shift = 0x20000;
inline constexpr std::uint64_t control = 0x40000;
inline constexpr std::uint64_t alt = 0x80000;
inline constexpr std::uint64_t super = 0x100000;
} // namespace EventFlags

// Event flags to a KeyCombo modifier mask, bit by bit; every other flag (locks and the like) is
// dropped.
constexpr std::uint32_t modifierMaskFromEventFlags(std::uint64_t flags)
{
    std::uint32_t mask = 0;
    if (flags & EventFlags::control)
        mask |= 0x1000;
    if (flags & EventFlags::alt)
        mask |= 0x0800;
    if (flags & EventFlags::shift)
        mask |= 0x0200;
    if (flags & EventFlags::super)
        mask |= 0x0100;
    return mask;
}

} // namespace vesperon
