#include "input/IdleBlackout.h"

#include "display/DisplayManager.h"
#include "model/AppState.h"
#include "platform/IdleMonitor.h"

#include <algorithm>

namespace vesperon {

IdleBlackout::IdleBlackout(const Services& services) : services_(services) { observe(); }

IdleBlackout::~IdleBlackout() { services_.idle.stop(); }

void IdleBlackout::observe()
{
    // Any change of what is dark, of the displays or of the minutes starts the count again.
    const auto rearm = [this](const auto&) { this->rearm(); };
    const AppState& state = services_.appState;
    subscriptions_.push_back(state.idleBlackoutMinutes.subscribeQueued(services_.runLoop, rearm));
    subscriptions_.push_back(state.blackedOutDisplays.subscribeQueued(services_.runLoop, rearm));
    subscriptions_.push_back(state.availableDisplays.subscribeQueued(services_.runLoop, rearm));
}

void IdleBlackout::rearm()
{
    const std::uint64_t generation = ++generation_;
    const AppState& state = services_.appState;
    const int minutes = state.effectiveIdleBlackoutMinutes();
    const bool allDark = std::ranges::all_of(state.availableDisplays.get(),
        [&](const DisplayInfo& display) { return state.blackedOutDisplays.get().contains(display.id); });
    if (minutes == 0 || allDark) {
        services_.idle.stop();
        return;
    }
    services_.idle.watch(minutes * 60.0, lifetime_.guard([this, generation]() { idleTimeRanOut(generation); }));
}

bool IdleBlackout::isAvailable() const { return services_.idle.canTell(); }

bool IdleBlackout::knowsPointer() const { return services_.idle.pointerPosition().has_value(); }

void IdleBlackout::idleTimeRanOut(std::uint64_t generation)
{
    if (generation != generation_)
        return;
    services_.inhibition.check(
        lifetime_.guard([this, generation](const std::optional<std::string>& holder) { decide(generation, holder); }));
}

void IdleBlackout::decide(std::uint64_t generation, const std::optional<std::string>& holder)
{
    if (generation != generation_)
        return; // the user came back, or the settings changed, while the desktop was asked
    services_.appState.idleHeldBy.set(holder);
    if (holder)
        rearm(); // the film plays on: ask again after another idle period
    else
        blackOut();
}

void IdleBlackout::blackOut()
{
    const AppState& state = services_.appState;
    const auto pointer
        = state.idleBlackoutScope.get() == IdleScope::allButPointer ? services_.idle.pointerPosition() : std::nullopt;
    const auto& displays = state.availableDisplays.get();
    const auto lit = pointer
        ? std::ranges::find_if(displays, [&](const DisplayInfo& d) { return d.frame.contains(*pointer); })
        : displays.end();
    if (lit == displays.end()) {
        services_.displayManager.blackoutAll(); // where the pointer is cannot be told: every display
        return;
    }
    for (const DisplayInfo& display : displays)
        if (display.id != lit->id && !state.blackedOutDisplays.get().contains(display.id))
            services_.displayManager.blackoutDisplay(display.id);
}

} // namespace vesperon
