#pragma once

#include <optional>
#include <string>

namespace vesperon {

// Starting the program when the user logs in.
class LoginItemService {
public:
    virtual ~LoginItemService() = default;
    // Nothing on success, otherwise a description of what went wrong.
    virtual std::optional<std::string> registerItem() = 0;
    virtual std::optional<std::string> unregisterItem() = 0;
    virtual bool isRegistered() const = 0;
};

} // namespace vesperon
