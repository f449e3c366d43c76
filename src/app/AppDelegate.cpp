#include "app/AppDelegate.h"

#include "app/MenuBarController.h"
#include "core/RunLoop.h"
#include "core/Weak.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/InputMonitor.h"
#include "input/PermissionManager.h"
#include "model/AppState.h"
#include "platform/Notifier.h"

namespace vesperon {

std::shared_ptr<AppDelegate> AppDelegate::create(const Services& services)
{
    return std::shared_ptr<AppDelegate>(new AppDelegate(services));
}

void AppDelegate::applicationDidFinishLaunching()
{
    services_.menuBar.install();
    setupPermissionObserver();
    setupHotkeys();
}

void AppDelegate::setupPermissionObserver()
{
    PermissionManager& permission = services_.permission;
    cancellables_.push_back(permission.hasAccessibilityPermission.subscribeOnMainQueue(services_.runLoop,
        weakly(shared_from_this(), [](AppDelegate& delegate, bool granted) {
            if (granted)
                delegate.services_.inputMonitor.start();
            else
                delegate.services_.inputMonitor.stop();
        })));
    permission.checkPermissions();
    if (!permission.hasAccessibilityPermission.get()) {
        // Not tested again when it runs: the request comes even if access arrived meanwhile.
        services_.runLoop.asyncAfter(1.0, weakly(shared_from_this(), [](AppDelegate& delegate) {
            delegate.services_.permission.requestPermission();
        }));
    }
}

void AppDelegate::setupHotkeys()
{
    HotkeyManager& hotkeys = services_.hotkeys;
    hotkeys.installEventHandler();
    hotkeys.registerAllHotkeys();
    reportRefusedHotkeys();
    cancellables_.push_back(services_.appState.hotkeysChanged.connect(
        weakly(shared_from_this(), [](AppDelegate& delegate) { delegate.services_.hotkeys.registerAllHotkeys(); })));
}

// Once, at start: later refusals show where the hotkeys are shown.
void AppDelegate::reportRefusedHotkeys()
{
    const auto& refused = services_.hotkeys.refusedHotkeys.get();
    if (refused.empty())
        return;
    std::string names;
    for (const KeyCombo& combo : refused)
        names += (names.empty() ? "" : ", ") + combo.displayString();
    if (!services_.hotkeys.grabsKeys()) {
        services_.notifier.notify("Hotkeys belong to the desktop",
            "On this desktop no program can take keys for itself: bind " + names
                + " to commands such as 'vesperon --toggle' in the desktop's keyboard settings");
        return;
    }
    services_.notifier.notify("Hotkeys taken by another program",
        names + (refused.size() == 1 ? " is" : " are") + " taken by another program; Vesperon will use "
            + (refused.size() == 1 ? "it" : "them") + " as soon as " + (refused.size() == 1 ? "it is" : "they are")
            + " free, or set another in its preferences");
}

void AppDelegate::applicationWillTerminate()
{
    services_.inputMonitor.stop();
    services_.hotkeys.unregisterAllHotkeys();
    services_.displays.wakeAll();
}

} // namespace vesperon
