#pragma once

#include "core/Translation.h"
#include "desktop/KeyCodeTable.h"
#include "desktop/WindowActivation.h"
#include "platform/Backend.h"
#include "platform/HotkeyService.h"
#include "platform/InputAccess.h"
#include "wayland/WaylandBlackWindow.h"
#include "wayland/WaylandConnection.h"
#include "wayland/WaylandIdleMonitor.h"
#include "wayland/WaylandInputTap.h"

#include <memory>

namespace vesperon {

// No Wayland client may grab a key: on these desktops the compositor binds keys
// itself and runs `vesperon --toggle` and its like. Every registration is
// refused, so the preferences show it.
class CompositorBoundHotkeys : public HotkeyService {
public:
    void setHandler(Handler) override {}
    std::optional<HotkeyHandle> registerHotkey(const KeyCombo&, std::uint32_t, const HotkeyLabel&) override
    {
        return std::nullopt;
    }
    void unregisterHotkey(HotkeyHandle) override {}
    bool grabsKeys() const override { return false; }
};

// Input over the overlays is always there to see; nothing needs granting.
class WaylandInputAccess : public InputAccess {
public:
    bool isGranted() const override { return true; }
    void request() override {}
    void explain() override {}
    std::string whatIsSeen() const override
    {
        return translated("InputAccess",
            "Clicks, wheel and pointer movement on dark displays, and keys while every display is dark: "
            "Wayland shows Vesperon nothing of what happens on a lit display");
    }
    bool seesLitDisplays() const override { return false; }
};

// The Wayland backend, for compositors with layer-shell (KDE Plasma, sway and
// other wlroots compositors): black overlays and the input seen over them, on a
// connection of Vesperon's own.
class WaylandDisplayServer : public DisplayServer {
public:
    explicit WaylandDisplayServer(std::unique_ptr<WaylandConnection> connection);

    BlackWindowFactory& windows() override { return windows_; }
    void bringToFront(std::uintptr_t window, const std::string& token) override
    {
        WindowActivation::request(window, token);
    }
    HotkeyService& hotkeys() override { return *hotkeys_; }
    InputTap& inputTap() override { return inputTap_; }
    InputAccess& inputAccess() override { return access_; }
    KeyboardMap& keyboard() override { return keyboard_; }
    IdleMonitor& idle() override { return idle_; }
    EdidSource* edids() override { return &connection_->kdeOutputDevices(); }

    // A connection to $WAYLAND_DISPLAY whose compositor offers what the backend
    // needs; nothing otherwise.
    static std::unique_ptr<WaylandConnection> connectIfSupported();

private:
    std::unique_ptr<WaylandConnection> connection_;
    WaylandBlackWindowFactory windows_;
    std::unique_ptr<HotkeyService> hotkeys_; // KDE's shortcut service where there is one
    WaylandInputTap inputTap_;
    WaylandInputAccess access_;
    XkbKeyboardMap keyboard_;
    WaylandIdleMonitor idle_;
};

} // namespace vesperon
