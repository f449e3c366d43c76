#include "platform/x11/X11AccessibilityTrust.h"

#include "platform/x11/X11InputTap.h"

#include <cstdlib>
#include <iostream>
#include <utility>

#include <xcb/xinput.h>

namespace vesperon {

bool X11AccessibilityTrust::isTrusted() const
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    bool trusted = false;
    if (!xcb_connection_has_error(c)) {
        const xcb_query_extension_reply_t* xinput = xcb_get_extension_data(c, &xcb_input_id);
        if (xinput && xinput->present) {
            auto* version = xcb_input_xi_query_version_reply(c,
                xcb_input_xi_query_version(c, X11InputTap::requiredMajor, X11InputTap::requiredMinor), nullptr);
            trusted = version
                && (version->major_version > X11InputTap::requiredMajor
                    || (version->major_version == X11InputTap::requiredMajor
                        && version->minor_version >= X11InputTap::requiredMinor));
            std::free(version);
        }
    }
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
