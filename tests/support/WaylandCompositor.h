#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>

namespace vesperon::testing {

// evdev codes the tests type.
namespace EvdevKey {
inline constexpr std::uint32_t escape = 1, a = 30, b = 48, d = 32, space = 57, enter = 28, down = 108, leftControl = 29,
                               leftShift = 42, leftAlt = 56, leftSuper = 125;
}

// A private headless Wayland compositor for one test process, with two outputs of 1280×720 side by
// side, real input on its seat and its pixels read back. Ended on destruction, or by the kernel
// should the test die.
class WaylandCompositor {
public:
    static constexpr int outputWidth = 1280, outputHeight = 720;
    static Rect output(int index) { return {double(index * outputWidth), 0, outputWidth, outputHeight}; }

    virtual ~WaylandCompositor() = default;
    // The socket's absolute path: what WAYLAND_DISPLAY names for a client.
    virtual const std::string& socket() const = 0;
    // Whether nine points across `area` (corners, edge middles, centre) all show `rgb` now, each
    // channel within `tolerance`.
    virtual bool shows(const Rect& area, std::uint32_t rgb, int tolerance = 0) const = 0;

    static bool near(std::uint32_t seen, std::uint32_t rgb, int tolerance)
    {
        for (const int shift : {16, 8, 0})
            if (std::abs(int(seen >> shift & 0xff) - int(rgb >> shift & 0xff)) > tolerance)
                return false;
        return true;
    }
    // Makes `index` the output where the next window opens.
    virtual void focusOutput(int index) = 0;

    // Input as a user's devices would send it; each call returns once the compositor has it.
    virtual void moveTo(int x, int y) = 0;
    virtual void click(int x, int y) = 0; // the left button
    virtual void scroll() = 0;
    // Presses and releases a key, holding the modifier keys around it.
    virtual void typeKey(std::uint32_t key, std::initializer_list<std::uint32_t> modifiers = {}) = 0;
};

// The compositor the test process started (sway or KWin, whichever the test binary is for).
WaylandCompositor& compositor();

} // namespace vesperon::testing
