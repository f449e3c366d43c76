#include "gnome/GnomeShellExtension.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace vesperon {

namespace {

const QString shell = QStringLiteral("org.gnome.Shell");
const QString extension = QStringLiteral("io.github.vesperon.Vesperon.Shell"); // the bus name it owns
const QString path = QStringLiteral("/org/gnome/Shell/Extensions/Vesperon");
const QString interface = QStringLiteral("io.github.vesperon.Vesperon.Shell");

QDBusMessage method(const QString& name, const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(extension, path, interface, name);
    message.setArguments(arguments);
    return message;
}

QDBusMessage shellCall(const QString& name, const QString& argument)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        shell, QStringLiteral("/org/gnome/Shell"), QStringLiteral("org.gnome.Shell.Extensions"), name);
    message.setArguments({argument});
    return QDBusConnection::sessionBus().call(message, QDBus::Block, 5000);
}

} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const PanelMenuEntry& entry)
{
    argument.beginStructure();
    argument << entry.id << entry.parent << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PanelMenuEntry& entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.parent >> entry.properties;
    argument.endStructure();
    return argument;
}

namespace {

bool isLoaded()
{
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(extension);
}

bool isOnDisk()
{
    const QString folder = QStringLiteral("gnome-shell/extensions/") + QLatin1String(GnomeShellExtension::uuid);
    return !QStandardPaths::locate(QStandardPaths::GenericDataLocation, folder, QStandardPaths::LocateDirectory)
                .isEmpty();
}

// The shell loads an extension it has just been told to enable on its next turns.
bool awaitLoaded()
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (isLoaded())
            return true;
        QThread::msleep(40);
    }
    return false;
}

} // namespace

GnomeShellExtension::State GnomeShellExtension::probe()
{
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    if (!bus || !bus->isServiceRegistered(shell))
        return State::noShell;
    if (isLoaded())
        return State::loaded;
    const QDBusMessage info = shellCall(QStringLiteral("GetExtensionInfo"), QLatin1String(uuid));
    const bool known
        = info.type() == QDBusMessage::ReplyMessage && !qdbus_cast<QVariantMap>(info.arguments().value(0)).isEmpty();
    if (known && shellCall(QStringLiteral("EnableExtension"), QLatin1String(uuid)).arguments().value(0).toBool()
        && awaitLoaded())
        return State::loaded;
    return known || isOnDisk() ? State::installedNotLoaded : State::absent;
}

GnomeShellExtension::GnomeShellExtension()
    : watcher_(new QDBusServiceWatcher(
        extension, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForRegistration, this))
{
    qDBusRegisterMetaType<PanelMenuEntry>();
    qDBusRegisterMetaType<QList<PanelMenuEntry>>();
    connect(watcher_, &QDBusServiceWatcher::serviceRegistered, this, [this] { returned.emit(); });
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(extension, path, interface, QStringLiteral("Pointer"), this, SLOT(pointerSignal(QString, int, int)));
    bus.connect(extension, path, interface, QStringLiteral("Hotkey"), this, SLOT(hotkeySignal(uint)));
    bus.connect(extension, path, interface, QStringLiteral("Key"), this, SLOT(keySignal(uint, uint)));
    bus.connect(extension, path, interface, QStringLiteral("Idle"), this, SLOT(idleSignal()));
    bus.connect(
        extension, path, interface, QStringLiteral("MenuActivated"), this, SLOT(menuActivatedSignal(uint, int)));
    bus.connect(extension, path, interface, QStringLiteral("MenuOpening"), this, SLOT(menuOpeningSignal()));
}

void GnomeShellExtension::setOverlays(const std::vector<Rect>& frames, double opacity)
{
    QList<int> corners; // x, y, width and height of each frame in turn
    for (const Rect& frame : frames)
        corners << qRound(frame.x) << qRound(frame.y) << qRound(frame.width) << qRound(frame.height);
    QDBusConnection::sessionBus().call(
        method(QStringLiteral("SetOverlays"), {QVariant::fromValue(corners), opacity}), QDBus::NoBlock);
}

std::optional<std::uint32_t> GnomeShellExtension::grabKey(const std::string& accelerator)
{
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        method(QStringLiteral("GrabKey"), {QString::fromStdString(accelerator)}), QDBus::Block, 5000);
    const uint action = reply.arguments().value(0).toUInt();
    return action ? std::optional<std::uint32_t>(action) : std::nullopt;
}

void GnomeShellExtension::ungrabKey(std::uint32_t action)
{
    QDBusConnection::sessionBus().call(method(QStringLiteral("UngrabKey"), {uint(action)}), QDBus::NoBlock);
}

void GnomeShellExtension::watchActivity(bool wanted)
{
    QDBusConnection::sessionBus().call(method(QStringLiteral("WatchActivity"), {wanted}), QDBus::NoBlock);
}

std::optional<Point> GnomeShellExtension::pointerPosition() const
{
    const QDBusMessage reply
        = QDBusConnection::sessionBus().call(method(QStringLiteral("GetPointer")), QDBus::Block, 1000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
        return std::nullopt;
    return Point{reply.arguments().at(0).toDouble(), reply.arguments().at(1).toDouble()};
}

void GnomeShellExtension::watchIdle(std::uint32_t ms)
{
    QDBusConnection::sessionBus().call(method(QStringLiteral("WatchIdle"), {uint(ms)}), QDBus::NoBlock);
}

void GnomeShellExtension::setMenu(std::uint32_t revision, const QString& icon, const QList<PanelMenuEntry>& entries)
{
    QDBusConnection::sessionBus().call(
        method(QStringLiteral("SetMenu"), {uint(revision), icon, QVariant::fromValue(entries)}), QDBus::NoBlock);
}

void GnomeShellExtension::pointerSignal(const QString& kind, int x, int y)
{
    pointer.emit(kind.toStdString(), Point{double(x), double(y)});
}

void GnomeShellExtension::hotkeySignal(uint action) { hotkey.emit(action); }

void GnomeShellExtension::keySignal(uint code, uint modifiers) { key.emit(code, modifiers); }

} // namespace vesperon
