#pragma once

#include "desktop/KeyCodeTable.h"
#include "desktop/WindowActivation.h"
#include "gnome/GnomeHotkeys.h"
#include "gnome/GnomeIdleMonitor.h"
#include "gnome/GnomeInputTap.h"
#include "gnome/GnomeOverlays.h"
#include "gnome/GnomeShellExtension.h"
#include "gnome/GnomeTopBar.h"
#include "platform/Backend.h"
#include "platform/InputAccess.h"

#include <optional>

namespace vesperon {

// What the shell shows Vesperon of the user's input; nothing needs granting.
class GnomeInputAccess : public InputAccess {
public:
    bool isGranted() const override { return true; }
    void request() override {}
    void explain() override {}
};

// GNOME Shell on Wayland, which has no layer-shell and lets no program bind keys: Vesperon's
// extension in the shell holds the black actors, binds the hotkeys and reports the user's input.
class GnomeDisplayServer : public DisplayServer {
public:
    GnomeDisplayServer() : hotkeys_(extension_), overlays_(extension_), inputTap_(extension_), idle_(extension_) {}

    BlackWindowFactory& windows() override { return overlays_; }
    void bringToFront(std::uintptr_t window, const std::string& token) override
    {
        WindowActivation::request(window, token);
    }
    HotkeyService& hotkeys() override { return hotkeys_; }
    InputTap& inputTap() override { return inputTap_; }
    InputAccess& inputAccess() override { return access_; }
    KeyboardMap& keyboard() override { return keyboard_; }
    IdleMonitor& idle() override { return idle_; }
    Tray& tray(Tray& trayIcon) override { return topBar_.emplace(extension_, trayIcon); }

private:
    GnomeShellExtension extension_;
    // Before the overlays: when the extension returns, the keys (the safety wake among them) are
    // bound again before the black comes back.
    GnomeHotkeys hotkeys_;
    GnomeOverlays overlays_;
    GnomeInputTap inputTap_;
    GnomeInputAccess access_;
    XkbKeyboardMap keyboard_;
    GnomeIdleMonitor idle_;
    std::optional<GnomeTopBar> topBar_;
};

} // namespace vesperon
