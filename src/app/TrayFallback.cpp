#include "app/TrayFallback.h"

#include "core/RunLoop.h"
#include "core/Weak.h"
#include "input/HotkeyManager.h"
#include "platform/Notifier.h"
#include "platform/Tray.h"

namespace vesperon {

std::shared_ptr<TrayFallback> TrayFallback::create(Services services)
{
    return std::shared_ptr<TrayFallback>(new TrayFallback(std::move(services)));
}

void TrayFallback::start()
{
    trayObserver_ = services_.tray.availabilityChanged.connect(weakly(shared_from_this(), [](TrayFallback& f) { f.trayChanged(); }));
    trayChanged();
}

void TrayFallback::trayChanged()
{
    if (grace_)
        std::exchange(grace_, nullptr)->invalidate();
    if (!services_.tray.isAvailable()) {
        grace_ = services_.runLoop.scheduleTimer(graceSeconds, false, weakly(shared_from_this(), [](TrayFallback& f) {
            if (!f.services_.tray.isAvailable())
                f.standIn();
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
    const std::string hotkeys = hotkey ? "; the hotkeys work (" + hotkey->displayString() + " blacks out every monitor)" : "";
    services_.notifier.notify("No system tray",
        "this desktop has no system tray" + hotkeys + ", and the preferences window stands in for the menu");
}

} // namespace vesperon
