#pragma once

namespace vesperon {

// The application object: how the program ends and comes to the front.
class ApplicationService {
public:
    virtual ~ApplicationService() = default;
    // Runs the termination sequence, then ends the event loop with status 0.
    virtual void terminate() = 0;
    // Brings the program's windows to the front.
    virtual void activate() = 0;
};

} // namespace vesperon
