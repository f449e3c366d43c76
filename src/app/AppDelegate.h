#pragma once

#include "platform/Subscription.h"

#include <functional>
#include <memory>

namespace vesperon {

class DisplayManager;
class HotkeyManager;
class InputMonitor;
class MenuBarController;
class NotificationCenter;
class PermissionManager;
class RunLoop;

// Start-up and shutdown, in a fixed order.
class AppDelegate : public std::enable_shared_from_this<AppDelegate> {
public:
    struct Services {
        RunLoop& runLoop;
        NotificationCenter& notifications;
        std::function<std::shared_ptr<MenuBarController>()> makeMenuBarController;
        std::function<PermissionManager&()> permissionManager;
        std::function<InputMonitor&()> inputMonitor;
        std::function<HotkeyManager&()> hotkeyManager;
        std::function<DisplayManager&()> displayManager;
    };

    static std::shared_ptr<AppDelegate> create(Services services);

    // Once, when the event loop runs: the tray menu, the permission, the input monitor, the hotkeys.
    void applicationDidFinishLaunching();
    // Once, before the process ends: stop watching input, release the hotkeys, wake every display.
    void applicationWillTerminate();
    // Closing a window (the preferences) never ends the program.
    static constexpr bool applicationShouldTerminateAfterLastWindowClosed() { return false; }

    MenuBarController* menuBarController() const { return menuBarController_.get(); }

private:
    explicit AppDelegate(Services services) : services_(std::move(services)) {}
    void setupPermissionObserver();
    void setupHotkeys();

    Services services_;
    std::shared_ptr<MenuBarController> menuBarController_;
    Cancellables cancellables_;
};

} // namespace vesperon
