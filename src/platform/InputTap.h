#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace vesperon {

// One input event seen by the tap.
struct InputEvent {
    enum class Type { leftMouseDown, rightMouseDown, mouseMoved, keyDown, keyUp, scrollWheel };
    Type type = Type::mouseMoved;
    std::uint16_t keyCode = 0; // key events: the program's key code
    std::uint64_t flags = 0; // modifier flags held at the time (EventFlags bits)
    std::optional<Point> position; // pointer events, while positions are wanted: where the pointer is
};

// Watches system-wide keyboard and mouse input on the main thread. It only observes: every event
// reaches its destination unchanged and undelayed.
class InputTap {
public:
    using Handler = std::function<void(const InputEvent&)>;

    virtual ~InputTap() = default;

    // False when input cannot be watched here.
    virtual bool start(Handler handler) = 0;
    virtual void stop() = 0;

    // Input is only needed while a blackout is active. Mouse movement (and smooth scrolling, which
    // arrives with it) is delivered only while wanted; a tap may stop watching keys and buttons
    // then too, so that the program does not wake at every keystroke between blackouts.
    virtual void setMotionWanted(bool wanted) = 0;
    // Whether pointer events should say where the pointer is; it may cost a question to the
    // display server per click and per batch of movement. Movement may then come once per batch.
    virtual void setPositionWanted(bool /*wanted*/) {}
};

} // namespace vesperon
