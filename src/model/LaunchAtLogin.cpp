#include "model/LaunchAtLogin.h"

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
        messages_ << "Failed to " << (enabled ? "enable" : "disable") << " launch at login: " << *error << std::endl;
}

bool LaunchAtLogin::isEnabled() const { return autostart_.isEnabled(); }

} // namespace vesperon
