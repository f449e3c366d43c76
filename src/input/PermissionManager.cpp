#include "input/PermissionManager.h"

#include "platform/InputAccess.h"

namespace vesperon {

PermissionManager::PermissionManager(InputAccess& access)
    : hasAccessibilityPermission(access.isGranted())
    , access_(access)
{
}

void PermissionManager::openAccessibilitySettings() { access_.explain(); }

void PermissionManager::requestPermission() { access_.request(); }

bool PermissionManager::seesLitDisplays() const { return access_.seesLitDisplays(); }

std::string PermissionManager::whatIsSeen() const { return access_.whatIsSeen(); }

} // namespace vesperon
