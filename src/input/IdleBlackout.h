#pragma once

#include "core/Lifetime.h"
#include "core/Subscription.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vesperon {

class AppState;
class DisplayManager;
class IdleInhibition;
class IdleMonitor;
class RunLoop;

// Blacks the displays out by themselves once the user has left the input alone for the chosen
// minutes, unless an application keeps the screen awake. The blackout is an ordinary one: it
// wakes, shows and reports as any other.
class IdleBlackout {
public:
    struct Services {
        AppState& appState;
        RunLoop& runLoop;
        IdleMonitor& idle;
        IdleInhibition& inhibition;
        DisplayManager& displayManager;
    };

    // Watches from the next run-loop turn on.
    explicit IdleBlackout(const Services& services);
    ~IdleBlackout();

    // False when this desktop does not tell how long input has been left alone.
    bool isAvailable() const;
    // Whether the display under the pointer can be told, so as to stay lit.
    bool knowsPointer() const;

private:
    void observe();
    // Counts the idle time anew from now, or stops counting when there is nothing to do.
    void rearm();
    void idleTimeRanOut(std::uint64_t generation);
    void decide(std::uint64_t generation, const std::optional<std::string>& holder);
    void blackOut();

    Services services_;
    std::uint64_t generation_ = 0;
    Subscriptions subscriptions_;
    Lifetime lifetime_;
};

} // namespace vesperon
