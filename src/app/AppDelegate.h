#pragma once

#include "core/Subscription.h"

#include <memory>

namespace vesperon {

class AppState;
class DisplayManager;
class HotkeyManager;
class InputMonitor;
class MenuBarController;
class Notifier;
class PermissionManager;
class RunLoop;

// Start-up and shutdown, in a fixed order.
class AppDelegate : public std::enable_shared_from_this<AppDelegate> {
public:
    struct Services {
        RunLoop& runLoop;
        Notifier& notifier;
        AppState& appState;
        MenuBarController& menuBar;
        PermissionManager& permission;
        InputMonitor& inputMonitor;
        HotkeyManager& hotkeys;
        DisplayManager& displays;
    };

    static std::shared_ptr<AppDelegate> create(const Services& services);

    // Once, when the event loop runs: the tray menu, the permission, the input monitor, the hotkeys.
    void applicationDidFinishLaunching();
    // Once, before the process ends: stop watching input, release the hotkeys, wake every display.
    void applicationWillTerminate();

private:
    explicit AppDelegate(const Services& services) : services_(services) {}
    void setupPermissionObserver();
    void setupHotkeys();
    void reportRefusedHotkeys();

    Services services_;
    Cancellables cancellables_;
};

} // namespace vesperon
