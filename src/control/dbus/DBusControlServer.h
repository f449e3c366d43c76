#pragma once

#include "core/Subscription.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>

#include <iosfwd>
#include <optional>

namespace vesperon {

class ControlService;

// The control interface on the user's session bus, under the application id: the commands, the
// display list, and the read-only state with its PropertiesChanged signal. Only callers of the
// user's own account are served.
class DBusControlServer : public QDBusVirtualObject {
public:
    DBusControlServer(ControlService& service, std::ostream& messages);
    ~DBusControlServer() override;

    // Offers the interface; says why it could not and returns false.
    bool start();

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& connection) override;

private:
    QDBusMessage answer(const QDBusMessage& call);
    QDBusMessage answerProperties(const QDBusMessage& call);
    QVariantMap state() const;
    bool isOwnUser(const QDBusMessage& call) const;
    void announceState();

    ControlService& service_;
    std::ostream& messages_;
    std::optional<QDBusConnection> connection_;
    Subscription stateObserver_;
};

} // namespace vesperon
