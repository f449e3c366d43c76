#pragma once

namespace vesperon {

// The running program as the desktop sees it.
class Application {
public:
    virtual ~Application() = default;
    // Ends the event loop, so that main returns.
    virtual void quit() = 0;
};

} // namespace vesperon
