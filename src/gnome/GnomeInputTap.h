#pragma once

#include "core/Subscription.h"
#include "platform/InputTap.h"

#include <string>

namespace vesperon {

class GnomeShellExtension;

// Input as GNOME Shell's extension sees it: clicks, wheel and movement over the black actors, and,
// while a blackout wants it, the next input anywhere. Keys pressed in a window reach it unchanged,
// and the shell says only that there was one, not which: it arrives as a key without a code, which
// wakes where any key does.
class GnomeInputTap : public InputTap {
public:
    explicit GnomeInputTap(GnomeShellExtension& extension);

    bool start(Handler handler) override;
    void stop() override;
    void setMotionWanted(bool wanted) override;

private:
    void pointer(const std::string& kind, const Point& at);

    GnomeShellExtension& extension_;
    Handler handler_;
    bool motionWanted_ = false;
    Subscription pointer_;
    Subscription active_;
    Subscription returned_;
};

} // namespace vesperon
