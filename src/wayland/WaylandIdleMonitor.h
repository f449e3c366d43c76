#pragma once

#include "platform/IdleMonitor.h"

struct ext_idle_notification_v1;
struct org_kde_kwin_idle_timeout;

namespace vesperon {

class WaylandConnection;

// Idle time from the compositor: the standard idle notifier where offered, else KWin's (also
// wlroots' before 0.17). The compositor holds it back while a client inhibits idling, as a video
// player does. Where the pointer is cannot be told on Wayland.
class WaylandIdleMonitor : public IdleMonitor {
public:
    explicit WaylandIdleMonitor(WaylandConnection& connection);
    ~WaylandIdleMonitor() override;
    WaylandIdleMonitor(const WaylandIdleMonitor&) = delete;
    WaylandIdleMonitor& operator=(const WaylandIdleMonitor&) = delete;

    bool canTell() const override;
    void watch(double seconds, std::function<void()> idle) override;
    void stop() override;

    // The compositor's word that the time ran out.
    void idled();

private:
    WaylandConnection& connection_;
    double scale_;
    ext_idle_notification_v1* notification_ = nullptr;
    org_kde_kwin_idle_timeout* kdeTimeout_ = nullptr;
    std::function<void()> idle_;
};

} // namespace vesperon
