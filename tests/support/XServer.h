#pragma once

#include "core/Geometry.h"
#include "support/Daemon.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

#include <xcb/xcb.h>

namespace vesperon::testing {

// X keycodes (evdev code + 8) the tests type.
namespace X11Key {
inline constexpr std::uint8_t shift = 50, control = 37, alt = 64, super = 133, capsLock = 66, numLock = 77;
inline constexpr std::uint8_t a = 38, d = 40, one = 10, two = 11, three = 12, escape = 9, space = 65, tab = 23,
                              returnKey = 36, down = 116, rightArrow = 114;
} // namespace X11Key

// A private Xvfb for the test process on a display number it picks itself, never the developer's
// display; ended on destruction, or by the kernel should the test die.
class XvfbServer {
public:
    // With `becomeDisplay` the server is this process's DISPLAY from then on.
    explicit XvfbServer(const std::string& screen = "5760x1440x24", bool becomeDisplay = true);

    const std::string& display() const { return display_; }
    // A shell command against this server; its exit status.
    int run(const std::string& command) const;
    // A real resolution change of the server's one output, "screen"; the pointer stays within it.
    void setOutputMode(int width, int height) const;
    // A monitor (xrandr --setmonitor); one that takes the output stands for the output's own.
    void setMonitor(const std::string& name, const Rect& frame, bool takesOutput = false) const;
    void deleteMonitor(const std::string& name) const;

private:
    Daemon daemon_;
    std::string display_;
    std::string size_;
};

// The server the X tests' main starts before any test.
XvfbServer& testServer();

// Another X client: plain windows, pixels read back, focus, grabs, and real input through XTEST.
class XClient {
public:
    XClient();
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    // A mapped window filled with `rgb` (0xRRGGBB); override-redirect as menus and notifications are.
    xcb_window_t createWindow(const Rect& frame, std::uint32_t rgb, bool overrideRedirect = false,
        std::uint32_t eventMask = XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_KEY_PRESS);
    std::uint32_t pixel(int x, int y);
    // Whether nine points across `area` (corners, edge middles, centre) all show `rgb`.
    bool shows(const Rect& area, std::uint32_t rgb);
    void setInputFocus(xcb_window_t window);
    xcb_window_t inputFocus();

    void moveTo(int x, int y);
    void click(int x, int y, std::uint8_t button = 1);
    // Presses and releases a key, holding the modifier keys around it.
    void typeKey(std::uint8_t keyCode, std::initializer_list<std::uint8_t> modifiers = {});
    // Grabs as another hotkey program (one combination) and a screen locker (the whole keyboard) make.
    bool grabKey(std::uint8_t keyCode, std::uint16_t modifiers);
    bool grabKeyboard(xcb_window_t window);
    // At once; closing the connection ends a grab only when the server notices.
    void ungrabKeyboard();

    // Sends _NET_WM_PING to a Qt window and waits for the reply, which Qt's main thread sends: by
    // then that program has handled everything that came before.
    bool pingAnswered(xcb_window_t window, int deadlineMs = 5000);
    // Whether another client actively grabs the keyboard now (an open menu), wherever the focus is.
    bool keyboardGrabbedAway();
    // What this client's windows received: button presses, and key presses (keycode, state).
    int buttonPresses(xcb_window_t window);
    std::vector<std::pair<std::uint8_t, std::uint16_t>> keyPresses(xcb_window_t window);

    struct WindowInfo {
        xcb_window_t id;
        Rect frame; // in root coordinates
        bool overrideRedirect, viewable;
    };
    // The title a window manager shows: _NET_WM_NAME.
    std::string title(xcb_window_t window);
    // Every window, at any depth, whose WM_CLASS instance or class is `wmClass`.
    std::vector<WindowInfo> findWindows(const std::string& wmClass);
    // Waits until the server has handled everything sent so far.
    void sync();

private:
    void fake(std::uint8_t type, std::uint8_t detail, int x = 0, int y = 0);
    void drainEvents();
    void handle(const xcb_generic_event_t& event);
    xcb_timestamp_t serverTime();
    void collect(xcb_window_t parent, const std::string& wmClass, std::vector<WindowInfo>& found);
    xcb_atom_t atom(const char* name);

    xcb_connection_t* connection_;
    xcb_screen_t* screen_;
    std::map<xcb_window_t, int> presses_;
    std::map<xcb_window_t, std::vector<std::pair<std::uint8_t, std::uint16_t>>> keys_;
    std::uint32_t pingSerial_ = 0, pongs_ = 0;
    xcb_window_t clock_ = 0;
};

} // namespace vesperon::testing
