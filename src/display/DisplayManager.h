#pragma once

#include "core/Lifetime.h"
#include "core/Subscription.h"
#include "display/BlackoutWindow.h"

#include <map>
#include <memory>

namespace vesperon {

class AppState;
class BlackWindowFactory;
class RunLoop;
class ScreenSource;

// Keeps one black window per blacked-out display in step with AppState, follows screen changes,
// and is the one entry point for every blackout and wake command.
class DisplayManager {
public:
    struct Services {
        AppState& appState;
        RunLoop& runLoop;
        BlackWindowFactory& windows;
        ScreenSource& screens;
    };

    // Observes screen changes at once and the blackout set from the next run-loop turn.
    explicit DisplayManager(const Services& services);
    ~DisplayManager();

    void blackoutAll();
    void blackoutDisplay(DisplayId id);
    void wakeDisplay(DisplayId id);
    void blackoutAllExcept(DisplayId id);
    void wakeAll();
    void toggleBlackout();
    // Wakes the display when it is dark, else blacks it out.
    void toggleDisplay(DisplayId id);
    // A display goes dark by its own idleness, or lights as the pointer returns to it.
    void rest(DisplayId id);
    void stopResting(DisplayId id);

    // The screen configuration changed: refresh the display list, drop vanished displays from the
    // blackout set and move the remaining windows onto their displays' new frames.
    void displaysChanged();

    const std::map<DisplayId, std::unique_ptr<BlackoutWindow>>& blackoutWindows() const { return blackoutWindows_; }

private:
    void setupStateObserver();
    void updateBlackoutWindows(const DisplaySet& requested);
    void updateBlackoutWindowFrames();

    Services services_;
    std::map<DisplayId, std::unique_ptr<BlackoutWindow>> blackoutWindows_;
    Subscription screenObserver_;
    Subscriptions subscriptions_;
    Lifetime lifetime_;
};

} // namespace vesperon
