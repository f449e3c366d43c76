#pragma once

#include <xcb/xcb.h>

#include <cstddef>
#include <cstdint>
#include <functional>

namespace vesperon {

class XcbConnection;

// Tells when an XEmbed system tray comes or goes: the owner of the screen's tray selection
// changes, which XFixes reports as it happens.
class X11TrayWatch {
public:
    X11TrayWatch(XcbConnection* connection, std::function<void()> changed);
    ~X11TrayWatch();
    X11TrayWatch(const X11TrayWatch&) = delete;
    X11TrayWatch& operator=(const X11TrayWatch&) = delete;

private:
    XcbConnection* connection_;
    std::function<void()> changed_;
    std::size_t reader_ = 0;
    std::uint8_t notifyEvent_ = 0;
};

} // namespace vesperon
