#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include <xcb/xcb.h>

namespace vesperon::testing {

// X keycodes of the modifier and lock keys (evdev code + 8).
namespace X11Key {
inline constexpr std::uint8_t shift = 50;
inline constexpr std::uint8_t control = 37;
inline constexpr std::uint8_t alt = 64;
inline constexpr std::uint8_t super = 133;
inline constexpr std::uint8_t capsLock = 66;
inline constexpr std::uint8_t numLock = 77;
} // namespace X11Key

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

    // Presses and releases a key through XTEST, holding the given modifier keys around it.
    void typeKey(std::uint8_t keyCode, std::initializer_list<std::uint8_t> modifiers = {});
    void pressKey(std::uint8_t keyCode);
    void releaseKey(std::uint8_t keyCode);
    // Ten steps of the wheel button (4 is up).
    void scroll(std::uint8_t button = 4);

    // A passive grab of one key combination on the root window, as another hotkey program makes.
    bool grabKey(std::uint8_t keyCode, std::uint16_t modifiers);
    // An active grab of the whole keyboard, as a full-screen game or a screen locker holds.
    bool grabKeyboard(xcb_window_t window);
    void ungrabKeyboard();

    // Button presses this client's windows received so far.
    int buttonPresses(xcb_window_t window);
    // Key presses (X keycode, modifier state) a window received so far, in order.
    std::vector<std::pair<std::uint8_t, std::uint16_t>> keyPresses(xcb_window_t window);

    struct WindowInfo {
        xcb_window_t id;
        Rect frame; // in root coordinates
        bool overrideRedirect;
        bool viewable;
    };
    // Every window, at any depth, whose WM_CLASS names `wmClass` (instance or class).
    std::vector<WindowInfo> findWindows(const std::string& wmClass);

    // Waits until the server has handled everything sent so far.
    void sync();

private:
    void drainEvents();
    void collect(xcb_window_t parent, const std::string& wmClass, std::vector<WindowInfo>& found);

    xcb_connection_t* connection_;
    xcb_screen_t* screen_;
    std::map<xcb_window_t, int> presses_;
    std::map<xcb_window_t, std::vector<std::pair<std::uint8_t, std::uint16_t>>> keys_;
};

} // namespace vesperon::testing
