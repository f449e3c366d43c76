#include "control/dbus/ControlBus.h"

#include "core/ApplicationId.h"

#include <QDBusMetaType>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstdlib>

namespace vesperon::ControlBus {

namespace {

using Action = ControlCommand::Action;

struct Method {
    Action action;
    const char* name;
};

constexpr std::array methods{
    Method{Action::blackoutAll, "BlackoutAll"},
    Method{Action::wakeAll, "WakeAll"},
    Method{Action::toggle, "Toggle"},
    Method{Action::blackoutDisplay, "BlackoutDisplay"},
    Method{Action::wakeDisplay, "WakeDisplay"},
    Method{Action::toggleDisplay, "ToggleDisplay"},
    Method{Action::keepOnly, "KeepOnlyDisplay"},
    Method{Action::showPreferences, "ShowPreferences"},
    Method{Action::quit, "Quit"},
    Method{Action::listDisplays, "ListDisplays"},
    Method{Action::setDimLevel, "SetDimLevel"},
    Method{Action::setIdleMinutes, "SetIdleMinutes"},
    Method{Action::setIdleScope, "SetIdleScope"},
};

} // namespace

QString service() { return QString::fromLatin1(applicationId); }
QString path() { return QString::fromLatin1(applicationObjectPath); }
QString interface() { return QString::fromLatin1(applicationId); }
QString unknownDisplayError() { return interface() + QStringLiteral(".Error.UnknownDisplay"); }

std::optional<QString> address()
{
    if (const char* set = std::getenv("DBUS_SESSION_BUS_ADDRESS"); set && *set)
        return QString::fromLocal8Bit(set);
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/') {
        const QString socket = QString::fromLocal8Bit(runtime) + QStringLiteral("/bus");
        if (QFileInfo(socket).exists())
            return QStringLiteral("unix:path=") + socket;
    }
    return std::nullopt;
}

QString method(Action action)
{
    for (const Method& m : methods)
        if (m.action == action)
            return QString::fromLatin1(m.name);
    return {};
}

std::optional<Action> action(const QString& method)
{
    for (const Method& m : methods)
        if (method == QLatin1String(m.name))
            return m.action;
    return std::nullopt;
}

QVariantMap toMap(const DisplayReport& d)
{
    return {{QStringLiteral("id"), QVariant::fromValue(uint(d.id))},
        {QStringLiteral("connector"), QString::fromStdString(d.connector)},
        {QStringLiteral("name"), QString::fromStdString(d.name)}, {QStringLiteral("x"), int(d.frame.x)},
        {QStringLiteral("y"), int(d.frame.y)}, {QStringLiteral("width"), int(d.frame.width)},
        {QStringLiteral("height"), int(d.frame.height)}, {QStringLiteral("primary"), d.primary},
        {QStringLiteral("dark"), d.dark}};
}

DisplayReport fromMap(const QVariantMap& map)
{
    const auto number = [&](const char* key) { return map.value(QLatin1String(key)).toDouble(); };
    return DisplayReport{map.value(QStringLiteral("id")).toUInt(),
        map.value(QStringLiteral("connector")).toString().toStdString(),
        map.value(QStringLiteral("name")).toString().toStdString(),
        Rect{number("x"), number("y"), number("width"), number("height")},
        map.value(QStringLiteral("primary")).toBool(), map.value(QStringLiteral("dark")).toBool()};
}

void registerTypes()
{
    qDBusRegisterMetaType<QList<QVariantMap>>();
    qDBusRegisterMetaType<QList<uint>>();
}

QString introspection(const QString& interfaceName)
{
    QFile file(QStringLiteral(":/dbus/") + interfaceName + QStringLiteral(".xml"));
    const QString xml = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    const qsizetype begin = xml.indexOf(QStringLiteral("<interface "));
    const QString end = QStringLiteral("</interface>");
    return begin < 0 ? QString() : xml.mid(begin, xml.indexOf(end, begin) + end.size() - begin) + QLatin1Char('\n');
}

} // namespace vesperon::ControlBus
