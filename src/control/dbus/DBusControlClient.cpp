#include "control/dbus/DBusControlClient.h"

#include "control/dbus/ControlBus.h"
#include "control/dbus/FreedesktopApplication.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QEventLoop>
#include <QTimer>

#include <ostream>
#include <utility>

namespace vesperon {

namespace {

constexpr int quitMilliseconds = 5000;
const QString connectionName = QStringLiteral("vesperon-client");

} // namespace

DBusControlClient::DBusControlClient(std::ostream& out, std::ostream& errors) : out_(out), errors_(errors) {}

// Closed before the program's statics go: a message still arriving must not find them gone.
DBusControlClient::~DBusControlClient()
{
    if (std::exchange(connection_, std::nullopt))
        QDBusConnection::disconnectFromBus(connectionName);
}

DBusControlClient::Status DBusControlClient::run(const CommandLine& line)
{
    if (const Status status = connect(); status != done)
        return status;
    for (const ControlCommand& command : line.commands) {
        if (const Status status = perform(command, line.json); status != done)
            return status;
    }
    return done;
}

void DBusControlClient::activate(const std::string& activationToken, const std::string& startupId)
{
    if (connect() == done)
        call(FreedesktopApplication::interface(), QStringLiteral("Activate"),
            {FreedesktopApplication::platformData(activationToken, startupId)});
}

DBusControlClient::Status DBusControlClient::connect()
{
    if (connection_)
        return done;
    const auto address = ControlBus::address();
    if (!address)
        //: An error of a command to the running Vesperon; DBUS_SESSION_BUS_ADDRESS is the environment variable.
        return fail(noSessionBus,
            QCoreApplication::translate("DBusControlClient",
                "there is no D-Bus session bus (DBUS_SESSION_BUS_ADDRESS is not set), so Vesperon cannot be reached"));
    ControlBus::registerTypes();
    QDBusConnection connection = QDBusConnection::connectToBus(*address, connectionName);
    if (!connection.isConnected()) {
        const QString why = connection.lastError().message();
        QDBusConnection::disconnectFromBus(connectionName);
        //: An error of a command to the running Vesperon; %1 is the bus's own error message.
        return fail(noSessionBus,
            QCoreApplication::translate("DBusControlClient", "cannot connect to the D-Bus session bus: %1").arg(why));
    }
    connection_ = connection;
    return done;
}

DBusControlClient::Status DBusControlClient::perform(const ControlCommand& command, bool json)
{
    using Action = ControlCommand::Action;
    if (command.action == Action::status || command.action == Action::listDisplays)
        return report(command.action == Action::status, json);
    QVariantList arguments;
    if (ControlCommand::needsDisplay(command.action))
        arguments.append(QString::fromStdString(command.display));
    if (command.action == Action::setDimLevel)
        arguments.append(command.level);
    if (command.action == Action::setIdleMinutes)
        arguments.append(static_cast<uint>(command.minutes));
    if (command.action == Action::setIdleScope)
        arguments.append(QString::fromStdString(command.scope));
    const bool quitting = command.action == Action::quit;
    if (!call(ControlBus::interface(), ControlBus::method(command.action), arguments)
        && !(quitting && failure_ == done))
        return failure_;
    return quitting ? waitUntilGone() : done;
}

DBusControlClient::Status DBusControlClient::report(bool withSummary, bool json)
{
    const auto displays = call(ControlBus::interface(), ControlBus::method(ControlCommand::Action::listDisplays));
    if (!displays)
        return failure_;
    const auto active = call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
        {ControlBus::interface(), QStringLiteral("Active")});
    if (!active)
        return failure_;
    StatusReport status;
    status.active = qdbus_cast<QDBusVariant>(active->arguments().value(0)).variant().toBool();
    for (const QVariantMap& map : qdbus_cast<QList<QVariantMap>>(displays->arguments().value(0)))
        status.displays.push_back(ControlBus::fromMap(map));
    out_ << (json ? status.json(withSummary) : status.text(withSummary)) << std::flush;
    return done;
}

// A script that quits Vesperon and starts it again must find the old one gone.
DBusControlClient::Status DBusControlClient::waitUntilGone()
{
    QDBusServiceWatcher watcher(ControlBus::service(), *connection_, QDBusServiceWatcher::WatchForUnregistration);
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceUnregistered, &loop, &QEventLoop::quit);
    QTimer::singleShot(quitMilliseconds, &loop, &QEventLoop::quit);
    if (connection_->interface()->isServiceRegistered(ControlBus::service()))
        loop.exec();
    if (connection_->interface()->isServiceRegistered(ControlBus::service()))
        //: An error of --quit; %1 is a number of seconds.
        return fail(notRunning,
            QCoreApplication::translate("DBusControlClient", "Vesperon did not quit within %1 s")
                .arg(quitMilliseconds / 1000));
    return done;
}

std::optional<QDBusMessage> DBusControlClient::call(
    const QString& interface, const QString& method, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(ControlBus::service(), ControlBus::path(), interface, method);
    message.setArguments(arguments);
    message.setAutoStartService(false); // a command never starts Vesperon
    const QDBusMessage reply = connection_->call(message, QDBus::Block, ControlBus::callTimeoutMilliseconds);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return reply;

    const QString error = reply.errorName();
    if (error == ControlBus::unknownDisplayError()) {
        failure_ = fail(badUsage, reply.errorMessage());
    } else if (error == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
        || error == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
        //: An error of a command when Vesperon is not running; 'vesperon' is the command, typed as it is.
        failure_ = fail(notRunning,
            QCoreApplication::translate(
                "DBusControlClient", "Vesperon is not running; start it with 'vesperon' or from the application menu"));
    } else if (method == ControlBus::method(ControlCommand::Action::quit)
        && error == QLatin1String("org.freedesktop.DBus.Error.NoReply")) {
        failure_ = done; // it may leave before its answer does
    } else {
        //: An error of a command to the running Vesperon; %1 is the D-Bus error message.
        failure_ = fail(notRunning,
            QCoreApplication::translate("DBusControlClient", "Vesperon did not answer: %1").arg(reply.errorMessage()));
    }
    return std::nullopt;
}

DBusControlClient::Status DBusControlClient::fail(Status status, const QString& reason)
{
    errors_ << "vesperon: " << reason.toStdString() << std::endl;
    return status;
}

} // namespace vesperon
