#pragma once

#include "platform/IdleMonitor.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>

#include <map>
#include <memory>

class QDBusServiceWatcher;

namespace vesperon {

// Who keeps the screen awake, asked of the desktop: GNOME's session manager, else KDE's power
// management. Where neither runs and no program serves the screen saver interface on the session
// bus (sway, i3, a bare X session), Vesperon serves org.freedesktop.ScreenSaver itself, so that
// the Inhibit calls of video players and browsers reach it; a desktop service may take the name
// over. An application's inhibitions end with its connection.
class ScreenSaverInhibition : public QDBusVirtualObject, public IdleInhibition {
public:
    explicit ScreenSaverInhibition(const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~ScreenSaverInhibition() override;

    void check(std::function<void(std::optional<std::string>)> answer) override;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& connection) override;

private:
    struct Holder {
        QString caller; // the unique bus name
        QString application;
    };
    QDBusMessage inhibit(const QDBusMessage& call);
    void release(const QString& caller);
    // Asks `service` `method(argument)` for a boolean; nothing when it does not answer.
    void ask(const QString& service, const QString& path, const QString& method, uint argument,
        std::function<void(std::optional<bool>)> answer);

    QDBusConnection bus_;
    bool serving_ = false;
    std::unique_ptr<QDBusServiceWatcher> callers_;
    std::map<uint, Holder> holders_;
    uint nextCookie_ = 1;
};

} // namespace vesperon
