#include "control/dbus/DBusControlServer.h"

#include "control/ControlService.h"
#include "control/dbus/ControlBus.h"
#include "control/dbus/FreedesktopApplication.h"
#include "model/AppState.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>

#include <ostream>
#include <unistd.h>
#include <variant>

namespace vesperon {

namespace {

const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString introspectableInterface = QStringLiteral("org.freedesktop.DBus.Introspectable");

constexpr const char* standardInterfaces = R"(<interface name="org.freedesktop.DBus.Introspectable">
  <method name="Introspect"><arg name="xml" type="s" direction="out"/></method>
</interface>
<interface name="org.freedesktop.DBus.Properties">
  <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
  <method name="GetAll"><arg type="s" direction="in"/><arg type="a{sv}" direction="out"/></method>
  <signal name="PropertiesChanged"><arg type="s"/><arg type="a{sv}"/><arg type="as"/></signal>
</interface>
)";

} // namespace

DBusControlServer::DBusControlServer(
    ControlService& service, std::ostream& messages, std::function<void(const std::string&)> launchDone)
    : service_(service)
    , messages_(messages)
    , launchDone_(std::move(launchDone))
{
}

DBusControlServer::~DBusControlServer()
{
    if (connection_) {
        connection_->unregisterObject(ControlBus::path());
        connection_->unregisterService(ControlBus::service());
    }
}

bool DBusControlServer::start()
{
    const auto address = ControlBus::address();
    if (!address) {
        //: Said at start; 'vesperon --toggle' is a command, typed as it is.
        messages_ << "Vesperon: "
                  << QCoreApplication::translate("DBusControlServer",
                         "no D-Bus session bus; commands such as 'vesperon --toggle' cannot reach it")
                         .toStdString()
                  << std::endl;
        return false;
    }
    ControlBus::registerTypes();
    QDBusConnection connection = QDBusConnection::connectToBus(*address, ControlBus::connectionName());
    if (!connection.isConnected()) {
        //: Said at start; %1 is the bus's own error message.
        messages_ << "Vesperon: "
                  << QCoreApplication::translate("DBusControlServer", "cannot connect to the session bus: %1")
                         .arg(connection.lastError().message())
                         .toStdString()
                  << std::endl;
        return false;
    }
    if (!connection.registerVirtualObject(ControlBus::path(), this)
        || !connection.registerService(ControlBus::service())) {
        //: Said at start; %1 is Vesperon's name on the bus, io.github.vesperon.Vesperon.
        messages_ << "Vesperon: "
                  << QCoreApplication::translate("DBusControlServer",
                         "another program holds %1 on the session bus; commands go to it, not to this Vesperon")
                         .arg(ControlBus::service())
                         .toStdString()
                  << std::endl;
        connection.unregisterObject(ControlBus::path());
        return false;
    }
    connection_ = connection;
    stateObserver_ = service_.stateChanged.connect([this] { announceState(); });
    return true;
}

QString DBusControlServer::introspect(const QString&) const
{
    return ControlBus::introspection(ControlBus::interface())
        + ControlBus::introspection(FreedesktopApplication::interface());
}

bool DBusControlServer::handleMessage(const QDBusMessage& call, const QDBusConnection& connection)
{
    if (call.type() != QDBusMessage::MethodCallMessage)
        return false;
    if (!isOwnUser(call))
        //: A D-Bus error's message, to a program of another user.
        return connection.send(call.createErrorReply(QDBusError::AccessDenied,
            QCoreApplication::translate("DBusControlServer", "Vesperon serves its own user only")));
    return connection.send(answer(call));
}

