#include "platform/x11/X11AccessibilityTrust.h"

#include "platform/x11/X11InputTap.h"

#include <iostream>
#include <utility>

namespace vesperon {

bool X11AccessibilityTrust::isTrusted() const
{
    // A connection of its own: asking announces an XInput version, which is per connection.
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const bool trusted = !xcb_connection_has_error(c) && X11InputTap::offersRawInput(c);
    xcb_disconnect(c);
    return trusted;
}

void X11AccessibilityTrust::openSettingsPane()
{
    if (std::exchange(explained_, true))
        return;
    std::cout << "Vesperon: this X server does not offer XInput 2.1, which Vesperon needs to see input; "
                 "waking by input stays off until it does"
              << std::endl;
}

} // namespace vesperon
