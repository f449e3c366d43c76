// What Vesperon does on every Wayland compositor with layer-shell.
#include "wayland/WaylandE2E.h"

#include <csignal>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

TEST_F(WaylandE2E, OverlaysCoverAFullscreenWindowAndAClickTheWheelOrMovementWakes)
{
    const auto fullScreen = openWindow(0, yellow, true);
    const auto beside = openWindow(1, white);
    launch(R"({"ignoreMouseMovement": false})");
    server.moveTo(1900, 400); // where it clicks: an overlay appearing under a resting pointer is no movement

    const auto blackOutThenWake = [&](const std::function<void()>& wake) {
        EXPECT_EQ(run({QStringLiteral("--blackout-all")}), 0);
        EXPECT_TRUE(dark(left) && dark(right)) << "a window, a panel or the bar shows through";
        wake();
        return shows(left, yellow) && shows(body(right), white);
    };
    EXPECT_TRUE(blackOutThenWake([&] { server.click(1900, 400); })) << "a click";
    EXPECT_TRUE(blackOutThenWake([&] { server.scroll(); })) << "the wheel";
    EXPECT_TRUE(blackOutThenWake([&] { server.moveTo(300, 300); })) << "movement";
    EXPECT_EQ(beside->clicks, 0) << "the click woke and went no further";

    VesperonProcess again(home);
    ASSERT_TRUE(again.waitForExit());
    EXPECT_EQ(again.process.exitCode(), 0);
    EXPECT_TRUE(again.output().contains(QStringLiteral("already running on display"))) << again.output().toStdString();
}

TEST_F(WaylandE2E, BesideAKeptDisplayTheProgramThereGetsItsClicksAndKeysAndAKillLeavesAllLit)
{
    const auto leftWindow = openWindow(0, yellow);
    const auto window = openWindow(1, white);
    launch();
    // From a full blackout: the overlay that stays must let go of the keyboard.
    ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
    ASSERT_TRUE(dark(left) && dark(right));
    ASSERT_EQ(run({QStringLiteral("--keep-only"), QStringLiteral("2")}), 0);
    ASSERT_TRUE(dark(left));
    ASSERT_TRUE(shows(body(right), white));

    server.click(1900, 400);
    EXPECT_TRUE(spinUntil([&] { return window->clicks == 1; }));
    server.typeKey(EvdevKey::a);
    EXPECT_TRUE(spinUntil([&] { return window->keys == 1; })) << "keys still go to the program in front";
    EXPECT_TRUE(statusStartsWith("Blackout active: 1 of 2"));
    EXPECT_TRUE(dark(left));

    vesperon->sendSignal(SIGKILL);
    EXPECT_TRUE(shows(body(left), yellow));
}

TEST_F(WaylandE2E, ADimLevelLetsTheRestOfTheWindowBeneathThroughAtOnce)
{
    const auto window = openWindow(0, white);
    launch();
    ASSERT_EQ(run({QStringLiteral("--blackout"), QStringLiteral("1")}), 0);
    ASSERT_TRUE(dark(left));
    ASSERT_EQ(run({QStringLiteral("--dim"), QStringLiteral("0.75")}), 0);
    EXPECT_TRUE(spinUntil([&] { return server.shows(body(left), 0x404040, 3); }))
        << "a quarter of the white, while dark";
    server.click(200, 300);
    EXPECT_TRUE(shows(body(left), white)) << "a click on it wakes";
    EXPECT_EQ(window->clicks, 0) << "and never reaches the window beneath";
}

TEST_F(WaylandE2E, DuringAFullBlackoutAnAllowedKeyWakesAndNoKeyLeaks)
{
    const auto window = openWindow(0, white);
    launch(R"({"allowedWakeKeys": ["space"]})");
    ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
    ASSERT_TRUE(dark(left) && dark(right));
    server.typeKey(EvdevKey::a);
    server.typeKey(EvdevKey::space);
    EXPECT_TRUE(shows(body(left), white)) << "an allowed key";
    EXPECT_EQ(window->keys, 0) << "the overlays held the keyboard";
}

TEST_F(WaylandE2E, LeftAloneEveryOutputGoesDarkByItselfAndAClickWakes)
{
    const auto window = openWindow(0, white);
    qputenv("VESPERON_TEST_IDLE_SCALE", "0.03"); // a minute lasts 1.8 s
    launch(R"({"idleBlackoutMinutes": 1, "idleBlackoutScope": "allButPointer"})");
    EXPECT_TRUE(dark(left) && dark(right))
        << "the compositor's idle notifier; where the pointer is, Wayland does not say";
    server.click(200, 300);
    EXPECT_TRUE(shows(body(left), white));
    EXPECT_EQ(window->clicks, 0);
}

TEST_F(WaylandE2E, OnAPanelThatDrawsNoMenuALeftOrRightClickOpensOneThatWorks)
{
    const auto window = openWindow(0, white);
    launch();
    for (const char* click : {"Activate", "ContextMenu"}) {
        // Until the window has the click, its activity is the last round's: a click that arrived
        // later would close the menu the tray is about to open.
        const int clicks = window->clicks;
        server.click(300, 300);
        ASSERT_TRUE(spinUntil([&] { return window->clicks > clicks && window->isActiveWindow(); }));
        tray.click(tray.items().at(0), QLatin1String(click), 1200, 10);
        ASSERT_TRUE(spinUntil([&] { return !window->isActiveWindow(); })) << click << ": no menu took the keyboard";
        EXPECT_TRUE(shows({980, 40, 300, 680}, white)) << click << ": the menu is a small floating window";
        server.typeKey(EvdevKey::down); // its first entry, Blackout All
        server.typeKey(EvdevKey::enter);
        EXPECT_TRUE(dark(left) && dark(right)) << click;
        server.click(1900, 400);
        EXPECT_TRUE(shows(body(left), white)) << click;
    }
    EXPECT_EQ(window->keys, 0);
}

} // namespace
