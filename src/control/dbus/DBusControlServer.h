#pragma once

#include "core/Subscription.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

namespace vesperon {

class ControlService;

// The control interface on the user's session bus, under the application id: the commands, the
// display list, and the read-only state with its PropertiesChanged signal; beside it the
// freedesktop application interface that launchers use. Only callers of the user's own account
// are served.
class DBusControlServer : public QDBusVirtualObject {
public:
    // `launchDone` hears the activation token of a launcher's action that shows no window.
    DBusControlServer(
        ControlService& service, std::ostream& messages, std::function<void(const std::string&)> launchDone = {});
    ~DBusControlServer() override;

    // Offers the interface; says why it could not and returns false.
    bool start();

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& connection) override;

private:
    QDBusMessage answer(const QDBusMessage& call);
    QDBusMessage answerProperties(const QDBusMessage& call);
    QDBusMessage answerLauncher(const QDBusMessage& call);
    QVariantMap state() const;
    bool isOwnUser(const QDBusMessage& call) const;
    void announceState();

    ControlService& service_;
    std::ostream& messages_;
    std::function<void(const std::string&)> launchDone_;
    std::optional<QDBusConnection> connection_;
    Subscription stateObserver_;
};

} // namespace vesperon
