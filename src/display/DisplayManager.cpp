#include "display/DisplayManager.h"

#include "core/RunLoop.h"
#include "model/AppState.h"
#include "platform/BlackWindow.h"
#include "platform/ScreenSource.h"

#include <algorithm>
#include <iterator>

namespace vesperon {

namespace {

const DisplayInfo* findDisplay(const std::vector<DisplayInfo>& displays, DisplayId id)
{
    auto it = std::ranges::find_if(displays, [id](const DisplayInfo& d) { return d.id == id; });
    return it == displays.end() ? nullptr : &*it;
}

} // namespace

DisplayManager::DisplayManager(const Services& services) : services_(services)
{
    screenObserver_ = services.screens.changed.connect([this] { displaysChanged(); });
    setupStateObserver();
}

DisplayManager::~DisplayManager()
{
    screenObserver_.cancel();
    for (auto& [id, window] : blackoutWindows_)
        window->hide();
    blackoutWindows_.clear();
    services_.windows.commit();
}

void DisplayManager::blackoutAll() { services_.appState.blackoutAll(); }

void DisplayManager::blackoutDisplay(DisplayId id) { services_.appState.blackoutDisplay(id); }

void DisplayManager::wakeDisplay(DisplayId id) { services_.appState.wakeDisplay(id); }

void DisplayManager::blackoutAllExcept(DisplayId id) { services_.appState.blackoutAllExcept(id); }

void DisplayManager::wakeAll() { services_.appState.wakeAll(); }

// Displays at rest are no blackout of the user's: the toggle blacks out every display then.
void DisplayManager::toggleBlackout()
{
    if (services_.appState.userBlackoutActive())
        wakeAll();
    else
        services_.appState.blackoutAll();
}

void DisplayManager::toggleDisplay(DisplayId id)
{
    const AppState& state = services_.appState;
    if (state.blackedOutDisplays.get().contains(id) && !state.restingDisplays.get().contains(id))
        wakeDisplay(id);
    else
        blackoutDisplay(id);
}

void DisplayManager::rest(DisplayId id) { services_.appState.rest(id); }

void DisplayManager::stopResting(DisplayId id) { services_.appState.stopResting(id); }

void DisplayManager::setupStateObserver()
{
    subscriptions_.push_back(services_.appState.blackedOutDisplays.subscribeQueued(
        services_.runLoop, [this](const DisplaySet& set) { updateBlackoutWindows(set); }));
    AppState& state = services_.appState;
    subscriptions_.push_back(state.blackoutOpacity.subscribe([&state, &windows = services_.windows](double) {
        windows.setOpacity(state.effectiveBlackoutOpacity());
        windows.commit();
    }));
}

void DisplayManager::updateBlackoutWindows(const DisplaySet& requested)
{
    std::vector<DisplayId> removals;
    for (const auto& [id, window] : blackoutWindows_) {
        if (!requested.contains(id))
            removals.push_back(id);
    }
    for (DisplayId id : removals) {
        auto node = blackoutWindows_.extract(id);
        node.mapped()->hide();
    }

    for (DisplayId id : requested) {
        if (blackoutWindows_.contains(id))
            continue; // kept dark: neither recreated, re-framed nor raised
        const DisplayInfo* display = findDisplay(services_.appState.availableDisplays.get(), id);
        if (!display)
            continue; // tried again with the next set that still holds it
        auto& window = blackoutWindows_[id] = std::make_unique<BlackoutWindow>(*display, services_.windows);
        window->setFrame(display->frame);
        window->show();
    }
    services_.windows.commit(); // every monitor goes dark (or lit) at once
}

void DisplayManager::displaysChanged()
{
    AppState& state = services_.appState;
    state.availableDisplays.set(DisplayInfo::getAllDisplays(services_.screens));

    DisplaySet kept;
    for (DisplayId id : state.blackedOutDisplays.get()) {
        if (findDisplay(state.availableDisplays.get(), id))
            kept.insert(id);
    }
    if (!std::ranges::includes(kept, state.restingDisplays.get())) {
        DisplaySet resting;
        std::ranges::set_intersection(state.restingDisplays.get(), kept, std::inserter(resting, resting.end()));
        state.restingDisplays.set(std::move(resting));
    }
    if (kept != state.blackedOutDisplays.get()) {
        state.blackedOutDisplays.set(std::move(kept));
        if (state.blackedOutDisplays.get().empty())
            state.isBlackoutActive.set(false); // the last dark monitor went: nothing is blacked out
    }

    updateBlackoutWindowFrames();
}

void DisplayManager::updateBlackoutWindowFrames()
{
    for (auto& [id, window] : blackoutWindows_) {
        if (const DisplayInfo* display = findDisplay(services_.appState.availableDisplays.get(), id))
            window->setFrame(display->frame);
    }
}

} // namespace vesperon
