#pragma once

#include "core/Published.h"

#include <string>

namespace vesperon {

class InputAccess;

// Knows whether Vesperon may watch system-wide input and publishes it. On Linux the answer is
// fixed for the run (the X server's extensions, the compositor's protocols), so it is read once.
class PermissionManager {
public:
    explicit PermissionManager(InputAccess& access);

    const Published<bool> hasAccessibilityPermission;

    void openAccessibilitySettings();
    void requestPermission();
    std::string whatIsSeen() const;
    bool seesLitDisplays() const;

private:
    InputAccess& access_;
};

} // namespace vesperon
