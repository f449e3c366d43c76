#include "app/LaunchAtLogin.h"

#include "platform/LoginItemService.h"
#include "platform/PlatformServices.h"

#include <iostream>

namespace vesperon {

LaunchAtLogin::LaunchAtLogin(LoginItemService& service, std::ostream& messages) : service_(service), messages_(messages) {}

LaunchAtLogin& LaunchAtLogin::shared()
{
    static LaunchAtLogin instance(*platformServices().loginItems, std::cout);
    return instance;
}

void LaunchAtLogin::setEnabled(bool enabled)
{
    const auto error = enabled ? service_.registerItem() : service_.unregisterItem();
    if (error)
        messages_ << "Failed to " << (enabled ? "enable" : "disable") << " launch at login: " << *error << std::endl;
}

bool LaunchAtLogin::isEnabled() const
{
    return service_.isRegistered();
}

} // namespace vesperon
