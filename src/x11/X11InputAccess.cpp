#include "x11/X11InputAccess.h"

#include "core/Translation.h"
#include "x11/X11InputTap.h"
#include "x11/XcbConnection.h"

#include <iostream>
#include <utility>

namespace vesperon {

bool X11InputAccess::isGranted() const
{
    // Asking announces an XInput version, which is per connection: the one the tap announces too.
    return connection_ && X11InputTap::offersRawInput(connection_->get());
}

void X11InputAccess::explain()
{
    if (std::exchange(explained_, true))
        return;
    std::cout << translated("InputAccess",
        "Vesperon: this X server does not offer XInput 2.1, which Vesperon needs to see input; "
        "waking by input stays off until it does")
              << std::endl;
}

std::string X11InputAccess::whatIsSeen() const
{
    const std::string seen = InputAccess::whatIsSeen();
    //: what Vesperon sees of input (%1), then what this desktop keeps from it (%2)
    return limits_.empty() ? seen : substitute(translated("InputAccess", "%1. %2"), {seen, limits_});
}

} // namespace vesperon