QDBusMessage DBusControlServer::answer(const QDBusMessage& call)
{
    if (call.interface() == propertiesInterface)
        return answerProperties(call);
    if (call.interface() == introspectableInterface && call.member() == QLatin1String("Introspect")) {
        return call.createReply(QStringLiteral("<node>\n") + QString::fromLatin1(standardInterfaces)
            + introspect(call.path()) + QStringLiteral("</node>\n"));
    }
    if (call.interface() == FreedesktopApplication::interface())
        return answerLauncher(call);
    const auto action = ControlBus::action(call.member());
    if (!action || (!call.interface().isEmpty() && call.interface() != ControlBus::interface()))
        //: A D-Bus error's message; %1 is the name of the method called.
        return call.createErrorReply(QDBusError::UnknownMethod,
            QCoreApplication::translate("DBusControlServer", "No method %1").arg(call.member()));

    const bool needsDisplay = ControlCommand::needsDisplay(*action);
    const bool needsLevel = *action == ControlCommand::Action::setDimLevel;
    const bool needsMinutes = *action == ControlCommand::Action::setIdleMinutes;
    const bool needsScope = *action == ControlCommand::Action::setIdleScope;
    const QString signature = needsDisplay || needsScope ? QStringLiteral("s")
        : needsLevel                                     ? QStringLiteral("d")
        : needsMinutes                                   ? QStringLiteral("u")
                                                         : QString();
    if (call.signature() != signature)
        //: A D-Bus error's message; %1 is the name of the method called.
        return call.createErrorReply(QDBusError::InvalidArgs,
            QCoreApplication::translate("DBusControlServer", "Wrong arguments for %1").arg(call.member()));
    const double level = needsLevel ? call.arguments().at(0).toDouble() : 1.0;
    if (!(level >= 0.5 && level <= 1.0))
        //: A D-Bus error's message, to a call of SetDimLevel.
        return call.createErrorReply(QDBusError::InvalidArgs,
            QCoreApplication::translate("DBusControlServer", "The dim level is from 0.5 to 1"));
    const uint minutes = needsMinutes ? call.arguments().at(0).toUInt() : 0;
    if (minutes > 120)
        //: A D-Bus error's message, to a call of SetIdleMinutes.
        return call.createErrorReply(QDBusError::InvalidArgs,
            QCoreApplication::translate("DBusControlServer", "The idle minutes are from 0 (never) to 120"));
    const std::string scope = needsScope ? call.arguments().at(0).toString().toStdString() : std::string();
    if (needsScope && !idleScopeFromName(scope))
        //: A D-Bus error's message, to a call of SetIdleScope; the names are typed as they are.
        return call.createErrorReply(QDBusError::InvalidArgs,
            QCoreApplication::translate("DBusControlServer", "The idle scope is all, allButPointer or eachDisplay"));
    if (*action == ControlCommand::Action::listDisplays) {
        QList<QVariantMap> displays;
        for (const DisplayReport& display : service_.status().displays)
            displays.append(ControlBus::toMap(display));
        return call.createReply(QVariant::fromValue(displays));
    }
    const std::string display = needsDisplay ? call.arguments().at(0).toString().toStdString() : std::string();
    if (const auto refused = service_.perform({*action, display, level, static_cast<int>(minutes), {}, scope}))
        return call.createErrorReply(ControlBus::unknownDisplayError(), QString::fromStdString(*refused));
    return call.createReply();
}

QDBusMessage DBusControlServer::answerLauncher(const QDBusMessage& call)
{
    const auto asked = FreedesktopApplication::command(call);
    if (const auto* refusal = std::get_if<FreedesktopApplication::Refusal>(&asked))
        return call.createErrorReply(refusal->error, refusal->message);
    const ControlCommand& command = std::get<ControlCommand>(asked);
    if (const auto refused = service_.perform(command))
        return call.createErrorReply(ControlBus::unknownDisplayError(), QString::fromStdString(*refused));
    if (command.action != ControlCommand::Action::showPreferences && !command.activationToken.empty() && launchDone_)
        launchDone_(command.activationToken);
    return call.createReply();
}

QDBusMessage DBusControlServer::answerProperties(const QDBusMessage& call)
{
    const QList<QVariant> arguments = call.arguments();
    const QString asked = arguments.value(0).toString();
    if (asked != ControlBus::interface())
        //: A D-Bus error's message; %1 is the name of the interface asked for.
        return call.createErrorReply(QDBusError::UnknownInterface,
            QCoreApplication::translate("DBusControlServer", "No interface %1").arg(asked));
    const QVariantMap properties = state();
    if (call.member() == QLatin1String("GetAll") && arguments.size() == 1)
        return call.createReply(properties);
    const QString name = arguments.value(1).toString();
    if (call.member() == QLatin1String("Get") && arguments.size() == 2 && properties.contains(name))
        return call.createReply(QVariant::fromValue(QDBusVariant(properties.value(name))));
    if (call.member() == QLatin1String("Set"))
        //: A D-Bus error's message, to a program that tried to set Vesperon's state properties.
        return call.createErrorReply(
            QDBusError::PropertyReadOnly, QCoreApplication::translate("DBusControlServer", "The state is read-only"));
    //: A D-Bus error's message; %1 is the name of the property asked for.
    return call.createErrorReply(
        QDBusError::UnknownProperty, QCoreApplication::translate("DBusControlServer", "No property %1").arg(name));
}

QVariantMap DBusControlServer::state() const
{
    const StatusReport status = service_.status();
    QList<uint> dark;
    for (const DisplayReport& display : status.displays)
        if (display.dark)
            dark.append(display.id);
    return {{QStringLiteral("Active"), status.active}, {QStringLiteral("DarkDisplays"), QVariant::fromValue(dark)}};
}

bool DBusControlServer::isOwnUser(const QDBusMessage& call) const
{
    const QDBusReply<uint> uid = connection_->interface()->serviceUid(call.service());
    return uid.isValid() && uid.value() == getuid();
}

void DBusControlServer::announceState()
{
    QDBusMessage signal
        = QDBusMessage::createSignal(ControlBus::path(), propertiesInterface, QStringLiteral("PropertiesChanged"));
    signal << ControlBus::interface() << state() << QStringList();
    connection_->send(signal);
}

} // namespace vesperon
