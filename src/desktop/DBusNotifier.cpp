#include "desktop/DBusNotifier.h"

#include "control/dbus/ControlBus.h"
#include "core/ApplicationId.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <ostream>

namespace vesperon {

void DBusNotifier::notify(const std::string& summary, const std::string& body)
{
    messages_ << "Vesperon: " << body << std::endl;
    const auto address = ControlBus::address();
    if (!address)
        return;
    const QDBusConnection bus = QDBusConnection::connectToBus(*address, ControlBus::connectionName());
    QDBusMessage message = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("Notify"));
    message << QStringLiteral("Vesperon") << 0u << QString::fromLatin1(applicationId) << QString::fromStdString(summary)
            << QString::fromStdString(body) << QStringList() << QVariantMap() << -1;
    bus.send(message);
}

} // namespace vesperon
