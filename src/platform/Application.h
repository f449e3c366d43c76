#pragma once

#include "core/Signal.h"

namespace vesperon {

// The running program as the desktop sees it.
class Application {
public:
    virtual ~Application() = default;
    // Ends the event loop, so that main returns.
    virtual void quit() = 0;
    // One of the program's windows became the active window.
    Signal<> activated;
};

} // namespace vesperon
