#pragma once

#include "model/DisplayInfo.h"

namespace vesperon {

// What a hotkey does.
struct HotkeyAction {
    enum class Kind {
        blackoutAll, // black out every display, or wake them all while a blackout is active
        toggleDisplay, // black out this display if lit, wake it if dark
        keepOnlyDisplay, // black out every display but this one
        safetyWake, // wake every display at once
    };
    Kind kind = Kind::blackoutAll;
    DisplayId display = 0; // toggleDisplay and keepOnlyDisplay only

    static HotkeyAction blackoutAll() { return {Kind::blackoutAll, 0}; }
    static HotkeyAction toggleDisplay(DisplayId id) { return {Kind::toggleDisplay, id}; }
    static HotkeyAction keepOnlyDisplay(DisplayId id) { return {Kind::keepOnlyDisplay, id}; }
    static HotkeyAction safetyWake() { return {Kind::safetyWake, 0}; }

    friend bool operator==(const HotkeyAction&, const HotkeyAction&) = default;
};

} // namespace vesperon
