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

// An X11 modifier state (GNOME Shell's too, which adds a Super bit of its own) to event flags.
constexpr std::uint64_t eventFlagsFromX11State(std::uint32_t state)
{
    std::uint64_t flags = 0;
    if (state & 0x1)
        flags |= EventFlags::shift;
    if (state & 0x4)
        flags |= EventFlags::control;
    if (state & 0x8) // Mod1
        flags |= EventFlags::alt;
    if (state & (0x40 | 0x4000000)) // Mod4, GNOME's Super
        flags |= EventFlags::super;
    return flags;
}

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
