#pragma once

#include "platform/ApplicationService.h"

#include <QObject>

#include <functional>

namespace vesperon {

class NotificationCenter;

// The Qt application: ends the event loop after the termination sequence, and posts
// applicationDidBecomeActive whenever one of the program's windows becomes active.
class QtApplicationService : public QObject, public ApplicationService {
public:
    explicit QtApplicationService(NotificationCenter& notifications);

    // What runs once before the event loop ends.
    void setWillTerminate(std::function<void()> willTerminate) { willTerminate_ = std::move(willTerminate); }

    void terminate() override;

private:
    NotificationCenter& notifications_;
    std::function<void()> willTerminate_;
    bool terminating_ = false;
};

} // namespace vesperon
