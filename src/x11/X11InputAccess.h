#pragma once

#include "platform/InputAccess.h"

namespace vesperon {

// On X11 nothing needs granting: Vesperon may watch input when the X server offers XInput 2.1 or
// later, whose raw events arrive whatever other clients grab. There is no prompt to show.
class X11InputAccess : public InputAccess {
public:
    bool isGranted() const override;
    void request() override {}
    // Explains, once, what is missing.
    void explain() override;

private:
    bool explained_ = false;
};

} // namespace vesperon
