#include "app/DisplayServerChoice.h"

#include "x11/X11DisplayServer.h"
#include "x11/X11InstanceClaim.h"
#include "x11/X11ServerLoss.h"

#include <cstdlib>
#include <ostream>

namespace vesperon {

DisplayServerChoice chooseDisplayServer(std::ostream& messages)
{
    // X11 only, so far: under Wayland Vesperon runs through XWayland, and Qt must talk to the
    // same X server as the backend's own connections.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    if (!X11DisplayServer::isReachable()) {
        const char* display = std::getenv("DISPLAY");
        if (display && *display)
            messages << "Vesperon needs an X11 display and cannot connect to \"" << display << "\"." << std::endl;
        else
            messages << "Vesperon needs an X11 display: DISPLAY is not set." << std::endl;
        return {};
    }
    sayOnceWhenTheXServerIsLost();
    return {[] { return std::make_unique<X11InstanceClaim>(); }, [] { return std::make_unique<X11DisplayServer>(); }};
}

} // namespace vesperon
