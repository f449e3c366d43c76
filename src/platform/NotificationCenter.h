#pragma once

#include "platform/Signal.h"

#include <map>
#include <string>

namespace vesperon {

// Named notifications without sender or payload. Observers run synchronously, on the main
// thread, in the order they were added; an observer lasts as long as its subscription.
class NotificationCenter {
public:
    void post(const std::string& name) const;
    [[nodiscard]] Subscription addObserver(const std::string& name, std::function<void()> block);

private:
    std::map<std::string, Signal<>, std::less<>> signals_;
};

} // namespace vesperon
