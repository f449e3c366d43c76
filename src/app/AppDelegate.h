#pragma once

#include "core/Lifetime.h"
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
class AppDelegate {
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

    explicit AppDelegate(const Services& services) : services_(services) {}

    // Once, when the event loop runs: the tray menu, the permission, the input monitor, the hotkeys.
    void launch();
    // Once, before the process ends: stop watching input, release the hotkeys, wake every display.
    void aboutToQuit();

private:
    void setupPermissionObserver();
    void setupHotkeys();
    void reportRefusedHotkeys();

    Services services_;
    Subscriptions subscriptions_;
    Lifetime lifetime_;
};

} // namespace vesperon
