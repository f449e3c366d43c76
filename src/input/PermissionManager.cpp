#include "input/PermissionManager.h"

#include "core/RunLoop.h"
#include "core/Weak.h"
#include "platform/Application.h"
#include "platform/InputAccess.h"

namespace vesperon {

PermissionManager::PermissionManager(const Services& services) : services_(services) {}

std::shared_ptr<PermissionManager> PermissionManager::create(const Services& services)
{
    std::shared_ptr<PermissionManager> manager(new PermissionManager(services));
    manager->checkPermissions();
    manager->activationObserver_ =
        services.application.activated.connect(weakly(manager, [](PermissionManager& m) { m.checkPermissions(); }));
    if (!manager->hasAccessibilityPermission.get())
        manager->startPermissionMonitoring();
    return manager;
}

PermissionManager::~PermissionManager()
{
    if (permissionCheckTimer_)
        permissionCheckTimer_->invalidate();
}

void PermissionManager::checkPermissions()
{
    const bool granted = services_.access.isGranted();
    if (granted != hasAccessibilityPermission.get())
        hasAccessibilityPermission.set(granted);
}

void PermissionManager::startPermissionMonitoring()
{
    if (permissionCheckTimer_)
        permissionCheckTimer_->invalidate();
    permissionCheckTimer_ = services_.runLoop.scheduleTimer(0.5, true, weakly(shared_from_this(), [](PermissionManager& m) {
        m.checkPermissions();
        if (m.hasAccessibilityPermission.get() && m.permissionCheckTimer_) {
            m.permissionCheckTimer_->invalidate();
            m.permissionCheckTimer_.reset();
        }
    }));
}

void PermissionManager::openAccessibilitySettings()
{
    services_.access.explain();
    startPermissionMonitoring();
}

void PermissionManager::requestPermission()
{
    services_.access.request();
    startPermissionMonitoring();
}

bool PermissionManager::isPolling() const
{
    return permissionCheckTimer_ && permissionCheckTimer_->isValid();
}

bool PermissionManager::seesLitDisplays() const
{
    return services_.access.seesLitDisplays();
}

std::string PermissionManager::whatIsSeen() const
{
    return services_.access.whatIsSeen();
}

} // namespace vesperon
