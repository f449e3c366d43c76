// What Vesperon does on every display server: Xvfb, sway, KWin and GNOME Shell run these alike,
// each as its traits say where its desktop differs.
#include "conformance/Conformance.h"

#include <csignal>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

TEST_F(Conformance, BlackCoversAFullscreenWindowAndAClickTheWheelOrMovementWakes)
{
    const auto fullScreen = openWindow(0, yellow, true);
    const auto beside = openWindow(1, white);
    launch();
    server.moveTo(1900, 400); // where it clicks: a black appearing under a resting pointer is no movement

    const auto blackOutThenWake = [&](const std::function<void()>& wake) {
        EXPECT_EQ(run({QStringLiteral("--blackout-all")}), 0);
        EXPECT_TRUE(dark(left) && dark(right)) << "a window, a panel or the bar shows through";
        wake();
        return shows(left, yellow) && shows(body(right), white);
    };
    EXPECT_TRUE(blackOutThenWake([&] { server.click(1900, 400); })) << "a click";
    EXPECT_TRUE(blackOutThenWake([&] { server.scroll(); })) << "the wheel";
    EXPECT_TRUE(spinUntil([&] { return statusStartsWith("No blackout"); })); // and the window has had its input
    EXPECT_EQ(beside->clicks, 0) << "the click woke and went no further";

    VesperonProcess again(home);
    ASSERT_TRUE(again.waitForExit());
    EXPECT_EQ(again.process.exitCode(), 0);
    EXPECT_TRUE(again.output().contains(QStringLiteral("already running on display"))) << again.output().toStdString();

    // Movement gets a start of its own: where it wakes, a wake by the motion an X server reports
    // with an XTEST click comes before the press, which then reaches the window beneath.
    ASSERT_EQ(run({QStringLiteral("--quit")}), 0);
    ASSERT_TRUE(vesperon->waitForExit());
    launch(R"({"ignoreMouseMovement": false})");
    EXPECT_TRUE(blackOutThenWake([&] { server.moveTo(300, 300); })) << "movement";
}

TEST_F(Conformance, BesideAKeptDisplayTheProgramThereGetsItsClicksAndKeys)
{
    const auto leftWindow = openWindow(0, yellow, true);
    const auto window = openWindow(1, white);
    ASSERT_TRUE(takesKeyboard(*window, {1900, 400}));
    launch(R"({"wakeOnLitDisplays": false, "allowedWakeKeys": []})"); // on X11 an allowed key wakes wherever typed
    // From a full blackout: the black that stays must let go of the keyboard.
    ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
    ASSERT_TRUE(dark(left) && dark(right));
    ASSERT_EQ(run({QStringLiteral("--keep-only"), QStringLiteral("2")}), 0);
    ASSERT_TRUE(dark(left));
    ASSERT_TRUE(shows(body(right), white));

    const int clicks = window->clicks;
    server.click(1900, 400);
    EXPECT_TRUE(spinUntil([&] { return window->clicks == clicks + 1; }));
    server.typeKey(EvdevKey::a);
    EXPECT_TRUE(spinUntil([&] { return window->typed.contains(QLatin1Char('a')); }))
        << "keys still go to the program in front";
    EXPECT_TRUE(statusStartsWith("Blackout active: 1 of 2")) << "and wake nothing";
    server.click(200, 300);
    EXPECT_TRUE(shows(body(left), yellow)) << "a click on the dark one wakes";
}

TEST_F(Conformance, QuittingHoweverItEndsLightsEveryDisplay)
{
    const auto window = openWindow(0, white, true);
    for (const auto& [how, signal] : std::initializer_list<std::pair<const char*, int>>{
             {"--quit", 0}, {"SIGTERM", SIGTERM}, {"SIGINT", SIGINT}, {"SIGHUP", SIGHUP}, {"SIGKILL", SIGKILL}}) {
        launch();
        ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
        ASSERT_TRUE(dark(left) && dark(right)) << how;
        if (signal) {
            vesperon->sendSignal(signal);
        } else {
            EXPECT_EQ(run({QStringLiteral("--quit")}), 0);
        }
        ASSERT_TRUE(vesperon->waitForExit()) << how;
        const bool clean = vesperon->process.exitStatus() == QProcess::NormalExit && vesperon->process.exitCode() == 0;
        EXPECT_TRUE(clean || signal == SIGKILL)
            << how << ": status " << vesperon->process.exitCode() << ", said " << vesperon->output().toStdString();
        EXPECT_TRUE(shows(body(left), white)) << how;
    }
}

