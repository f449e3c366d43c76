#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <vector>

#include <QTimer>

#include <xcb/xcb.h>

namespace vesperon {

class XcbConnection;

// Keeps chosen windows above every other top-level window: when another client maps or restacks
// a window (a menu, a tooltip, a notification, a window the window manager raises) above one of
// them, they are raised again. It watches the root window only while it keeps a window, so it
// costs nothing between blackouts.
//
// It shares the connection that raises and maps the windows, and its requests are sent with
// theirs: the watch on the root window, asked for before a window is raised, is in place when the
// server raises it, so every window stacked above it later is seen, and none earlier can be.
class X11StackKeeper {
public:
    // Inert when `connection` is null (no X server for it); handles the connection's events.
    explicit X11StackKeeper(XcbConnection* connection);
    ~X11StackKeeper();

    // Before the window is raised and mapped.
    void keepAbove(xcb_window_t window);
    void release(xcb_window_t window);

private:
    void handle(const xcb_generic_event_t& event);
    void restackIfCovered();
    void watchRoot(bool watch);
    bool isKept(xcb_window_t window) const;
    bool withinRestackBudget();

    XcbConnection* connection_;
    std::size_t reader_ = 0;
    std::vector<xcb_window_t> kept_;
    bool changeSeen_ = false;
    QTimer retry_; // after giving way to another always-on-top client
    std::deque<std::chrono::steady_clock::time_point> recentRestacks_;
};

} // namespace vesperon
