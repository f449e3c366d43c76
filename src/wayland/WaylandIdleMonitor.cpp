#include "wayland/WaylandIdleMonitor.h"

#include "desktop/IdleTestScale.h"
#include "wayland/WaylandConnection.h"
#include "wayland/WaylandProtocols.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vesperon {

namespace {

const ext_idle_notification_v1_listener notificationListener{
    [](void* data, ext_idle_notification_v1*) { static_cast<WaylandIdleMonitor*>(data)->idled(); },
    [](void*, ext_idle_notification_v1*) {},
};

const org_kde_kwin_idle_timeout_listener kdeTimeoutListener{
    [](void* data, org_kde_kwin_idle_timeout*) { static_cast<WaylandIdleMonitor*>(data)->idled(); },
    [](void*, org_kde_kwin_idle_timeout*) {},
};

} // namespace

WaylandIdleMonitor::WaylandIdleMonitor(WaylandConnection& connection) : connection_(connection), scale_(idleTestScale())
{
}

WaylandIdleMonitor::~WaylandIdleMonitor() { stop(); }

bool WaylandIdleMonitor::canTell() const
{
    return connection_.seat() && (connection_.idleNotifier() || connection_.kdeIdle());
}

void WaylandIdleMonitor::watch(double seconds, std::function<void()> idle)
{
    stop();
    wl_seat* seat = connection_.seat();
    if (!canTell())
        return;
    // A new notification counts from now, whatever input came before.
    const auto timeout = static_cast<std::uint32_t>(std::clamp(std::lround(seconds * scale_ * 1000), 1L, 0x7fffffffL));
    if (connection_.idleNotifier()) {
        notification_ = ext_idle_notifier_v1_get_idle_notification(connection_.idleNotifier(), timeout, seat);
        ext_idle_notification_v1_add_listener(notification_, &notificationListener, this);
    } else {
        kdeTimeout_ = org_kde_kwin_idle_get_idle_timeout(connection_.kdeIdle(), seat, timeout);
        org_kde_kwin_idle_timeout_add_listener(kdeTimeout_, &kdeTimeoutListener, this);
    }
    idle_ = std::move(idle);
    connection_.flush();
}

void WaylandIdleMonitor::stop()
{
    if (notification_)
        ext_idle_notification_v1_destroy(std::exchange(notification_, nullptr));
    if (kdeTimeout_)
        org_kde_kwin_idle_timeout_release(std::exchange(kdeTimeout_, nullptr));
    idle_ = nullptr;
    connection_.flush();
}

void WaylandIdleMonitor::idled()
{
    if (idle_)
        std::exchange(idle_, nullptr)();
}

} // namespace vesperon