TEST_F(Conformance, ADimLevelLetsTheRestOfTheWindowBeneathThroughAtOnce)
{
    if (!traits.composites)
        GTEST_SKIP() << "nothing composites here: the X11 tests check it with a compositor and without";
    const auto window = openWindow(0, white, true);
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

TEST_F(Conformance, DuringAFullBlackoutAnAllowedKeyOrTheSafetyCombinationWakes)
{
    using EvdevKey::a, EvdevKey::space, EvdevKey::escape, EvdevKey::leftControl, EvdevKey::leftShift,
        EvdevKey::leftSuper;
    const auto window = openWindow(0, white, true);
    for (const bool safety : {true, false}) {
        launch(safety ? R"({"allowedWakeKeys": []})" : R"({"allowedWakeKeys": ["space"]})");
        ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
        ASSERT_TRUE(dark(left) && dark(right));
        server.typeKey(a);
        EXPECT_TRUE(statusStartsWith("Blackout active: 2 of 2")) << "a key that is not allowed";
        if (!safety) {
            server.typeKey(space);
        } else if (traits.safetyWakeTakesShift) {
            server.typeKey(escape, {leftControl, leftShift, leftSuper});
        } else {
            server.typeKey(escape, {leftControl, leftSuper});
        }
        EXPECT_TRUE(shows(body(left), white)) << (safety ? "the safety combination" : "an allowed key");
    }
    if (!traits.keysReachWindowWhileAllDark) {
        EXPECT_EQ(window->keys, 0) << "the black held the keyboard";
    }
}

TEST_F(Conformance, LeftAloneTheDisplaysGoDarkByThemselvesAndAClickWakes)
{
    const auto window = openWindow(0, white, true);
    const auto beside = openWindow(1, yellow);
    server.moveTo(1900, 400); // on the right output
    qputenv("VESPERON_TEST_IDLE_SCALE", "0.03"); // a minute lasts 1.8 s
    launch(R"({"idleBlackoutMinutes": 1, "idleBlackoutScope": "allButPointer"})");
    qunsetenv("VESPERON_TEST_IDLE_SCALE");
    // Where the server does not tell where the pointer is, every display goes dark.
    const char* status = traits.tellsPointerPosition ? "Blackout active: 1 of 2" : "Blackout active: 2 of 2";
    ASSERT_TRUE(spinUntil([&] { return statusStartsWith(status); })) << "the server's idle time";
    EXPECT_TRUE(dark(left));
    EXPECT_TRUE(traits.tellsPointerPosition ? shows(body(right), yellow) : dark(right)) << "the pointer's output";
    server.click(200, 300);
    // Said by the program itself: the next idle blackout may follow 1.8 s after the wake.
    EXPECT_TRUE(spinUntil([&] { return statusStartsWith("No blackout"); })) << "a click wakes it like any blackout";
    EXPECT_EQ(window->clicks, 0);
}

// Each monitor rests on its own: the pointer keeps working on the left one, the right one goes dark
// after the period and lights as the pointer crosses onto it.
TEST_F(Conformance, EachMonitorRestsOnItsOwnWhileThePointerWorksOnAnother)
{
    if (!traits.tellsPointerPosition)
        GTEST_SKIP() << "this server does not tell where the pointer is: every display but its own rests";
    const auto window = openWindow(0, yellow, true);
    const auto beside = openWindow(1, white);
    qputenv("VESPERON_TEST_IDLE_SCALE", "0.03"); // a minute lasts 1.8 s
    launch(R"({"idleBlackoutMinutes": 1, "idleBlackoutScope": "eachDisplay"})");
    qunsetenv("VESPERON_TEST_IDLE_SCALE");
    bool leftWentDark = false;
    int step = 0;
    ASSERT_TRUE(spinUntil([&] {
        server.moveTo(300 + 40 * (++step % 2), 300);
        leftWentDark |= !server.shows(left, yellow);
        return server.shows(right, black);
    })) << "the right monitor rests";
    EXPECT_FALSE(leftWentDark) << "the one worked on stays lit";
    EXPECT_TRUE(statusStartsWith("Blackout active: 1 of 2"));
    server.moveTo(1900, 400);
    EXPECT_TRUE(shows(body(right), white)) << "and lights as the pointer crosses";
    EXPECT_TRUE(shows(left, yellow));
}

TEST_F(Conformance, OnAPanelThatDrawsNoMenuALeftOrRightClickOpensOneThatWorks)
{
    if (!traits.opensMenusOfItsOwn)
        GTEST_SKIP() << "this desktop's tray extensions draw the exported menu themselves";
    const auto window = openWindow(0, white);
    launch();
    for (const char* click : {"Activate", "ContextMenu"}) {
        // The window has the keyboard back after the last wake. A click on it would make Qt ask to activate
        // it, which on Wayland is granted late: after the menu has taken the keyboard.
        if (!traits.placesWindows)
            window->activateWindow(); // without a window manager nothing else focuses it
        ASSERT_TRUE(spinUntil([&] { return window->isActiveWindow(); })) << click;
        tray->click(tray->items().at(0), QLatin1String(click), 1200, 10);
        ASSERT_TRUE(spinUntil([&] { return !window->isActiveWindow(); })) << click << ": no menu took the keyboard";
        EXPECT_TRUE(shows({980, 40, 300, 680}, white)) << click << ": the menu is a small window";
        server.typeKey(EvdevKey::down); // its first entry, Blackout All
        server.typeKey(EvdevKey::enter);
        EXPECT_TRUE(dark(left) && dark(right)) << click;
        server.click(1900, 400);
        EXPECT_TRUE(shows(body(left), white)) << click;
    }
    if (!traits.keysReachWindowWhileAllDark) {
        EXPECT_EQ(window->keys, 0);
    }
}

} // namespace
