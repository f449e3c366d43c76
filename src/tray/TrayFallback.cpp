#include "tray/TrayFallback.h"

#include "core/RunLoop.h"
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
    const auto hotkey = services_.hotkeys.workingBlackoutAllHotkey();
    const std::string hotkeys
        = hotkey ? "; the hotkeys work (" + hotkey->displayString() + " blacks out every monitor)" : "";
    services_.notifier.notify("No system tray",
        "this desktop has no system tray" + hotkeys + ", and the preferences window stands in for the menu");
}

} // namespace vesperon
