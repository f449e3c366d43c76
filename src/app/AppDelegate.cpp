#include "app/AppDelegate.h"

#include "core/RunLoop.h"
#include "core/Translation.h"
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
        //: A notification's title, at start on a desktop where only the desktop itself takes global keys.
        const std::string title = translated("AppDelegate", "Hotkeys belong to the desktop");
        //: The notification's text; %1 is the hotkeys, such as "Ctrl+Alt+B, Ctrl+Alt+W".
        const std::string body = translated("AppDelegate",
            "On this desktop no program can take keys for itself: bind %1 to commands such as 'vesperon --toggle' in "
            "the desktop's keyboard settings");
        services_.notifier.notify(title, substitute(body, {names}));
        return;
    }
    //: A notification's title, at start, when another program holds some of Vesperon's hotkeys.
    const std::string title = translated("AppDelegate", "Hotkeys taken by another program");
    // Not a plural form: the text tells one key from several, and never says how many.
    //: The notification's text; %1 is one hotkey, such as "Ctrl+Alt+B".
    const std::string one = translated("AppDelegate",
        "%1 is taken by another program; Vesperon will use it as soon as it is free, or set another in its "
        "preferences");
    //: The notification's text; %1 is two or more hotkeys, such as "Ctrl+Alt+B, Ctrl+Alt+W".
    const std::string several = translated("AppDelegate",
        "%1 are taken by another program; Vesperon will use them as soon as they are free, or set another in its "
        "preferences");
    services_.notifier.notify(title, substitute(refused.size() == 1 ? one : several, {names}));
}

void AppDelegate::aboutToQuit()
{
    services_.inputMonitor.stop();
    services_.hotkeys.unregisterAllHotkeys();
    services_.displays.wakeAll();
}

} // namespace vesperon
