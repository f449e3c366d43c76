#include "input/IdleBlackout.h"

#include "core/RunLoop.h"
#include "display/DisplayManager.h"
#include "input/InputMonitor.h"
#include "model/AppState.h"
#include "platform/IdleMonitor.h"

#include <algorithm>

namespace vesperon {

IdleBlackout::IdleBlackout(const Services& services) : services_(services) { observe(); }

IdleBlackout::~IdleBlackout()
{
    services_.idle.stop();
    if (eachTimer_)
        eachTimer_->stop();
}

void IdleBlackout::observe()
{
    // Any change of what is dark, of the displays or of the minutes starts the count again.
    const auto rearm = [this](const auto&) { this->rearm(); };
    const AppState& state = services_.appState;
    subscriptions_.push_back(state.idleBlackoutMinutes.subscribeQueued(services_.runLoop, rearm));
    subscriptions_.push_back(state.blackedOutDisplays.subscribeQueued(services_.runLoop, [this](const auto&) {
        // Each display on its own counts on through its displays' rest; a blackout of the user's
        // pauses it, and every display starts afresh once it ends.
        if (!each_)
            return this->rearm();
        const bool user = services_.appState.userBlackoutActive();
        if (std::exchange(userBlackout_, user) && !user)
            restartClocks();
    }));
    subscriptions_.push_back(state.availableDisplays.subscribeQueued(services_.runLoop, rearm));
    subscriptions_.push_back(services_.input.runningChanged.connect(
        [this] { services_.runLoop.post(lifetime_.guard([this] { this->rearm(); })); }));
}

void IdleBlackout::rearm()
{
    const std::uint64_t generation = ++generation_;
    const AppState& state = services_.appState;
    const int minutes = state.effectiveIdleBlackoutMinutes();
    const bool allDark = std::ranges::all_of(state.availableDisplays.get(),
        [&](const DisplayInfo& display) { return state.blackedOutDisplays.get().contains(display.id); });
    const bool each = minutes > 0 && state.idleBlackoutScope.get() == IdleScope::eachDisplay && followsEachDisplay();
    each_ = each;
    services_.input.followPointer(each);
    input_ = each ? services_.input.seen.connect([this](const InputEvent& event) { seen(event); }) : Subscription();
    if (eachTimer_)
        std::exchange(eachTimer_, nullptr)->stop();
    if (each) {
        services_.idle.stop();
        userBlackout_ = state.userBlackoutActive();
        return restartClocks();
    }
    for (const DisplayId id : DisplaySet(state.restingDisplays.get())) // nothing would light them now
        services_.displayManager.stopResting(id);
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
    // Where each display cannot rest on its own, it is as if the pointer's display alone stayed lit.
    const auto pointer
        = state.idleBlackoutScope.get() != IdleScope::all ? services_.idle.pointerPosition() : std::nullopt;
    const auto lit = pointer ? displayAt(*pointer) : std::nullopt;
    if (!lit) {
        services_.displayManager.blackoutAll(); // where the pointer is cannot be told: every display
        return;
    }
    for (const DisplayInfo& display : state.availableDisplays.get())
        if (display.id != *lit && !state.blackedOutDisplays.get().contains(display.id))
            services_.displayManager.blackoutDisplay(display.id);
}

// Only where the pointer's return can be seen: else a display at rest would stay dark.
bool IdleBlackout::followsEachDisplay() const { return services_.input.isRunning() && knowsPointer(); }

std::optional<std::uint32_t> IdleBlackout::displayAt(const Point& point) const
{
    for (const DisplayInfo& display : services_.appState.availableDisplays.get())
        if (display.frame.contains(point))
            return display.id;
    return std::nullopt;
}

void IdleBlackout::restartClocks()
{
    const double now = services_.runLoop.now();
    lastActive_.clear();
    for (const DisplayInfo& display : services_.appState.availableDisplays.get())
        lastActive_[display.id] = now;
    if (const auto pointer = services_.idle.pointerPosition())
        pointerOn_ = displayAt(*pointer);
    armEach();
}

// Input counts for the display the pointer is on; moving onto a display at rest lights it.
void IdleBlackout::seen(const InputEvent& event)
{
    const auto on = event.position ? displayAt(*event.position) : pointerOn_;
    if (!on)
        return;
    pointerOn_ = on;
    lastActive_[*on] = services_.runLoop.now();
    if (services_.appState.restingDisplays.get().contains(*on))
        services_.displayManager.stopResting(*on);
}

double IdleBlackout::period() const
{
    return services_.appState.effectiveIdleBlackoutMinutes() * 60.0 * services_.idle.timeScale();
}

// Lit, and left alone for the whole period by `now`.
bool IdleBlackout::isDue(std::uint32_t display, double lastActive, double now) const
{
    return lastActive + period() <= now && !services_.appState.blackedOutDisplays.get().contains(display);
}

// One timer, for the display whose time runs out first: input only moves the times on, so a
// timer that fires early is simply armed again.
void IdleBlackout::armEach()
{
    if (eachTimer_)
        std::exchange(eachTimer_, nullptr)->stop();
    const AppState& state = services_.appState;
    std::optional<double> first;
    for (const auto& [id, last] : lastActive_)
        if (!state.blackedOutDisplays.get().contains(id))
            first = std::min(first.value_or(last), last);
    if (first)
        *first += period();
    if (first)
        eachTimer_ = services_.runLoop.startTimer(
            std::max(0.0, *first - services_.runLoop.now()), false, lifetime_.guard([this] { eachTimeRanOut(); }));
}

void IdleBlackout::eachTimeRanOut()
{
    eachTimer_.reset();
    const double now = services_.runLoop.now();
    const bool due
        = std::ranges::any_of(lastActive_, [&](const auto& entry) { return isDue(entry.first, entry.second, now); });
    if (!due || services_.appState.userBlackoutActive())
        return armEach();
    services_.inhibition.check(lifetime_.guard([this](const std::optional<std::string>& holder) { restDue(holder); }));
}

// What an application keeps awake waits another period; the rest goes dark, each on its own.
void IdleBlackout::restDue(const std::optional<std::string>& holder)
{
    if (!each_)
        return;
    AppState& state = services_.appState;
    state.idleHeldBy.set(holder);
    const double now = services_.runLoop.now();
    for (auto& [id, last] : lastActive_) {
        if (!isDue(id, last, now))
            continue;
        if (holder)
            last = now;
        else if (!state.userBlackoutActive())
            services_.displayManager.rest(id);
    }
    armEach();
}

} // namespace vesperon
