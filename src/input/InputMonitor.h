#pragma once

#include "core/Lifetime.h"
#include "core/Signal.h"
#include "core/Subscription.h"
#include "platform/InputTap.h"

#include <iosfwd>
#include <memory>

namespace vesperon {

class AppState;
class DisplayManager;
class RunLoop;
class Timer;

// Watches system-wide input while the permission allows and wakes every display when the user comes
// back during a blackout: a click or scroll always, mouse movement unless ignored, an allowed key
// that is not a hotkey, after the wake delay; Control + Super + Escape always wakes at once.
class InputMonitor {
public:
    static constexpr std::uint64_t safetyModifiers = 0x140000; // Control + Super
    static constexpr std::uint16_t safetyKeyCode = 53; // Escape

    struct Services {
        AppState& appState;
        RunLoop& runLoop;
        InputTap& tap;
        DisplayManager& displayManager;
        std::ostream& messages;
    };

    explicit InputMonitor(const Services& services);
    ~InputMonitor();

    void start();
    // Stops watching and cancels a pending delayed wake.
    void stop();

    bool isRunning() const { return isRunning_; }
    bool isWaking() const { return isWaking_; }

    // What the tap delivers; public so that the decision can be driven directly.
    void handleEvent(const InputEvent& event);

    // Every input with where the pointer was, also while nothing is dark, for as long as someone
    // follows the pointer (the idle rule for each display on its own).
    void followPointer(bool follow);
    Signal<InputEvent> seen;
    // It began or ended watching.
    Signal<> runningChanged;

private:
    void handleKeyEvent(const InputEvent& event, bool isKeyDown);
    bool isRegisteredHotkey(std::uint32_t keyCode, std::uint64_t flags) const;
    bool shouldWakeForKey(std::uint16_t keyCode) const;
    bool isOverDarkDisplay(const Point& position) const;
    void triggerWake();
    void wakeSoon();
    void updateTap();

    Services services_;
    bool isRunning_ = false;
    std::shared_ptr<Timer> wakeDelayTimer_;
    bool isWaking_ = false;
    bool followsPointer_ = false;
    Subscription blackoutObserver_;
    Subscription litDisplaysObserver_;
    Lifetime lifetime_;
};

} // namespace vesperon
