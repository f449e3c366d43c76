#pragma once

#include "platform/Notifier.h"

#include <iosfwd>

namespace vesperon {

// A notification through the desktop's notification service (org.freedesktop.Notifications on
// the session bus), never waited for; the same text goes to `messages`, for a terminal or a log
// and for desktops without the service.
class DBusNotifier : public Notifier {
public:
    explicit DBusNotifier(std::ostream& messages) : messages_(messages) {}
    void notify(const std::string& summary, const std::string& body) override;

private:
    std::ostream& messages_;
};

} // namespace vesperon
