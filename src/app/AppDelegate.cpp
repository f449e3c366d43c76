#include "app/AppDelegate.h"

#include "app/MenuBarController.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/InputMonitor.h"
#include "input/PermissionManager.h"
#include "model/AppState.h"
#include "platform/NotificationCenter.h"
#include "platform/RunLoop.h"
#include "platform/Weak.h"

namespace vesperon {

std::shared_ptr<AppDelegate> AppDelegate::create(Services services)
{
    return std::shared_ptr<AppDelegate>(new AppDelegate(std::move(services)));
}

void AppDelegate::applicationDidFinishLaunching()
{
    // Creates the permission manager and the application state on its first menu build.
    menuBarController_ = services_.makeMenuBarController();
    // The accessory policy needs nothing on X11: a tray program without windows has no taskbar entry.
    setupPermissionObserver();
    setupHotkeys();
}

void AppDelegate::setupPermissionObserver()
{
    PermissionManager& permission = services_.permissionManager();
    cancellables_.push_back(permission.hasAccessibilityPermission.subscribeOnMainQueue(services_.runLoop,
        weakly(shared_from_this(), [](AppDelegate& delegate, bool granted) {
            if (granted)
                delegate.services_.inputMonitor().start();
            else
                delegate.services_.inputMonitor().stop();
        })));
    permission.checkPermissions();
    if (!permission.hasAccessibilityPermission.get()) {
        // Not tested again when it runs: the prompt comes even if the permission arrived meanwhile.
        services_.runLoop.asyncAfter(1.0, weakly(shared_from_this(), [](AppDelegate& delegate) {
            delegate.services_.permissionManager().requestPermission();
        }));
    }
}

void AppDelegate::setupHotkeys()
{
    HotkeyManager& hotkeys = services_.hotkeyManager();
    hotkeys.installEventHandler();
    hotkeys.registerAllHotkeys();
    cancellables_.push_back(services_.notifications.addObserver(AppState::hotkeysDidChange,
        weakly(shared_from_this(), [](AppDelegate& delegate) { delegate.services_.hotkeyManager().registerAllHotkeys(); })));
}

void AppDelegate::applicationWillTerminate()
{
    services_.inputMonitor().stop();
    services_.hotkeyManager().unregisterAllHotkeys();
    services_.displayManager().wakeAll();
}

} // namespace vesperon
