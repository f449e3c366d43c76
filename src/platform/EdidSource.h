#pragma once

#include "core/Signal.h"

namespace vesperon {

struct ScreenIdentity;

// What a display server reads from each monitor's EDID beyond what Qt reports of it: on KDE's
// Wayland, the serial number.
class EdidSource {
public:
    virtual ~EdidSource() = default;
    // Fills in what is known of the monitor on `identity.connector`; leaves the rest as it is.
    virtual void complete(ScreenIdentity& identity) const = 0;
    // What is known grew or changed.
    Signal<> changed;
};

} // namespace vesperon
