#pragma once

#include "core/Translation.h"

#include <string>

namespace vesperon {

// Whether Vesperon can watch input system-wide on this desktop, and how the user gets there.
class InputAccess {
public:
    virtual ~InputAccess() = default;
    // Answers without side effects.
    virtual bool isGranted() const = 0;
    // Asks the desktop to grant access where it has a way to ask; X11 has none.
    virtual void request() = 0;
    // Tells the user what is missing and where to grant it.
    virtual void explain() = 0;
    // What Vesperon sees of the user's input on this desktop, in a line for the preferences.
    virtual std::string whatIsSeen() const
    {
        return translated("InputAccess", "Keys, clicks and pointer movement, to wake the displays");
    }
    // Whether input on lit displays is seen at all (not on Wayland: only over Vesperon's windows).
    virtual bool seesLitDisplays() const { return true; }
};

} // namespace vesperon
