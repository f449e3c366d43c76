#pragma once

#include <string>

namespace vesperon {

// Desktop notifications: a short note the user sees once, outside any window of Vesperon's.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void notify(const std::string& summary, const std::string& body) = 0;
};

} // namespace vesperon
