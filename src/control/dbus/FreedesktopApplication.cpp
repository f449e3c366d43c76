#include "control/dbus/FreedesktopApplication.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusError>
#include <QDBusVariant>
#include <QStringList>

#include <array>

namespace vesperon::FreedesktopApplication {

namespace {

using Action = ControlCommand::Action;

struct Named {
    const char* name;
    Action action;
};

// The desktop entry's actions use the first two.
constexpr std::array actions{
    Named{"blackout-all", Action::blackoutAll},
    Named{"wake-all", Action::wakeAll},
    Named{"toggle", Action::toggle},
    Named{"blackout-display", Action::blackoutDisplay},
    Named{"wake-display", Action::wakeDisplay},
    Named{"toggle-display", Action::toggleDisplay},
    Named{"keep-only", Action::keepOnly},
    Named{"preferences", Action::showPreferences},
    Named{"quit", Action::quit},
};

Refusal invalid(const QString& message) { return {QDBusError::errorString(QDBusError::InvalidArgs), message}; }

// Launchers send the token under the name of their platform; either will do.
std::string tokenIn(const QVariant& data)
{
    const QVariantMap map = qdbus_cast<QVariantMap>(data);
    for (const char* key : {"activation-token", "desktop-startup-id"}) {
        if (const QString token = map.value(QLatin1String(key)).toString(); !token.isEmpty())
            return token.toStdString();
    }
    return {};
}

std::variant<ControlCommand, Refusal> action(const QList<QVariant>& arguments)
{
    const QString name = arguments.at(0).toString();
    QStringList names;
    for (const Named& named : actions) {
        names.append(QLatin1String(named.name));
        if (name != QLatin1String(named.name))
            continue;
        ControlCommand command{named.action, {}};
        command.activationToken = tokenIn(arguments.at(2));
        const QVariantList parameter = qdbus_cast<QVariantList>(arguments.at(1));
        if (!ControlCommand::needsDisplay(named.action)) {
            if (parameter.isEmpty())
                return command;
            //: A D-Bus error's message, to a launcher; %1 is the name of an action, such as blackout-all.
            return invalid(QCoreApplication::translate("FreedesktopApplication", "%1 takes no parameter").arg(name));
        }
        const QVariant display = parameter.value(0);
        const QVariant inner = display.canConvert<QDBusVariant>() ? display.value<QDBusVariant>().variant() : display;
        if (parameter.size() != 1 || inner.metaType() != QMetaType::fromType<QString>())
            //: A D-Bus error's message, to a launcher; %1 is the name of an action, such as blackout-display.
            return invalid(
                QCoreApplication::translate("FreedesktopApplication", "%1 takes the display, a string").arg(name));
        command.display = inner.toString().toStdString();
        return command;
    }
    //: A D-Bus error's message, to a launcher. %1 is the action asked for, %2 the list of actions there are,
    //: such as "blackout-all, wake-all".
    return invalid(QCoreApplication::translate("FreedesktopApplication", "No action \"%1\"; the actions are: %2")
                       .arg(name, names.join(QStringLiteral(", "))));
}

} // namespace

QString interface() { return QStringLiteral("org.freedesktop.Application"); }

std::variant<ControlCommand, Refusal> command(const QDBusMessage& call)
{
    const QString member = call.member();
    const QString signature = call.signature();
    if (member == QLatin1String("Activate") && signature == QLatin1String("a{sv}")) {
        ControlCommand command{Action::showPreferences, {}};
        command.activationToken = tokenIn(call.arguments().at(0));
        return command;
    }
    if (member == QLatin1String("ActivateAction") && signature == QLatin1String("sava{sv}"))
        return action(call.arguments());
    if (member == QLatin1String("Open") && signature == QLatin1String("asa{sv}"))
        //: A D-Bus error's message, to a launcher that asked Vesperon to open files.
        return Refusal{QDBusError::errorString(QDBusError::NotSupported),
            QCoreApplication::translate("FreedesktopApplication", "Vesperon opens no files")};
    //: A D-Bus error's message. %1 is the method called, %2 its arguments' D-Bus signature, %3 the interface.
    return Refusal{QDBusError::errorString(QDBusError::UnknownMethod),
        QCoreApplication::translate("FreedesktopApplication", "No method %1(%2) in %3")
            .arg(member, signature, interface())};
}

QVariantMap platformData(const std::string& activationToken, const std::string& startupId)
{
    QVariantMap data;
    if (!activationToken.empty())
        data.insert(QStringLiteral("activation-token"), QString::fromStdString(activationToken));
    if (!startupId.empty())
        data.insert(QStringLiteral("desktop-startup-id"), QString::fromStdString(startupId));
    return data;
}

} // namespace vesperon::FreedesktopApplication
