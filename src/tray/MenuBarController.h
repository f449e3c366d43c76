#pragma once

#include "core/Lifetime.h"
#include "core/Subscription.h"
#include "platform/Tray.h"

#include <functional>
#include <memory>

namespace vesperon {

class AppState;
class DisplayManager;
class HotkeyManager;
class PermissionManager;
class RunLoop;

// The tray icon and its menu: every blackout command by hand, the way to the permission, the
// preferences and quitting.
class MenuBarController {
public:
    struct Services {
        RunLoop& runLoop;
        Tray& tray;
        PermissionManager& permission;
        AppState& appState;
        DisplayManager& displays;
        HotkeyManager& hotkeys;
        std::function<void()> showPreferences;
        std::function<void()> quit;
    };

    explicit MenuBarController(Services services);

    // Puts the icon in place and builds the first menu at once; observes the state from the next
    // run-loop turn.
    void install();

    // The menu as it would be built now.
    Menu buildMenu();
    void updateMenu();
    void updateIcon(bool isActive);

    // Menu actions.
    void blackoutAll();
    void blackoutDisplay(const MenuItem& sender);
    void keepOnlyDisplay(const MenuItem& sender);
    void wakeAll();
    void grantPermission();
    void showPreferences();
    void quit();

private:
    void setupObservers();
    MenuItem::Action action(void (MenuBarController::*method)());
    MenuItem::Action action(void (MenuBarController::*method)(const MenuItem&));

    Services services_;
    Subscriptions subscriptions_;
    Lifetime lifetime_;
};

} // namespace vesperon
