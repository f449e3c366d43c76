#include "desktop/ScreenSaverInhibition.h"

#include "control/dbus/ControlBus.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QTimer>

namespace vesperon {

namespace {

const QString screenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
// Browsers call the first path, some older programs the second.
const QString paths[] = {QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("/ScreenSaver")};

} // namespace

ScreenSaverInhibition::ScreenSaverInhibition(const QDBusConnection& bus) : bus_(bus)
{
    if (!bus_.isConnected() || bus_.interface()->isServiceRegistered(screenSaver))
        return;
    for (const QString& path : paths)
        bus_.registerVirtualObject(path, this);
    const auto claimed = bus_.interface()->registerService(
        screenSaver, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::AllowReplacement);
    if (claimed.value() != QDBusConnectionInterface::ServiceRegistered) {
        for (const QString& path : paths)
            bus_.unregisterObject(path);
        return;
    }
    serving_ = true;
    callers_ = std::make_unique<QDBusServiceWatcher>();
    callers_->setConnection(bus_);
    callers_->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(
        callers_.get(), &QDBusServiceWatcher::serviceUnregistered, [this](const QString& caller) { release(caller); });
}

ScreenSaverInhibition::~ScreenSaverInhibition()
{
    if (serving_) {
        for (const QString& path : paths)
            bus_.unregisterObject(path);
        bus_.interface()->unregisterService(screenSaver);
    }
}

void ScreenSaverInhibition::check(std::function<void(std::optional<std::string>)> answer)
{
    if (!holders_.empty()) {
        const std::string who = holders_.begin()->second.application.toStdString();
        QTimer::singleShot(0, [answer, who] { answer(who); });
        return;
    }
    const auto held = [answer](std::optional<bool> inhibited) {
        answer(inhibited.value_or(false) ? std::optional<std::string>("") : std::nullopt);
    };
    // GNOME's idle flag is 8; KDE's policy for screen settings is 4.
    ask(QStringLiteral("org.gnome.SessionManager"), QStringLiteral("/org/gnome/SessionManager"),
        QStringLiteral("IsInhibited"), 8, [this, held](std::optional<bool> gnome) {
            if (gnome)
                return held(gnome);
            ask(QStringLiteral("org.kde.Solid.PowerManagement.PolicyAgent"),
                QStringLiteral("/org/kde/Solid/PowerManagement/PolicyAgent"), QStringLiteral("HasInhibition"), 4, held);
        });
}

void ScreenSaverInhibition::ask(const QString& service, const QString& path, const QString& method, uint argument,
    std::function<void(std::optional<bool>)> answer)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, method);
    call << argument;
    call.setAutoStartService(false);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, 2000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [watcher, answer] {
        watcher->deleteLater();
        const QDBusPendingReply<bool> reply = *watcher;
        answer(reply.isValid() ? std::optional(reply.value()) : std::nullopt);
    });
}

QString ScreenSaverInhibition::introspect(const QString&) const { return ControlBus::introspection(screenSaver); }

bool ScreenSaverInhibition::handleMessage(const QDBusMessage& call, const QDBusConnection& connection)
{
    if (call.type() != QDBusMessage::MethodCallMessage
        || (!call.interface().isEmpty() && call.interface() != screenSaver))
        return false;
    QDBusMessage reply;
    if (call.member() == QLatin1String("Inhibit") && call.signature() == QLatin1String("ss"))
        reply = inhibit(call);
    else if (call.member() == QLatin1String("UnInhibit") && call.signature() == QLatin1String("u")) {
        const auto found = holders_.find(call.arguments().at(0).toUInt());
        if (found != holders_.end() && found->second.caller == call.service())
            holders_.erase(found);
        reply = call.createReply();
    } else if (call.member() == QLatin1String("GetActive") && call.signature().isEmpty())
        reply = call.createReply(false); // Vesperon saves no screen itself
    else
        //: A D-Bus error's message; %1 is the name of the method called.
        reply = call.createErrorReply(QDBusError::UnknownMethod,
            QCoreApplication::translate("ScreenSaverInhibition", "No method %1").arg(call.member()));
    return connection.send(reply);
}

QDBusMessage ScreenSaverInhibition::inhibit(const QDBusMessage& call)
{
    const uint cookie = nextCookie_++;
    holders_[cookie] = {call.service(), call.arguments().at(0).toString()};
    callers_->addWatchedService(call.service());
    return call.createReply(cookie);
}

void ScreenSaverInhibition::release(const QString& caller)
{
    std::erase_if(holders_, [&](const auto& entry) { return entry.second.caller == caller; });
    callers_->removeWatchedService(caller);
}

} // namespace vesperon
