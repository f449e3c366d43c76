#pragma once

#include "core/Lifetime.h"
#include "core/Subscription.h"

#include <functional>
#include <memory>

namespace vesperon {

class HotkeyManager;
class Notifier;
class RunLoop;
class Timer;
class Tray;

// Where there is no tray the preferences window stands in for the menu. A panel started after
// Vesperon (launch at login races it) gets a few seconds first; a tray that appears later closes
// the stand-in, and one that goes away brings it back after the same wait.
class TrayFallback {
public:
    struct Services {
        RunLoop& runLoop;
        Tray& tray;
        Notifier& notifier;
        HotkeyManager& hotkeys;
        std::function<void()> showPreferences;
        std::function<void()> hidePreferences;
    };
    static constexpr double graceSeconds = 3;

    explicit TrayFallback(Services services) : services_(std::move(services)) {}
    void start();

private:
    void trayChanged();
    void standIn();

    Services services_;
    std::shared_ptr<Timer> grace_;
    bool standingIn_ = false;
    bool told_ = false;
    Subscription trayObserver_;
    Lifetime lifetime_;
};

} // namespace vesperon
