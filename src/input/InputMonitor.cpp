#include "input/InputMonitor.h"

#include "core/EventFlags.h"
#include "core/RunLoop.h"
#include "core/Translation.h"
#include "display/DisplayManager.h"
#include "model/AppState.h"

#include <algorithm>
#include <iostream>

namespace vesperon {

namespace {

bool matches(const KeyCombo& combo, std::uint32_t keyCode, std::uint32_t mask)
{
    return combo.keyCode == keyCode && combo.modifiers == mask;
}

} // namespace

InputMonitor::InputMonitor(const Services& services) : services_(services) {}

InputMonitor::~InputMonitor() { stop(); }

void InputMonitor::start()
{
    if (isRunning_)
        return;
    const bool started = services_.tap.start(lifetime_.guard([this](const InputEvent& event) { handleEvent(event); }));
    if (!started) {
        services_.messages << translated(
            "InputMonitor", "Vesperon: cannot watch input on this desktop, so only the hotkeys wake the displays")
                           << std::endl;
        return;
    }
    isRunning_ = true;
    runningChanged.emit();
    blackoutObserver_ = services_.appState.isBlackoutActive.subscribe([this](bool) { updateTap(); });
    litDisplaysObserver_ = services_.appState.wakeOnLitDisplays.subscribe([this](bool) { updateTap(); });
}

void InputMonitor::stop()
{
    if (isRunning_) {
        blackoutObserver_.cancel();
        litDisplaysObserver_.cancel();
        services_.tap.stop();
        isRunning_ = false;
        runningChanged.emit();
    }
    if (wakeDelayTimer_) {
        wakeDelayTimer_->stop();
        wakeDelayTimer_.reset();
    }
    isWaking_ = false;
}

// Movement matters only while a display is dark or the pointer is followed, and where the pointer
// is only then or while input on lit displays must not wake: the tap need not watch otherwise.
void InputMonitor::updateTap()
{
    const AppState& state = services_.appState;
    services_.tap.setMotionWanted(state.isBlackoutActive.get() || followsPointer_);
    services_.tap.setPositionWanted(!state.wakeOnLitDisplays.get() || followsPointer_);
}

void InputMonitor::followPointer(bool follow)
{
    followsPointer_ = follow;
    if (isRunning_)
        updateTap();
}

void InputMonitor::handleEvent(const InputEvent& event)
{
    using Type = InputEvent::Type;
    seen.emit(event);
    const AppState& state = services_.appState;
    if (!state.userBlackoutActive())
        return; // displays at rest light by the pointer's return alone
    const bool key = event.type == Type::keyDown || event.type == Type::keyUp;
    if (!key && event.position && !state.wakeOnLitDisplays.get() && !isOverDarkDisplay(*event.position))
        return; // the user works on a lit display
    switch (event.type) {
    case Type::leftMouseDown:
    case Type::rightMouseDown:
    case Type::scrollWheel:
        triggerWake();
        break;
    case Type::keyDown:
    case Type::keyUp:
        handleKeyEvent(event, event.type == Type::keyDown);
        break;
    case Type::mouseMoved:
        if (!state.ignoreMouseMovement.get())
            triggerWake();
        break;
    }
}

void InputMonitor::handleKeyEvent(const InputEvent& event, bool isKeyDown)
{
    // The way out that always works, on key-up too: no delay, no wake-key or hotkey test.
    if (event.keyCode == safetyKeyCode && (event.flags & safetyModifiers) == safetyModifiers) {
        wakeSoon();
        return;
    }
    if (isRegisteredHotkey(event.keyCode, event.flags))
        return; // the hotkey does its own job
    if (!isKeyDown)
        return;
    if (shouldWakeForKey(event.keyCode))
        triggerWake();
}

bool InputMonitor::isRegisteredHotkey(std::uint32_t keyCode, std::uint64_t flags) const
{
    const std::uint32_t mask = modifierMaskFromEventFlags(flags);
    const AppState& state = services_.appState;
    if (matches(state.blackoutAllHotkey.get().value_or(KeyCombo::defaultBlackoutAll), keyCode, mask))
        return true;
    for (const auto* map : {&state.displayToggleHotkeys.get(), &state.displayKeepOnlyHotkeys.get()}) {
        for (const auto& [key, combo] : *map) {
            if (matches(combo, keyCode, mask))
                return true;
        }
    }
    return false;
}

bool InputMonitor::isOverDarkDisplay(const Point& position) const
{
    const AppState& state = services_.appState;
    return std::ranges::any_of(state.availableDisplays.get(), [&](const DisplayInfo& display) {
        return state.blackedOutDisplays.get().contains(display.id) && display.frame.contains(position);
    });
}

bool InputMonitor::shouldWakeForKey(std::uint16_t keyCode) const
{
    const WakeKeySet& keys = services_.appState.allowedWakeKeys.get();
    if (keys.contains(WakeKey::anyKey))
        return true;
    if (keys.contains(WakeKey::escape) && keyCode == 53)
        return true;
    if (keys.contains(WakeKey::space) && keyCode == 49)
        return true;
    if (keys.contains(WakeKey::enter))
        return keyCode == 36 || keyCode == 76;
    return false;
}

void InputMonitor::triggerWake()
{
    if (isWaking_)
        return; // a pending delayed wake is neither restarted nor extended
    // The preferences' range, whatever a hand-edited file says; NaN counts as no delay.
    const double stored = services_.appState.wakeDelay.get();
    const double delay = stored > 0 ? std::min(stored, 5.0) : 0.0;
    if (delay <= 0) {
        wakeSoon();
        return;
    }
    isWaking_ = true;
    if (wakeDelayTimer_)
        wakeDelayTimer_->stop();
    wakeDelayTimer_ = services_.runLoop.startTimer(delay, false, lifetime_.guard([this]() {
        services_.runLoop.post(lifetime_.guard([this]() {
            services_.displayManager.wakeAll();
            isWaking_ = false;
        }));
    }));
}

void InputMonitor::wakeSoon()
{
    services_.runLoop.post(lifetime_.guard([this]() { services_.displayManager.wakeAll(); }));
}

} // namespace vesperon
