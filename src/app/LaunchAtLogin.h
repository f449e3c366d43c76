#pragma once

#include <iosfwd>

namespace vesperon {

class LoginItemService;

// Starts Vesperon when the user logs in, or stops doing so. Keeps no state: the login-item
// service's answer is the truth.
class LaunchAtLogin {
public:
    LaunchAtLogin(LoginItemService& service, std::ostream& messages);
    static LaunchAtLogin& shared();

    // A failure is reported in one line on standard output and otherwise ignored.
    void setEnabled(bool enabled);
    bool isEnabled() const;

private:
    LoginItemService& service_;
    std::ostream& messages_;
};

} // namespace vesperon
