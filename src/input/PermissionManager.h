#pragma once

#include "core/Published.h"

#include <memory>
#include <string>

namespace vesperon {

class Application;
class InputAccess;
class RunLoop;
class Timer;

// Knows whether Vesperon may watch system-wide input and publishes it. Polls every 0.5 s while
// the permission is missing and checks again whenever one of the program's windows becomes active.
class PermissionManager : public std::enable_shared_from_this<PermissionManager> {
public:
    struct Services {
        RunLoop& runLoop;
        Application& application;
        InputAccess& access;
    };

    static std::shared_ptr<PermissionManager> create(const Services& services);
    ~PermissionManager();

    // Written only when the answer changes.
    Published<bool> hasAccessibilityPermission{false};

    void checkPermissions();
    void startPermissionMonitoring();
    void openAccessibilitySettings();
    void requestPermission();
    std::string whatIsSeen() const;
    bool seesLitDisplays() const;

    bool isPolling() const;

private:
    explicit PermissionManager(const Services& services);

    Services services_;
    std::shared_ptr<Timer> permissionCheckTimer_;
    Subscription activationObserver_;
};

} // namespace vesperon
