// What only KWin shows: KDE's shortcut service, where Vesperon's hotkeys are actions of its own.
#include "wayland/WaylandE2E.h"

using namespace vesperon;
using namespace vesperon::testing;

namespace {

using KWinE2E = WaylandE2E;

TEST_F(KWinE2E, KdesShortcutServiceRunsTheHotkeyAndRefusesWhatKWinKeeps)
{
    // Control+Meta+Escape is KWin's own (Kill Window).
    launch(R"({"blackoutAllHotkey": "{\"keyCode\":53,\"modifiers\":4352}"})");
    QByteArray said;
    EXPECT_TRUE(spinUntil([&] { return said.append(vesperon.readAllStandardOutput()).contains("Ctrl+Super+Esc is taken"); }))
        << said.toStdString();
    vesperon.kill(), vesperon.waitForFinished(5000);

    const auto window = openWindow(0, white);
    launch();
    server.typeKey(EvdevKey::d, {EvdevKey::leftShift, EvdevKey::leftSuper});
    EXPECT_TRUE(dark(left) && dark(right));
    server.typeKey(EvdevKey::d, {EvdevKey::leftShift, EvdevKey::leftSuper});
    EXPECT_TRUE(shows(body(left), white)) << "the same hotkey wakes";
}

} // namespace
