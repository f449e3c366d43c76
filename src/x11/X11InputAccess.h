#pragma once

#include "platform/InputAccess.h"

#include <string>
#include <utility>

namespace vesperon {

class XcbConnection;

// On X11 nothing needs granting: Vesperon may watch input when the X server offers XInput 2.1 or
// later, whose raw events arrive whatever other clients grab. There is no prompt to show.
class X11InputAccess : public InputAccess {
public:
    // Asks on the input tap's connection (null: no X server). `limits`: what a user of this desktop
    // should know beyond that, said in the preferences.
    X11InputAccess(XcbConnection* connection, std::string limits) : connection_(connection), limits_(std::move(limits))
    {
    }
    bool isGranted() const override;
    void request() override {}
    // Explains, once, what is missing.
    void explain() override;
    std::string whatIsSeen() const override;

private:
    XcbConnection* connection_;
    std::string limits_;
    bool explained_ = false;
};

} // namespace vesperon
