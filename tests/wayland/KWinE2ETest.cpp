// What only KWin shows: KDE's shortcut service, where Vesperon's hotkeys are actions of its own.
#include "conformance/Conformance.h"

#include <QFile>

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

} // namespace
