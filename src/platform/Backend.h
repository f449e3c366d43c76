#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vesperon {

class Application;
class Autostart;
class BlackWindowFactory;
class EdidSource;
class HotkeyService;
class IdleInhibition;
class IdleMonitor;
class InputAccess;
class InputTap;
class KeyboardMap;
class Notifier;
class RunLoop;
class ScreenSource;
class SettingsStore;
class Tray;

// What only the display server can do: X11, a Wayland compositor with layer-shell, or GNOME Shell.
class DisplayServer {
public:
    virtual ~DisplayServer() = default;
    virtual BlackWindowFactory& windows() = 0;
    virtual HotkeyService& hotkeys() = 0;
    virtual InputTap& inputTap() = 0;
    virtual InputAccess& inputAccess() = 0;
    virtual KeyboardMap& keyboard() = 0;
    virtual IdleMonitor& idle() = 0;
    // What the server reads from the monitors' EDID beyond what Qt reports; none here by default.
    virtual EdidSource* edids() { return nullptr; }
    // Whether the server places windows in device pixels (X11), where Qt divides a screen's size
    // by its device pixel ratio, rather than in the desktop's logical coordinates (Wayland).
    virtual bool placesInDevicePixels() const { return false; }
    // Calls `changed` whenever a tray of the display server's own (X11's XEmbed tray) may have
    // come or gone; trays on the session bus are watched there.
    virtual void watchTray(std::function<void()> changed) { (void)changed; }
    // The tray to use: `trayIcon`, a StatusNotifierItem for whichever panel hosts one, or a menu of
    // the server's own that stands in where none does (GNOME Shell's top bar).
    virtual Tray& tray(Tray& trayIcon) { return trayIcon; }
    // Brings `window` (the native id of one of the program's own) to the front for a launcher that
    // sent `token`: an xdg-activation token on Wayland, a startup id on X11, where focus-stealing
    // prevention lets only those through. Window 0: none to show, the launcher hears it is done.
    virtual void bringToFront(std::uintptr_t window, const std::string& token) = 0;
};

// Every service the program is built from. Whoever makes it owns the services; they outlive the
// program's object graph.
struct Backend {
    RunLoop& runLoop;
    Application& application;
    SettingsStore& settings;
    Autostart& autostart;
    ScreenSource& screens;
    Tray& tray;
    Notifier& notifier;
    BlackWindowFactory& windows;
    HotkeyService& hotkeys;
    InputTap& inputTap;
    InputAccess& inputAccess;
    KeyboardMap& keyboard;
    IdleMonitor& idle;
    IdleInhibition& idleInhibition;
};

} // namespace vesperon
