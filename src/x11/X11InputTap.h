#pragma once

#include "platform/InputTap.h"

#include <chrono>
#include <map>
#include <memory>
#include <set>

#include <xcb/xcb.h>

namespace vesperon {

class XcbConnection;

// The input tap on XInput 2 raw events, selected on the root window on a connection of its own.
// Raw events reach every client that asks, even while another client grabs the keyboard, and are
// never consumed. Modifier flags come from the XKB state, which the same connection follows.
class X11InputTap : public InputTap {
public:
    X11InputTap();
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
    void readScrollAxes();
    void deliver(InputEvent::Type type, std::uint16_t keyCode = 0);
    bool cameBeforeBlackout(const xcb_generic_event_t& event) const;
    std::optional<Point> pointerPosition() const;

    std::unique_ptr<XcbConnection> connection_;
    Handler handler_;
    bool motionWanted_ = false;
    std::uint32_t blackoutBegan_ = 0; // the sequence number of the request that asked for movement
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
