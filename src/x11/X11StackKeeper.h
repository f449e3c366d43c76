#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include <QTimer>

#include <xcb/xcb.h>

namespace vesperon {

class XcbConnection;

// Keeps chosen windows above every other top-level window: when another client maps or restacks
// a window (a menu, a tooltip, a notification, a window the window manager raises) above one of
// them, they are raised again. It watches the root window only while it keeps a window, so it
// costs nothing between blackouts.
class X11StackKeeper {
public:
    // Inert when `connection` is null (no X server for it).
    explicit X11StackKeeper(std::unique_ptr<XcbConnection> connection);
    ~X11StackKeeper();

    void keepAbove(xcb_window_t window);
    void release(xcb_window_t window);

private:
    void handle(const xcb_generic_event_t& event);
    void restackIfCovered();
    void watchRoot(bool watch);
    bool isKept(xcb_window_t window) const;
    bool withinRestackBudget();

    std::unique_ptr<XcbConnection> connection_;
    std::vector<xcb_window_t> kept_;
    bool changeSeen_ = false;
    QTimer retry_; // after giving way to another always-on-top client
    QTimer check_; // the stack as it is when watching begins
    std::deque<std::chrono::steady_clock::time_point> recentRestacks_;
};

} // namespace vesperon
