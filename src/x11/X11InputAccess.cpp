#include "x11/X11InputAccess.h"

#include "x11/X11InputTap.h"

#include <iostream>
#include <utility>

namespace vesperon {

bool X11InputAccess::isGranted() const
{
    // A connection of its own: asking announces an XInput version, which is per connection.
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const bool granted = !xcb_connection_has_error(c) && X11InputTap::offersRawInput(c);
    xcb_disconnect(c);
    return granted;
}

void X11InputAccess::explain()
{
    if (std::exchange(explained_, true))
        return;
    std::cout << "Vesperon: this X server does not offer XInput 2.1, which Vesperon needs to see input; "
                 "waking by input stays off until it does"
              << std::endl;
}

std::string X11InputAccess::whatIsSeen() const
{
    const std::string seen = InputAccess::whatIsSeen();
    return limits_.empty() ? seen : seen + ". " + limits_;
}

} // namespace vesperon
