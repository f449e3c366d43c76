// What Vesperon does on GNOME Shell through its extension.
#include "conformance/Conformance.h"
#include "support/GnomeShellServer.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

GnomeShellServer& shell() { return static_cast<GnomeShellServer&>(testServer()); }

const Rect topBar{0, 0, 1280, 30};

bool extensionRuns()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(
        QStringLiteral("io.github.vesperon.Vesperon.Shell"));
}

// Each test begins on the desktop: the fixture closes the Overview the shell opens as it starts.
using GnomeE2E = Conformance;

TEST_F(GnomeE2E, TheExtensionIsSwitchedOnAndTheBlackCoversAFullscreenWindowTheTopBarAndTheOverview)
{
    const auto fullScreen = openWindow(0, white, true);
    ASSERT_TRUE(shell().setExtensionEnabled(false)); // as the user may in GNOME's Extensions
    ASSERT_TRUE(spinUntil([] { return !extensionRuns(); }));
    launch();
    EXPECT_TRUE(extensionRuns()) << "switched on at start";
    for (const bool overview : {false, true}) { // the Overview shows the top bar above the window
        shell().setOverview(overview);
        const auto lit = [&] { return overview ? shell().showsAnythingIn(topBar) : server.shows(left, white); };
        ASSERT_TRUE(spinUntil([&] { return shell().overviewIsOpen() == overview && lit(); }));
        ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
        EXPECT_TRUE(dark(left) && dark(right)) << "with the Overview " << (overview ? "open" : "closed");
        EXPECT_FALSE(shell().showsAnythingIn(topBar));
        server.click(1900, 400);
        EXPECT_TRUE(spinUntil(lit)) << "a click wakes";
    }
    EXPECT_EQ(fullScreen->clicks, 0) << "the click woke and went no further";
}

TEST_F(GnomeE2E, WithAWaylandWindowFocusedTheHotkeysWorkAndAnyKeyWakesAndStillReachesIt)
{
    const auto window = openWindow(0, white, true);
    ASSERT_TRUE(takesKeyboard(*window, {300, 300}));
    launch();
    const auto hotkey = [&] { server.typeKey(EvdevKey::d, {EvdevKey::leftShift, EvdevKey::leftSuper}); };
    hotkey();
    ASSERT_TRUE(dark(left) && dark(right)) << "Shift+Super+D";
    // The extension watches for input once the hotkey's keys have rested a moment: a key before
    // that is part of the hotkey.
    ASSERT_TRUE(spinUntil([&] { return shell().idleTime() >= 1000; }));
    server.typeKey(EvdevKey::a);
    EXPECT_TRUE(shows(left, white)) << "a key wakes";
    EXPECT_TRUE(spinUntil([&] { return window->typed.contains(QLatin1Char('a')); }))
        << "and reaches the window in front";
    EXPECT_FALSE(window->typed.contains(QLatin1Char('d'))) << "the hotkey does not";

    // Around its lock screen the shell switches extensions off and on: the black and the keys come back.
    hotkey();
    ASSERT_TRUE(dark(left));
    ASSERT_TRUE(shell().setExtensionEnabled(false));
    ASSERT_TRUE(spinUntil([] { return !extensionRuns(); }));
    ASSERT_TRUE(shell().setExtensionEnabled(true));
    EXPECT_TRUE(spinUntil(extensionRuns));
    EXPECT_TRUE(dark(left) && dark(right)) << "still dark, as Vesperon says";
    hotkey();
    EXPECT_TRUE(spinUntil([&] { return statusStartsWith("No blackout"); })) << "the hotkey is bound again";
    EXPECT_TRUE(spinUntil([&] { return !server.shows(left, black); })) << "and the black is gone";
}

} // namespace
