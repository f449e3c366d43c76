#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <map>

#include <xcb/xcb.h>

namespace vesperon::testing {

// Another X client, as a test needs one: it makes plain windows, reads pixels back from the
// server, moves focus and sends real input through XTEST.
class XClient {
public:
    XClient();
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    xcb_connection_t* connection() const { return connection_; }
    xcb_window_t root() const { return screen_->root; }

    // A mapped window filled with `rgb` (0xRRGGBB). With `overrideRedirect` it bypasses any window
    // manager, as menus, tooltips and notifications do.
    xcb_window_t createWindow(const Rect& frame, std::uint32_t rgb, bool overrideRedirect = false,
        std::uint32_t eventMask = 0);
    void raise(xcb_window_t window);

    // The colour on screen (0xRRGGBB) at a point of the root window.
    std::uint32_t pixel(int x, int y);

    void setInputFocus(xcb_window_t window);
    xcb_window_t inputFocus();

    void click(int x, int y, std::uint8_t button = 1);
    void moveTo(int x, int y);

    // Button presses this client's windows received so far.
    int buttonPresses(xcb_window_t window);

    // Waits until the server has handled everything sent so far.
    void sync();

private:
    void drainEvents();

    xcb_connection_t* connection_;
    xcb_screen_t* screen_;
    std::map<xcb_window_t, int> presses_;
};

} // namespace vesperon::testing
