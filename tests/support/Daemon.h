#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vesperon::testing {

// A server a test process starts for itself (Xvfb, a D-Bus session bus). It reports readiness by
// writing one line, its display number or address, to the descriptor named by "{fd}" in its
// arguments. Ended on destruction, or by the kernel should the test die; the test main stops
// waiting for one that hangs on its way out.
class Daemon {
public:
    Daemon(const std::vector<std::string>& arguments, const std::string& package);
    ~Daemon();
    Daemon(const Daemon&) = delete;
    Daemon& operator=(const Daemon&) = delete;

    const std::string& line() const { return line_; }

private:
    pid_t pid_ = -1;
    std::string line_;
};

// A private session bus that becomes this process's DBUS_SESSION_BUS_ADDRESS; never the user's.
// The services it starts on demand (KDE's shortcut service, dconf) get a home of their own, so
// that they write nothing into the user's.
class SessionBus {
public:
    SessionBus();
    ~SessionBus();
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;
    const std::string& address() const { return daemon_->line(); }
    // Where the test process's bus looks for the service files of programs it may start.
    static std::filesystem::path servicesFolder() { return latest_ / "data/dbus-1/services"; }

private:
    std::string home_;
    static inline std::filesystem::path latest_;
    std::unique_ptr<Daemon> daemon_;
};

} // namespace vesperon::testing
