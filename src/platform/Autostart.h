#pragma once

#include <optional>
#include <string>

namespace vesperon {

// Starting the program when the user logs in.
class Autostart {
public:
    virtual ~Autostart() = default;
    // Nothing on success, otherwise what went wrong.
    virtual std::optional<std::string> enable() = 0;
    virtual std::optional<std::string> disable() = 0;
    virtual bool isEnabled() const = 0;
};

} // namespace vesperon
