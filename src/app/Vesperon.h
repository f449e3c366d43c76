#pragma once

#include "platform/Backend.h"

#include <functional>
#include <iosfwd>
#include <memory>

namespace vesperon {

class AppDelegate;
class AppState;
class ControlService;
class DisplayManager;
class HotkeyManager;
class IdleBlackout;
class InputMonitor;
class LaunchAtLogin;
class MenuBarController;
class PermissionManager;
class TrayFallback;

// The composition root: builds the program's object graph from a backend in dependency order,
// owns it, and takes it down in reverse order. The product builds it over the desktop's backend,
// the tests over a fake one.
class Vesperon {
public:
    // `showPreferences` opens the preferences window and brings it to the front, with a launcher's
    // activation token when one asked; `hidePreferences` closes it (the view layer lives outside
    // the graph).
    Vesperon(
        const Backend& backend, std::ostream& messages, std::function<void(const std::string&)> showPreferences,
        std::function<void()> hidePreferences = [] {});
    ~Vesperon();
    Vesperon(const Vesperon&) = delete;
    Vesperon& operator=(const Vesperon&) = delete;

    // Once, when the event loop runs.
    void launch();
    // The termination sequence, once, then the event loop ends: every display is awake by then.
    void quit();

    AppState& appState() { return *appState_; }
    PermissionManager& permission() { return *permission_; }
    DisplayManager& displays() { return *displays_; }
    HotkeyManager& hotkeys() { return *hotkeys_; }
    InputMonitor& inputMonitor() { return *inputMonitor_; }
    IdleBlackout& idleBlackout() { return *idleBlackout_; }
    LaunchAtLogin& launchAtLogin() { return *launchAtLogin_; }
    ControlService& control() { return *control_; }

private:
    Backend backend_;
    bool quitting_ = false;
    // In dependency order: members are destroyed in reverse.
    std::unique_ptr<AppState> appState_;
    std::unique_ptr<PermissionManager> permission_;
    std::unique_ptr<DisplayManager> displays_;
    std::unique_ptr<HotkeyManager> hotkeys_;
    std::unique_ptr<InputMonitor> inputMonitor_;
    std::unique_ptr<IdleBlackout> idleBlackout_;
    std::unique_ptr<LaunchAtLogin> launchAtLogin_;
    std::unique_ptr<MenuBarController> menuBar_;
    std::unique_ptr<AppDelegate> delegate_;
    std::unique_ptr<ControlService> control_;
    std::unique_ptr<TrayFallback> trayFallback_;
};

} // namespace vesperon
