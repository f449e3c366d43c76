#include "control/ControlService.h"

#include "core/RunLoop.h"
#include "core/Translation.h"
#include "display/DisplayManager.h"
#include "model/AppState.h"

namespace vesperon {

using Action = ControlCommand::Action;

ControlService::ControlService(Services services) : services_(std::move(services)) { observeState(); }

void ControlService::observeState()
{
    const AppState& state = services_.appState;
    published_ = {state.isBlackoutActive.get(), state.blackedOutDisplays.get()};
    auto changed = [this](const auto&) { stateMayHaveChanged(); };
    subscriptions_.push_back(state.isBlackoutActive.subscribe(changed));
    subscriptions_.push_back(state.blackedOutDisplays.subscribe(changed));
}

// A wake sets the display set and the flag one after the other: listeners hear of both at once.
void ControlService::stateMayHaveChanged()
{
    if (std::exchange(pending_, true))
        return;
    services_.runLoop.post(lifetime_.guard([this] {
        pending_ = false;
        const AppState& state = services_.appState;
        auto now = std::make_pair(state.isBlackoutActive.get(), state.blackedOutDisplays.get());
        if (now != published_) {
            published_ = std::move(now);
            stateChanged.emit();
        }
    }));
}

std::optional<std::string> ControlService::perform(const ControlCommand& command)
{
    DisplayId id = 0;
    if (ControlCommand::needsDisplay(command.action)) {
        const StatusReport report = status();
        const auto found = report.find(command.display);
        if (!found)
            //: A command named a monitor that is not there. %1 is the name as given, %2 the list of monitors, such as
            //: "1 DELL U2720Q (DP-1), 2 HDMI-1".
            return substitute(translated("ControlService", "no display \"%1\"; the displays are: %2"),
                {command.display, report.describeDisplays()});
        id = *found;
    }
    DisplayManager& displays = services_.displays;
    switch (command.action) {
    case Action::blackoutAll:
        displays.blackoutAll();
        break;
    case Action::wakeAll:
        displays.wakeAll();
        break;
    case Action::toggle:
        displays.toggleBlackout();
        break;
    case Action::blackoutDisplay:
        displays.blackoutDisplay(id);
        break;
    case Action::wakeDisplay:
        displays.wakeDisplay(id);
        break;
    case Action::toggleDisplay:
        displays.toggleDisplay(id);
        break;
    case Action::keepOnly:
        displays.blackoutAllExcept(id);
        break;
    case Action::showPreferences:
        services_.showPreferences(command.activationToken);
        break;
    case Action::setDimLevel:
        services_.appState.blackoutOpacity.set(command.level);
        break;
    case Action::setIdleMinutes:
        services_.appState.idleBlackoutMinutes.set(command.minutes);
        break;
    case Action::setIdleScope:
        services_.appState.idleBlackoutScope.set(idleScopeFromName(command.scope).value_or(IdleScope::all));
        break;
    // On a later turn, so that the caller hears back first.
    case Action::quit:
        services_.runLoop.post(services_.quit);
        break;
    case Action::status:
    case Action::listDisplays:
        break;
    }
    return std::nullopt;
}

StatusReport ControlService::status() const
{
    const AppState& state = services_.appState;
    StatusReport report{state.isBlackoutActive.get(), {}};
    for (const DisplayInfo& display : state.availableDisplays.get()) {
        report.displays.push_back({display.id, display.connector, display.displayName(), display.frame,
            display.isPrimary, state.blackedOutDisplays.get().contains(display.id)});
    }
    return report;
}

} // namespace vesperon
