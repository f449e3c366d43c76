#pragma once

namespace vesperon {

// The application object: how the program ends.
class ApplicationService {
public:
    virtual ~ApplicationService() = default;
    // Runs the termination sequence, then ends the event loop with status 0.
    virtual void terminate() = 0;
};

} // namespace vesperon
