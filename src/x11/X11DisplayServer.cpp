#include "x11/X11DisplayServer.h"

#include "core/Translation.h"
#include "desktop/WindowActivation.h"
#include "x11/XcbConnection.h"

namespace vesperon {

X11DisplayServer::X11DisplayServer(std::string limits)
    : blackWindows_(XcbConnection::open(translated("X11", "black windows and watching input")))
    , stackKeeper_(blackWindows_.get())
    , windows_(blackWindows_.get(), &stackKeeper_)
    , hotkeys_(XcbConnection::open(translated("X11", "global hotkeys")), !limits.empty())
    , inputTap_(blackWindows_.get())
    , access_(blackWindows_.get(), limits)
    // XWayland counts only the input of X11 windows: its idle time would black out under a user
    // typing in a Wayland window.
    , idle_(limits.empty() ? XcbConnection::open(translated("X11", "idle time")) : nullptr)
    , activation_(blackWindows_.get())
{
}

void X11DisplayServer::bringToFront(std::uintptr_t window, const std::string& token)
{
    if (token.empty())
        WindowActivation::request(window, token);
    else
        activation_.bringToFront(static_cast<xcb_window_t>(window), token);
}

void X11DisplayServer::watchTray(std::function<void()> changed)
{
    trayWatch_ = std::make_unique<X11TrayWatch>(blackWindows_.get(), std::move(changed));
}

bool X11DisplayServer::isReachable()
{
    xcb_connection_t* probe = xcb_connect(nullptr, nullptr);
    const bool reachable = !xcb_connection_has_error(probe);
    xcb_disconnect(probe);
    return reachable;
}

} // namespace vesperon
