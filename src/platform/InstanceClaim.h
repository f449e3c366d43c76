#pragma once

namespace vesperon {

// This process's claim to be the one Vesperon of its display, held until it is destroyed (or the
// process ends, however it ends).
class InstanceClaim {
public:
    virtual ~InstanceClaim() = default;
    // False when another Vesperon holds the display.
    virtual bool isOurs() const = 0;
};

} // namespace vesperon
