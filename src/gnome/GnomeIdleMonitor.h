#pragma once

#include "core/Subscription.h"
#include "platform/IdleMonitor.h"

namespace vesperon {

class GnomeShellExtension;

// Idle time as GNOME Shell counts it (the shell honours applications' idle inhibitors itself),
// watched through the extension.
class GnomeIdleMonitor : public IdleMonitor {
public:
    explicit GnomeIdleMonitor(GnomeShellExtension& extension);

    bool canTell() const override { return true; }
    void watch(double seconds, std::function<void()> idle) override;
    void stop() override;

private:
    GnomeShellExtension& extension_;
    const double scale_;
    std::function<void()> idle_;
    Subscription fired_;
};

} // namespace vesperon
