#pragma once

#include "platform/InputTap.h"

#include <chrono>
#include <map>
#include <memory>
#include <set>

#include <xcb/xcb.h>

namespace vesperon {

class XcbConnection;

// The input tap on XInput 2 raw events, selected on the root window. Raw events reach every client
// that asks, even while another client grabs the keyboard, and are never consumed. Modifier flags
// come from the XKB state, which the same connection follows.
//
// It shares the connection that maps the black windows: the server reads the selection that
// begins a blackout before it maps the black, so no input after the black appears goes unseen.
class X11InputTap : public InputTap {
public:
    // Inert when `connection` is null (no X server for it).
    explicit X11InputTap(XcbConnection* connection);
    ~X11InputTap() override;

    bool start(Handler handler) override;
    void stop() override;
    void setMotionWanted(bool wanted) override;
    // One QueryPointer per click and per batch of movement, which then comes once per batch.
    void setPositionWanted(bool wanted) override { positionWanted_ = wanted; }

    // What one raw motion event is: movement on the pointer axes, scrolling on the device's scroll
    // axes (smooth scrolling), or both. `mask` is the event's valuator mask.
    struct MotionKind {
        bool moved = false;
        bool scrolled = false;
    };
    static MotionKind classifyMotion(const std::uint32_t* mask, int words, const std::set<std::uint16_t>* scrollAxes);

    // Whether the server behind `connection` offers XInput 2.1 or later, whose raw events arrive
    // regardless of grabs. Announces this client's XInput version on that connection.
    static bool offersRawInput(xcb_connection_t* connection);

private:
    void handle(const xcb_generic_event_t& event);
    void handleRaw(std::uint16_t type, const xcb_generic_event_t& event);
    void selectEvents();
    void followModifiers(bool follow);
    void readScrollAxes();
    void deliver(InputEvent::Type type, std::uint16_t keyCode = 0);
    std::optional<Point> pointerPosition() const;

    XcbConnection* connection_;
    std::size_t reader_ = 0; // while started
    Handler handler_;
    bool motionWanted_ = false;
    bool positionWanted_ = false;
    bool movedInBatch_ = false; // while positions are wanted: movement to deliver at the batch's end
    int motionsInBatch_ = 0;
    int burstMotions_ = 0; // motion events since `burstStart_`
    std::chrono::steady_clock::time_point burstStart_;
    std::uint8_t xinputOpcode_ = 0;
    std::uint8_t xkbFirstEvent_ = 0;
    std::uint64_t flags_ = 0;
    std::map<std::uint16_t, std::set<std::uint16_t>> scrollAxes_; // source device → its scroll valuators
};

} // namespace vesperon
