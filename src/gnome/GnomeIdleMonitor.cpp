#include "gnome/GnomeIdleMonitor.h"

#include "desktop/IdleTestScale.h"
#include "gnome/GnomeShellExtension.h"

#include <algorithm>
#include <cmath>

namespace vesperon {

GnomeIdleMonitor::GnomeIdleMonitor(GnomeShellExtension& extension)
    : extension_(extension)
    , scale_(idleTestScale())
    , fired_(extension.idle.connect([this] {
        if (auto idle = std::exchange(idle_, nullptr))
            idle();
    }))
    , returned_(extension.returned.connect([this] {
        if (idle_)
            extension_.watchIdle(period_);
    }))
{
}

void GnomeIdleMonitor::watch(double seconds, std::function<void()> idle)
{
    idle_ = std::move(idle);
    period_ = static_cast<std::uint32_t>(std::clamp(std::round(seconds * scale_ * 1000), 1.0, double(UINT32_MAX)));
    extension_.watchIdle(period_);
}

void GnomeIdleMonitor::stop()
{
    idle_ = nullptr;
    extension_.watchIdle(0);
}

std::optional<Point> GnomeIdleMonitor::pointerPosition() const { return extension_.pointerPosition(); }

} // namespace vesperon
