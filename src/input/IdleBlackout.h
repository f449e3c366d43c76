#pragma once

#include "core/Lifetime.h"
#include "core/Subscription.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace vesperon {

class AppState;
class DisplayManager;
class IdleInhibition;
class IdleMonitor;
class InputMonitor;
class RunLoop;
class Timer;
struct InputEvent;
struct Point;

// Blacks the displays out by themselves once the user has left the input alone for the chosen
// minutes, unless an application keeps the screen awake. The blackout is an ordinary one: it
// wakes, shows and reports as any other. With "each display on its own", where the pointer can be
// followed, each display rests once the pointer has left it (or all input) alone that long, and
// lights again when the pointer comes back to it.
class IdleBlackout {
public:
    struct Services {
        AppState& appState;
        RunLoop& runLoop;
        IdleMonitor& idle;
        IdleInhibition& inhibition;
        DisplayManager& displayManager;
        InputMonitor& input;
    };

    // Watches from the next run-loop turn on.
    explicit IdleBlackout(const Services& services);
    ~IdleBlackout();

    // False when this desktop does not tell how long input has been left alone.
    bool isAvailable() const;
    // Whether the display under the pointer can be told, so as to stay lit.
    bool knowsPointer() const;
    // Whether each display can rest on its own here: the pointer's return to it must be seen.
    bool followsEachDisplay() const;

private:
    void observe();
    // Counts the idle time anew from now, or stops counting when there is nothing to do.
    void rearm();
    void idleTimeRanOut(std::uint64_t generation);
    void decide(std::uint64_t generation, const std::optional<std::string>& holder);
    void blackOut();

    // The rule for each display on its own.
    void restartClocks();
    void seen(const InputEvent& event);
    void armEach();
    void eachTimeRanOut();
    void restDue(const std::optional<std::string>& holder);
    double period() const; // in seconds of the run loop's clock
    bool isDue(std::uint32_t display, double lastActive, double now) const;
    std::optional<std::uint32_t> displayAt(const Point& point) const;

    Services services_;
    std::uint64_t generation_ = 0;
    bool each_ = false;
    bool userBlackout_ = false;
    std::map<std::uint32_t, double> lastActive_; // by display: when the pointer last worked there
    std::optional<std::uint32_t> pointerOn_;
    std::shared_ptr<Timer> eachTimer_;
    Subscription input_;
    Subscriptions subscriptions_;
    Lifetime lifetime_;
};

} // namespace vesperon
