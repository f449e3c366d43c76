// What Vesperon does on GNOME Shell through its extension.
#include "conformance/Conformance.h"
#include "support/GnomeShellServer.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>

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

namespace {

// Where the top bar's right box and the wallpaper below it show what is added to them.
const Rect statusArea{760, 0, 520, 30}, desktop{200, 120, 880, 480};

// The columns of `area` where `after` differs from `before`, first and last; none if equal.
std::pair<int, int> changedColumns(const QImage& before, const QImage& after)
{
    int first = -1, last = -1;
    for (int x = 0; x < std::min(before.width(), after.width()); ++x)
        for (int y = 0; y < std::min(before.height(), after.height()); ++y)
            if (before.pixel(x, y) != after.pixel(x, y)) {
                first = first < 0 ? x : first;
                last = x;
            }
    return {first, last};
}

TEST_F(GnomeE2E, WithoutATrayTheTopBarCarriesTheMenuAndNoWindowStandsIn)
{
    tray.reset();
    const QImage bareBar = shell().capture(statusArea);
    const std::uint32_t wallpaper = shell().capture(desktop).pixel(0, 0) & 0xffffff;
    QElapsedTimer started;
    started.start();
    launch(R"({"wakeOnLitDisplays": false, "allowedWakeKeys": []})");
    std::pair<int, int> button;
    const auto buttonShows = [&] { return (button = changedColumns(bareBar, shell().capture(statusArea))).first >= 0; };
    ASSERT_TRUE(spinUntil(buttonShows)) << "a button in the top bar";
    // Opened by a click, the menu takes the keyboard: Down reaches its first item.
    const auto choose = [&](int downs) {
        server.click(int(statusArea.x) + (button.first + button.second) / 2, 15);
        for (int i = 0; i < downs; ++i)
            server.typeKey(EvdevKey::down);
        server.typeKey(EvdevKey::enter);
    };
    choose(1);
    EXPECT_TRUE(dark(left) && dark(right)) << "Blackout All";
    ASSERT_EQ(run({QStringLiteral("--wake")}), 0);
    ASSERT_EQ(run({QStringLiteral("--blackout"), QStringLiteral("2")}), 0);
    ASSERT_TRUE(dark(right));
    choose(4); // past the two submenus; neither the click nor the keys wake
    EXPECT_TRUE(spinUntil([&] { return statusStartsWith("No blackout"); })) << "Wake All Displays";
    EXPECT_TRUE(spinUntil([&] { return started.elapsed() > 3500 && server.shows(desktop, wallpaper); }))
        << "no window stood in for the menu";

    // Qt looks for a tray once: a panel that hosts tray icons is there when Vesperon starts.
    ASSERT_EQ(run({QStringLiteral("--quit")}), 0);
    ASSERT_TRUE(vesperon->waitForExit());
    tray.emplace();
    launch();
    tray.reset();
    EXPECT_TRUE(spinUntil(buttonShows)) << "the button comes when the tray goes";
    tray.emplace();
    EXPECT_TRUE(spinUntil([&] { return !tray->items().empty(); })) << "the icon docks again";
    EXPECT_TRUE(spinUntil([&] { return !buttonShows(); })) << "and the button goes";
}

} // namespace
