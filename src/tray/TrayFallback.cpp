#include "tray/TrayFallback.h"

#include "core/RunLoop.h"
#include "core/Translation.h"
#include "input/HotkeyManager.h"
#include "platform/Notifier.h"
#include "platform/Tray.h"

namespace vesperon {

void TrayFallback::start()
{
    trayObserver_ = services_.tray.availabilityChanged.connect([this] { trayChanged(); });
    trayChanged();
}

void TrayFallback::trayChanged()
{
    if (grace_)
        std::exchange(grace_, nullptr)->stop();
    if (!services_.tray.isAvailable()) {
        grace_ = services_.runLoop.startTimer(graceSeconds, false, lifetime_.guard([this] {
            if (!services_.tray.isAvailable())
                standIn();
        }));
    } else if (std::exchange(standingIn_, false)) {
        services_.hidePreferences();
    }
}

void TrayFallback::standIn()
{
    standingIn_ = true;
    services_.showPreferences();
    if (std::exchange(told_, true))
        return;
    //: A notification's title, when the desktop shows no tray icons.
    const std::string title = translated("TrayFallback", "No system tray");
    if (const auto hotkey = services_.hotkeys.workingBlackoutAllHotkey()) {
        //: The notification's text; %1 is the hotkey that blacks out every monitor, such as "Ctrl+Alt+B".
        const std::string body = translated("TrayFallback",
            "this desktop has no system tray; the hotkeys work (%1 blacks out every monitor), and the preferences "
            "window stands in for the menu");
        services_.notifier.notify(title, substitute(body, {hotkey->displayString()}));
    } else {
        //: The notification's text, when no hotkey works.
        services_.notifier.notify(title,
            translated(
                "TrayFallback", "this desktop has no system tray, and the preferences window stands in for the menu"));
    }
}

} // namespace vesperon
