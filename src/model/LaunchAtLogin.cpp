#include "model/LaunchAtLogin.h"

#include "core/Translation.h"
#include "platform/Autostart.h"

#include <ostream>

namespace vesperon {

LaunchAtLogin::LaunchAtLogin(Autostart& autostart, std::ostream& messages) : autostart_(autostart), messages_(messages)
{
}

void LaunchAtLogin::setEnabled(bool enabled)
{
    const auto error = enabled ? autostart_.enable() : autostart_.disable();
    if (error)
        //: %1 says why
        messages_ << substitute(enabled ? translated("LaunchAtLogin", "Failed to enable launch at login: %1")
                                        : translated("LaunchAtLogin", "Failed to disable launch at login: %1"),
            {*error})
                  << std::endl;
}

bool LaunchAtLogin::isEnabled() const { return autostart_.isEnabled(); }

} // namespace vesperon
