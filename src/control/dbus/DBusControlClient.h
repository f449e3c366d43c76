#pragma once

#include "control/CommandLine.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <iosfwd>
#include <optional>
#include <string>

namespace vesperon {

// The command-line end of the control interface: sends the commands to the running Vesperon over
// the session bus and says what came of them. It never starts Vesperon (no bus activation) and
// never opens the display. Needs a QCoreApplication.
class DBusControlClient {
public:
    // What the program exits with.
    enum Status { done = 0, notRunning = 1, badUsage = 2, noSessionBus = 3 };

    DBusControlClient(std::ostream& out, std::ostream& errors);
    ~DBusControlClient();

    // Runs the commands in order, stopping at the first that fails.
    Status run(const CommandLine& line);
    // Brings the running Vesperon's preferences to the front, passing on the token this process was
    // launched with; quietly does nothing without one.
    void activate(const std::string& activationToken, const std::string& startupId);

private:
    Status connect();
    Status perform(const ControlCommand& command, bool json);
    Status report(bool withSummary, bool json);
    Status waitUntilGone();
    std::optional<QDBusMessage> call(
        const QString& interface, const QString& method, const QVariantList& arguments = {});
    Status fail(Status status, const QString& reason);

    std::ostream& out_;
    std::ostream& errors_;
    std::optional<QDBusConnection> connection_;
    Status failure_ = done; // why the last call returned nothing
};

} // namespace vesperon
