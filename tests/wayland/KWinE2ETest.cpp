// What only KWin shows: KDE's shortcut service, where Vesperon's hotkeys are actions of its own,
// and focus-stealing prevention, which lets a window to the front only with a launcher's token.
#include "conformance/Conformance.h"
#include "support/Daemon.h"
#include "support/KWinServer.h"

#include <QDBusVariant>
#include <QFile>

#include <fstream>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

using KWinE2E = Conformance;

TEST_F(KWinE2E, KdesShortcutServiceRunsTheHotkeyRefusesWhatKWinKeepsAndStoresWhatTheUserChanges)
{
    // Control+Meta+Escape is KWin's own (Kill Window).
    launch(R"({"blackoutAllHotkey": "{\"keyCode\":53,\"modifiers\":4352}"})");
    EXPECT_TRUE(spinUntil([&] { return vesperon->output().contains(QStringLiteral("Ctrl+Super+Esc is taken")); }))
        << vesperon->output().toStdString();

    const auto window = openWindow(0, white);
    launch();
    server.typeKey(EvdevKey::d, {EvdevKey::leftShift, EvdevKey::leftSuper});
    EXPECT_TRUE(dark(left) && dark(right));
    server.typeKey(EvdevKey::d, {EvdevKey::leftShift, EvdevKey::leftSuper});
    EXPECT_TRUE(shows(body(left), white)) << "the same hotkey wakes";

    // As System Settings › Shortcuts does it: Meta+Alt+B for Blackout All.
    const QStringList action{QStringLiteral("vesperon"), QStringLiteral("blackout-all"), QStringLiteral("Vesperon"),
        QStringLiteral("Blackout All")};
    const QDBusMessage changed = busCall(QStringLiteral("org.kde.kglobalaccel"), QStringLiteral("/kglobalaccel"),
        QStringLiteral("org.kde.KGlobalAccel"), QStringLiteral("setForeignShortcut"),
        {action, QVariant::fromValue(QList<int>{(Qt::META | Qt::ALT | Qt::Key_B).toCombined()})});
    ASSERT_EQ(changed.type(), QDBusMessage::ReplyMessage);
    QFile file(QString::fromStdString((home.path() / "config/vesperon/settings.json").string()));
    QByteArray settings;
    ASSERT_TRUE(spinUntil([&] {
        return file.open(QIODevice::ReadOnly) && (settings = file.readAll(), file.close(), settings.contains("2304"));
    })) << "Alt+Super+B stored: "
        << settings.toStdString();

    launch(settings.toStdString());
    server.typeKey(EvdevKey::b, {EvdevKey::leftAlt, EvdevKey::leftSuper});
    EXPECT_TRUE(dark(left) && dark(right)) << "registered with the stored combination at the next start";
}

// Launchers start Vesperon on the bus (its desktop entry is DBusActivatable) and run its actions; a command
// never starts it. A second start from a launcher brings the preferences over the window in front of them.
TEST_F(KWinE2E, ALauncherStartsItOnTheBusRunsItsActionsAndBringsThePreferencesToTheFront)
{
    const auto window = openWindow(0, white);
    const QString name = QStringLiteral("io.github.vesperon.Vesperon");
    const auto service = SessionBus::servicesFolder() / (name.toStdString() + ".service");
    std::string exec = "/usr/bin/env"; // what a session's bus has: the display and the user's folders
    for (const char* key : {"WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
        exec += std::string(" ") + key + "=" + home.environment().value(QLatin1String(key)).toStdString();
    std::ofstream(service) << "[D-BUS Service]\nName=" << name.toStdString() << "\nExec=" << exec
                           << " " VESPERON_EXECUTABLE;
    EXPECT_EQ(run({QStringLiteral("--blackout-all")}), 1) << "a command never starts it";
    const QString path = QStringLiteral("/io/github/vesperon/Vesperon"),
                  launcher = QStringLiteral("org.freedesktop.Application");
    const auto action = [&](const char* actionName, const QVariantList& parameter = {}) {
        const QVariantList arguments{QLatin1String(actionName), parameter, QVariantMap()};
        return busCall(name, path, launcher, QStringLiteral("ActivateAction"), arguments).type();
    };
    EXPECT_EQ(action("blackout-all"), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(dark(left));
    EXPECT_EQ(
        action("keep-only", {QVariant::fromValue(QDBusVariant(QStringLiteral("1")))}), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(shows(body(left), white) && statusStartsWith("Blackout active: 1 of 2"));
    EXPECT_EQ(action("wake-all"), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(spinUntil([&] { return statusStartsWith("No blackout"); }));

    // Within the preferences, which open mid-output, and beside the small launcher opening there too.
    const Rect middle{440, 320, 150, 40};
    EXPECT_EQ(
        busCall(name, path, launcher, QStringLiteral("Activate"), {QVariantMap()}).type(), QDBusMessage::ReplyMessage);
    ASSERT_TRUE(spinUntil([&] { return !server.shows(middle, white); })) << "the preferences open";
    server.click(100, 600);
    ASSERT_TRUE(spinUntil([&] { return server.shows(middle, white); })) << "the test's window above them";
    const std::string token = static_cast<KWinServer&>(server).launcherToken();
    VesperonProcess second(home, [&](QProcessEnvironment& environment) {
        environment.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), QString::fromStdString(token));
    });
    ASSERT_TRUE(second.waitForExit());
    EXPECT_TRUE(spinUntil([&] { return !server.shows(middle, white); }));
    EXPECT_EQ(run({QStringLiteral("--quit")}), 0); // the bus started it: the test ends it
}

} // namespace
