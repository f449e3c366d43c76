#pragma once

#include "platform/StatusItem.h"
#include "platform/Subscription.h"

#include <functional>
#include <memory>

namespace vesperon {

class AppState;
class DisplayManager;
class PermissionManager;
class RunLoop;

// The tray icon and its menu: every blackout command by hand, the way to the permission, the
// preferences and quitting.
class MenuBarController : public std::enable_shared_from_this<MenuBarController> {
public:
    struct Services {
        RunLoop& runLoop;
        StatusBar& statusBar;
        std::function<PermissionManager&()> permissionManager;
        std::function<AppState&()> appState;
        std::function<DisplayManager&()> displayManager;
        std::function<void()> showPreferences;
        std::function<void()> terminate;
    };

    // Puts the icon in place and builds the first menu at once; observes the state from the next
    // run-loop turn.
    static std::shared_ptr<MenuBarController> create(Services services);

    // The menu as it would be built now.
    Menu buildMenu();
    void updateMenu();
    void updateIcon(bool isActive);

    // Menu actions.
    void blackoutAll();
    void blackoutDisplay(const MenuItem& sender);
    void keepOnlyDisplay(const MenuItem& sender);
    void wakeAll();
    void openAccessibilitySettings();
    void showPreferences();
    void quit();

private:
    explicit MenuBarController(Services services);
    void setupStatusItem();
    void setupObservers();
    MenuItem::Action action(void (MenuBarController::*method)());
    MenuItem::Action action(void (MenuBarController::*method)(const MenuItem&));

    Services services_;
    std::unique_ptr<StatusItem> statusItem_;
    Cancellables cancellables_;
};

} // namespace vesperon
