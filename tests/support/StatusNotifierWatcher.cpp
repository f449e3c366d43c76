#include "support/StatusNotifierWatcher.h"

#include "support/TestServer.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace vesperon::testing {

namespace {

const QString service = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString path = QStringLiteral("/StatusNotifierWatcher");

// One node of a dbusmenu layout, (ia{sv}av), and the nodes beneath it.
void collectLabels(const QDBusArgument& node, QStringList& labels)
{
    int id = 0;
    QVariantMap properties;
    node.beginStructure();
    node >> id >> properties;
    if (properties.contains(QStringLiteral("label")))
        labels << properties.value(QStringLiteral("label")).toString();
    node.beginArray();
    while (!node.atEnd()) {
        QDBusVariant child;
        node >> child;
        collectLabels(child.variant().value<QDBusArgument>(), labels);
    }
    node.endArray();
    node.endStructure();
}

} // namespace

StatusNotifierWatcher::StatusNotifierWatcher()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerVirtualObject(path, this) || !bus.registerService(service))
        qFatal("cannot register the StatusNotifierWatcher");
}

StatusNotifierWatcher::~StatusNotifierWatcher()
{
    QDBusConnection::sessionBus().unregisterService(service);
    QDBusConnection::sessionBus().unregisterObject(path);
}

QString StatusNotifierWatcher::introspect(const QString&) const
{
    return QStringLiteral(R"(<interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
</interface>
)");
}

bool StatusNotifierWatcher::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    const QString member = message.member();
    if (member == QLatin1String("Introspect"))
        return connection.send(
            message.createReply(QStringLiteral("<node>") + introspect(path) + QStringLiteral("</node>")));
    if (member == QLatin1String("Get")) {
        const QString name = message.arguments().value(1).toString();
        QVariant value = name == QLatin1String("IsStatusNotifierHostRegistered") ? QVariant(true)
            : name == QLatin1String("ProtocolVersion")                           ? QVariant(0)
                                                                                 : QVariant(items_);
        return connection.send(message.createReply(QVariant::fromValue(QDBusVariant(value))));
    }
    if (member == QLatin1String("RegisterStatusNotifierItem")) {
        // An item names its bus name, or only its path on the caller's connection.
        const QString item = message.arguments().value(0).toString();
        items_.append(item.startsWith(QLatin1Char('/')) ? message.service() : item);
        return connection.send(message.createReply());
    }
    return connection.send(message.createReply());
}

void StatusNotifierWatcher::click(const QString& item, const QString& method, int x, int y) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        item, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.kde.StatusNotifierItem"), method);
    message.setArguments({x, y});
    QDBusConnection::sessionBus().send(message); // not waited for: the item may ask this process first
}

QStringList StatusNotifierWatcher::menu(const QString& item) const
{
    const QDBusMessage menuPath
        = busCall(item, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"), {QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Menu")});
    const QString path = menuPath.arguments().value(0).value<QDBusVariant>().variant().value<QDBusObjectPath>().path();
    const QDBusMessage layout = busCall(item, path, QStringLiteral("com.canonical.dbusmenu"),
        QStringLiteral("GetLayout"), {0, -1, QStringList{QStringLiteral("label")}});
    QStringList labels;
    if (layout.arguments().size() == 2)
        collectLabels(layout.arguments().at(1).value<QDBusArgument>(), labels);
    return labels;
}

} // namespace vesperon::testing
