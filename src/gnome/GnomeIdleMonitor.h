#pragma once

#include "core/Subscription.h"
#include "platform/IdleMonitor.h"

#include <cstdint>

namespace vesperon {

class GnomeShellExtension;

// Idle time as GNOME Shell counts it (the shell honours applications' idle inhibitors itself),
// watched through the extension, which also knows where the pointer is.
class GnomeIdleMonitor : public IdleMonitor {
public:
    explicit GnomeIdleMonitor(GnomeShellExtension& extension);

    bool canTell() const override { return true; }
    void watch(double seconds, std::function<void()> idle) override;
    void stop() override;
    std::optional<Point> pointerPosition() const override;
    double timeScale() const override { return scale_; }

private:
    GnomeShellExtension& extension_;
    const double scale_;
    std::function<void()> idle_;
    std::uint32_t period_ = 0; // ms, as last asked
    Subscription fired_;
    Subscription returned_;
};

} // namespace vesperon
