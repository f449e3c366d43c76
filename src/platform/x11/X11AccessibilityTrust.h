#pragma once

#include "platform/AccessibilityTrust.h"

namespace vesperon {

// On X11 nothing needs granting: Vesperon may watch input when the X server offers XInput 2.1 or
// later, whose raw events arrive whatever other clients grab. There is no prompt to show.
class X11AccessibilityTrust : public AccessibilityTrust {
public:
    bool isTrusted() const override;
    void requestPrompt() override {}
    // Explains, once, what is missing.
    void openSettingsPane() override;

private:
    bool explained_ = false;
};

} // namespace vesperon
