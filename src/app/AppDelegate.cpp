#include "app/AppDelegate.h"

#include "core/RunLoop.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/InputMonitor.h"
#include "input/PermissionManager.h"
#include "model/AppState.h"
#include "platform/Notifier.h"
#include "tray/MenuBarController.h"

namespace vesperon {

void AppDelegate::launch()
{
    services_.menuBar.install();
    setupPermissionObserver();
    setupHotkeys();
}

void AppDelegate::setupPermissionObserver()
{
    PermissionManager& permission = services_.permission;
    subscriptions_.push_back(
        permission.hasAccessibilityPermission.subscribeQueued(services_.runLoop, [this](bool granted) {
            if (granted)
                services_.inputMonitor.start();
            else
                services_.inputMonitor.stop();
        }));
    if (!permission.hasAccessibilityPermission.get()) {
        // Not tested again when it runs: the request comes even if access arrived meanwhile.
        services_.runLoop.postAfter(1.0, lifetime_.guard([this] { services_.permission.requestPermission(); }));
    }
}

void AppDelegate::setupHotkeys()
{
    HotkeyManager& hotkeys = services_.hotkeys;
    hotkeys.installEventHandler();
    hotkeys.registerAllHotkeys();
    reportRefusedHotkeys();
    subscriptions_.push_back(
        services_.appState.hotkeysChanged.connect([this] { services_.hotkeys.registerAllHotkeys(); }));
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

void AppDelegate::aboutToQuit()
{
    services_.inputMonitor.stop();
    services_.hotkeys.unregisterAllHotkeys();
    services_.displays.wakeAll();
}

} // namespace vesperon
