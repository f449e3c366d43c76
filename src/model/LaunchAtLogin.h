#pragma once

#include <iosfwd>

namespace vesperon {

class Autostart;

// Starts Vesperon when the user logs in, or stops doing so. Keeps no state: the autostart
// service's answer is the truth.
class LaunchAtLogin {
public:
    LaunchAtLogin(Autostart& autostart, std::ostream& messages);

    // A failure is reported in one line and otherwise ignored.
    void setEnabled(bool enabled);
    bool isEnabled() const;

private:
    Autostart& autostart_;
    std::ostream& messages_;
};

} // namespace vesperon
