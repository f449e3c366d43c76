#pragma once

#include "desktop/KeyCodeTable.h"
#include "platform/Backend.h"
#include "x11/X11BlackWindow.h"
#include "x11/X11HotkeyService.h"
#include "x11/X11IdleMonitor.h"
#include "x11/X11InputAccess.h"
#include "x11/X11InputTap.h"
#include "x11/X11StackKeeper.h"
#include "x11/X11TrayWatch.h"
#include "x11/X11WindowActivation.h"
#include "x11/XcbConnection.h"

#include <memory>

namespace vesperon {

// The X11 backend: black override-redirect windows kept on top, XGrabKey hotkeys, the XInput 2
// raw-event tap. Needs a QApplication on the xcb platform.
class X11DisplayServer : public DisplayServer {
public:
    // `limits`: what does not work on this desktop, for the preferences (XWayland under Wayland).
    explicit X11DisplayServer(std::string limits = {});

    BlackWindowFactory& windows() override { return windows_; }
    HotkeyService& hotkeys() override { return hotkeys_; }
    InputTap& inputTap() override { return inputTap_; }
    InputAccess& inputAccess() override { return access_; }
    KeyboardMap& keyboard() override { return keyboard_; }
    IdleMonitor& idle() override { return idle_; }
    void watchTray(std::function<void()> changed) override;
    bool placesInDevicePixels() const override { return true; }
    void bringToFront(std::uintptr_t window, const std::string& token) override;

    // Whether an X server can be reached at $DISPLAY.
    static bool isReachable();

private:
    // The black windows', their stack keeper's and the input tap's: the server reads their requests
    // in the order they were made.
    std::unique_ptr<XcbConnection> blackWindows_;
    X11StackKeeper stackKeeper_;
    X11BlackWindowFactory windows_;
    X11HotkeyService hotkeys_;
    X11InputTap inputTap_;
    X11InputAccess access_;
    XkbKeyboardMap keyboard_;
    X11IdleMonitor idle_;
    std::unique_ptr<X11TrayWatch> trayWatch_;
    X11WindowActivation activation_;
};

} // namespace vesperon
