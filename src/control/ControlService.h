#pragma once

#include "control/CommandLine.h"
#include "control/DisplayReport.h"
#include "core/Lifetime.h"
#include "core/Signal.h"
#include "core/Subscription.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vesperon {

class AppState;
class DisplayManager;
class RunLoop;

// What the control interface may ask of the running program. Every command takes the same path
// as the tray menu and the hotkeys, so the menu, the icon and the input monitor follow.
class ControlService {
public:
    struct Services {
        AppState& appState;
        DisplayManager& displays;
        RunLoop& runLoop;
        std::function<void(const std::string& activationToken)> showPreferences;
        std::function<void()> quit;
    };

    explicit ControlService(Services services);

    // Performs a command; for a display nobody has, the reason it was refused.
    std::optional<std::string> perform(const ControlCommand& command);
    StatusReport status() const;

    // Once per run-loop turn in which the blackout flag or the set of dark displays changed.
    Signal<> stateChanged;

private:
    void observeState();
    void stateMayHaveChanged();

    Services services_;
    std::pair<bool, DisplaySet> published_;
    bool pending_ = false;
    Subscriptions subscriptions_;
    Lifetime lifetime_;
};

} // namespace vesperon
