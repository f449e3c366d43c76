#pragma once

#include "core/Subscription.h"
#include "platform/InputTap.h"

#include <string>

namespace vesperon {

class GnomeShellExtension;

// Input as GNOME Shell's extension sees it while a blackout wants it: every key press, click, wheel
// step and movement anywhere, with where the pointer was; all of it still reaches its window.
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
    Subscription key_;
    Subscription returned_;
};

} // namespace vesperon
