#include "input/PermissionManager.h"

#include "platform/AccessibilityTrust.h"
#include "platform/NotificationCenter.h"
#include "platform/PlatformServices.h"
#include "platform/RunLoop.h"
#include "platform/Weak.h"

namespace vesperon {

PermissionManager::PermissionManager(const Services& services) : services_(services) {}

std::shared_ptr<PermissionManager> PermissionManager::create(const Services& services)
{
    std::shared_ptr<PermissionManager> manager(new PermissionManager(services));
    manager->checkPermissions();
    manager->activationObserver_ = services.notifications.addObserver(applicationDidBecomeActive,
        weakly(manager, [](PermissionManager& m) { m.checkPermissions(); }));
    if (!manager->hasAccessibilityPermission.get())
        manager->startPermissionMonitoring();
    return manager;
}

PermissionManager& PermissionManager::shared()
{
    static const std::shared_ptr<PermissionManager> instance = create(Services{
        *platformServices().runLoop, *platformServices().notificationCenter, *platformServices().accessibilityTrust});
    return *instance;
}

PermissionManager::~PermissionManager()
{
    if (permissionCheckTimer_)
        permissionCheckTimer_->invalidate();
}

void PermissionManager::checkPermissions()
{
    const bool trusted = services_.trust.isTrusted();
    if (trusted != hasAccessibilityPermission.get())
        hasAccessibilityPermission.set(trusted);
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
    services_.trust.openSettingsPane();
    startPermissionMonitoring();
}

void PermissionManager::requestPermission()
{
    services_.trust.requestPrompt();
    startPermissionMonitoring();
}

bool PermissionManager::isPolling() const
{
    return permissionCheckTimer_ && permissionCheckTimer_->isValid();
}

} // namespace vesperon
