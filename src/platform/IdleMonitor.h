#pragma once

#include "core/Geometry.h"

#include <functional>
#include <optional>
#include <string>

namespace vesperon {

// Time without user input, as the display server counts it. Where the display server knows of
// applications that keep the screen awake (Wayland's idle-inhibit), they hold the idle time back.
class IdleMonitor {
public:
    virtual ~IdleMonitor() = default;

    // Whether idle time can be told on this desktop.
    virtual bool canTell() const = 0;
    // Calls `idle` once, when no input has come for `seconds` counted from now: input before the
    // call does not count towards it. A new watch replaces the one before. Nothing happens where
    // idle time cannot be told.
    virtual void watch(double seconds, std::function<void()> idle) = 0;
    virtual void stop() = 0;
    // Where the pointer rests, where the display server says.
    virtual std::optional<Point> pointerPosition() const { return std::nullopt; }
    // How much of a second a second of idle time lasts here: below 1 only in end-to-end tests.
    virtual double timeScale() const { return 1.0; }
};

// Whether an application keeps the screen awake (a film, a presentation) by asking the desktop's
// screen saver service.
class IdleInhibition {
public:
    virtual ~IdleInhibition() = default;
    // Answers on a later turn of the run loop: who keeps the screen awake (empty when the desktop
    // does not say who), or nothing when no one does.
    virtual void check(std::function<void(std::optional<std::string>)> answer) = 0;
};

} // namespace vesperon
