#pragma once

#include "x11/XcbConnection.h"

#include <cstdint>
#include <string>

namespace vesperon {

// Brings a window to the front for a launcher that sent a startup id: the window wears the id, the
// window manager hears the request with the launch's own time (which its focus-stealing prevention
// weighs against the window in front), and the launcher hears that its launch is done.
class X11WindowActivation {
public:
    explicit X11WindowActivation(XcbConnection* connection) : connection_(connection) {}

    void bringToFront(xcb_window_t window, const std::string& startupId);

private:
    void activate(xcb_window_t window, const std::string& startupId);
    void announceDone(xcb_window_t from, const std::string& startupId);

    XcbConnection* connection_;
};

} // namespace vesperon
