#include "support/StatusNotifierWatcher.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace vesperon::testing {

namespace {

const QString service = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString path = QStringLiteral("/StatusNotifierWatcher");

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

} // namespace vesperon::testing
