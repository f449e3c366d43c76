#include "support/GnomeShellServer.h"

#include "support/QtSpin.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QImage>

#include <fstream>
#include <stdexcept>
#include <utility>

namespace fs = std::filesystem;

namespace vesperon::testing {

namespace {

const QString shellName = QStringLiteral("org.gnome.Shell");
const QString remoteName = QStringLiteral("org.gnome.Mutter.RemoteDesktop");

} // namespace

GnomeShellServer::GnomeShellServer()
{
    const fs::path extensions = folder_ / "home/.local/share/gnome-shell/extensions";
    fs::create_directories(extensions);
    fs::copy(VESPERON_GNOME_EXTENSION, extensions / "vesperon@vesperon.github.io", fs::copy_options::recursive);
    fs::create_directories(folder_ / "config/glib-2.0/settings");
    // Settings from a key file: no dconf service, nothing of the user's.
    std::ofstream(folder_ / "config/glib-2.0/settings/keyfile")
        << "[org/gnome/shell]\nenabled-extensions=['vesperon@vesperon.github.io']\n"
           "[org/gnome/desktop/interface]\nenable-hot-corners=false\n";
    fs::create_directories(folder_ / "runtime");
    fs::permissions(folder_ / "runtime", fs::perms::owner_all);
    const std::string bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    // The line comes once Vesperon's extension has its name on the bus, which it takes when the
    // shell enables it; exec keeps the shell this process's child.
    shell_ = std::make_unique<Daemon>(
        std::vector<std::string>{"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
            "HOME=" + (folder_ / "home").string(), "XDG_CONFIG_HOME=" + (folder_ / "config").string(),
            "XDG_RUNTIME_DIR=" + (folder_ / "runtime").string(), "GSETTINGS_BACKEND=keyfile",
            "DBUS_SYSTEM_BUS_ADDRESS=" + bus, "sh", "-c",
            "(gdbus wait --session --timeout 20 io.github.vesperon.Vesperon.Shell && echo up >&{fd}) & "
            "exec gnome-shell --headless --wayland --wayland-display=vesperon-test "
            "--virtual-monitor 1280x720 --virtual-monitor 1280x720"},
        "gnome-shell");
    socket_ = (folder_ / "runtime/vesperon-test").string();
    // The shell's screenshots go only to the programs it knows.
    QDBusConnection::sessionBus().registerService(QStringLiteral("org.gnome.Screenshot"));
}

GnomeShellServer::~GnomeShellServer() { shell_.reset(); }

QDBusMessage GnomeShellServer::remote(const QString& method, const QVariantList& arguments)
{
    const QString session = remoteName + QStringLiteral(".Session");
    if (session_.isEmpty()) { // once the shell has started up: it offers remote desktop only then
        const QDBusMessage created = busCall(
            remoteName, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), remoteName, QStringLiteral("CreateSession"));
        session_ = created.arguments().value(0).value<QDBusObjectPath>().path();
        if (session_.isEmpty())
            throw std::runtime_error("no remote desktop session: " + created.errorMessage().toStdString());
        busCall(remoteName, session_, session, QStringLiteral("Start"));
        // The pointer starts on the primary monitor: into its bottom left corner, away from the hot one.
        busCall(remoteName, session_, session, QStringLiteral("NotifyPointerMotionRelative"), {-10000.0, 10000.0});
        x_ = 0, y_ = outputHeight - 1;
    }
    return busCall(remoteName, session_, session, method, arguments);
}

void GnomeShellServer::setOverview(bool open)
{
    busCall(shellName, QStringLiteral("/org/gnome/Shell"), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Set"), {shellName, QStringLiteral("OverviewActive"), QVariant::fromValue(QDBusVariant(open))});
}

bool GnomeShellServer::setExtensionEnabled(bool enabled)
{
    const QDBusMessage reply
        = busCall(shellName, QStringLiteral("/org/gnome/Shell"), QStringLiteral("org.gnome.Shell.Extensions"),
            enabled ? QStringLiteral("EnableExtension") : QStringLiteral("DisableExtension"),
            {QStringLiteral("vesperon@vesperon.github.io")});
    return reply.arguments().value(0).toBool();
}

std::uint64_t GnomeShellServer::idleTime() const
{
    return busCall(QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
        QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("GetIdletime"))
        .arguments()
        .value(0)
        .toULongLong();
}

bool GnomeShellServer::overviewIsOpen() const
{
    const QDBusMessage reply
        = busCall(shellName, QStringLiteral("/org/gnome/Shell"), QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"), {shellName, QStringLiteral("OverviewActive")});
    return reply.arguments().value(0).value<QDBusVariant>().variant().toBool();
}

QImage GnomeShellServer::capture(const Rect& area) const
{
    const QString file = QString::fromStdString((folder_ / "shot.png").string());
    const QDBusMessage reply = busCall(shellName, QStringLiteral("/org/gnome/Shell/Screenshot"),
        QStringLiteral("org.gnome.Shell.Screenshot"), QStringLiteral("ScreenshotArea"),
        {int(area.x), int(area.y), int(area.width), int(area.height), false, file});
    QImage picture;
    if (reply.arguments().value(0).toBool())
        picture.load(file);
    return picture;
}

bool GnomeShellServer::showsAnythingIn(const Rect& area) const
{
    const QImage picture = capture(area);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) & 0xffffff)
                return true;
    return false;
}

void GnomeShellServer::moveTo(int x, int y)
{
    if (session_.isEmpty())
        remote(QStringLiteral("NotifyPointerMotionRelative"), {0.0, 0.0}); // the pointer to its starting corner
    if (x == x_ && y == y_)
        return; // a motion of nothing is still input to the shell: a click would come with it
    remote(QStringLiteral("NotifyPointerMotionRelative"), {double(x - x_), double(y - y_)});
    x_ = x, y_ = y;
}

void GnomeShellServer::button(std::uint32_t button, bool pressed)
{
    remote(QStringLiteral("NotifyPointerButton"), {int(button), pressed});
}

void GnomeShellServer::scroll()
{
    remote(QStringLiteral("NotifyPointerAxisDiscrete"), {0u, 1}); // vertical, one step
}

void GnomeShellServer::key(std::uint32_t key, bool pressed)
{
    remote(QStringLiteral("NotifyKeyboardKeycode"), {key, pressed});
}

void GnomeShellServer::prepare()
{
    if (!std::exchange(prepared_, true) && !spinUntil([&] { return overviewIsOpen(); }))
        throw std::runtime_error("the shell never opened its start-up Overview");
    setOverview(false);
    if (!spinUntil([&] { return !overviewIsOpen(); }))
        throw std::runtime_error("the Overview did not close");
}

} // namespace vesperon::testing
