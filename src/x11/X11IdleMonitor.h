#pragma once

#include "platform/IdleMonitor.h"

#include <chrono>
#include <memory>

class QTimer;

namespace vesperon {

class XcbConnection;

// Idle time from the screen-saver extension's counter of the time since the last input. It asks
// the server only when the time watched for could have run out, so a watch costs one question
// per idle period while the user works, and nothing in between.
class X11IdleMonitor : public IdleMonitor {
public:
    // `connection` may be null (no server): idle time cannot be told then. Watched times are
    // scaled by idleTestScale().
    explicit X11IdleMonitor(std::unique_ptr<XcbConnection> connection);
    ~X11IdleMonitor() override;

    bool canTell() const override { return offered_; }
    void watch(double seconds, std::function<void()> idle) override;
    void stop() override;
    std::optional<Point> pointerPosition() const override;
    double timeScale() const override { return scale_; }

private:
    using Clock = std::chrono::steady_clock;
    // The server's idle time, or nothing when it does not answer.
    std::optional<std::chrono::milliseconds> serverIdleTime() const;
    void check();

    std::unique_ptr<XcbConnection> connection_;
    std::unique_ptr<QTimer> timer_;
    bool offered_ = false;
    double scale_ = 1.0;
    Clock::duration period_{};
    Clock::time_point watchedSince_;
    std::function<void()> idle_;
};

} // namespace vesperon
