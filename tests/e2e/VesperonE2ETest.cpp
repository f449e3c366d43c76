// What only an X server shows, with build/vesperon used as a user uses it: grabbed hotkeys and the
// keyboard's locks, a screen locker, stacking, a compositor, the command line, a lost server, no bus.
#include "conformance/Conformance.h"
#include "display/ScreenIdentity.h"
#include "support/XServer.h"

#include <QDBusConnection>
#include <QProcess>
#include <QWindow>

#include <nlohmann/json.hpp>

using namespace vesperon;
using namespace vesperon::testing;
using EvdevKey::a, EvdevKey::d, EvdevKey::one, EvdevKey::two, EvdevKey::three, EvdevKey::space, EvdevKey::escape,
    EvdevKey::numLock, EvdevKey::capsLock, EvdevKey::leftShift, EvdevKey::leftControl, EvdevKey::leftAlt,
    EvdevKey::leftSuper;

namespace {

constexpr std::uint16_t shiftSuper = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_4,
                        controlAlt = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;

// A window of the test's own fills each monitor; the left one has the keyboard.
struct VesperonE2E : Conformance {
    std::unique_ptr<Window> leftWindow = openWindow(0, yellow, true), rightWindow = openWindow(1, white, true);
    XClient client;

    VesperonE2E() { leftWindow->activateWindow(); }
    // Starts Vesperon and waits until it also holds its blackout-all hotkey.
    void start(const std::string& settings = "{}")
    {
        launch(settings);
        ASSERT_TRUE(holdsHotkey());
    }
    static bool holdsHotkey()
    {
        return spinUntil([] { return !XClient().grabKey(d, shiftSuper); });
    }
    bool lit() { return shows(left, yellow) && shows(right, white); }
    bool allDark() { return dark(left) && dark(right); }
    void pressBlackoutAll() { server.typeKey(d, {leftSuper, leftShift}); }
    Answer ask(const char* arguments, const char* busAddress = nullptr)
    {
        return home.command(QString::fromLatin1(arguments).split(QLatin1Char(' ')), busAddress);
    }
    int command(const char* arguments) { return ask(arguments).status; }
    static bool shown(const std::string& title)
    {
        return xvfb().run("xwininfo -name '" + title + "' 2>&1 | grep -q IsViewable") == 0;
    }
    static bool preferencesShown() { return shown("Vesperon Preferences"); }
};

} // namespace

TEST_F(VesperonE2E, HotkeysAndWakingWhateverHoldsTheKeyboard)
{
    // Qt names a virtual monitor after itself, and Xvfb's have no EDID.
    const auto ids = stableScreenIdentifiers({{"", "", "", "L"}, {"", "", "", "R"}});
    const std::string l = std::to_string(ids[0]), r = std::to_string(ids[1]);
    XClient other;
    ASSERT_TRUE(other.grabKey(three, controlAlt)) << "another program holds Control+Alt+3 first";
    start(R"({"wakeDelay": 3, "allowedWakeKeys": [], "displayToggleHotkeys": "{\")" + r
        + R"(\":{\"keyCode\":18,\"modifiers\":6144},\")" + l
        + R"(\":{\"keyCode\":20,\"modifiers\":6144}}", "displayKeepOnlyHotkeys": "{\")" + r
        + R"(\":{\"keyCode\":19,\"modifiers\":6144}}"})");
    ASSERT_TRUE(spinUntil([&] { return leftWindow->isActiveWindow(); }));

    EXPECT_TRUE(spinUntil([&] {
        return vesperon->output().contains(QStringLiteral("Ctrl+Alt+3 is taken by another program"));
    })) << "said once, at start";
    server.typeKey(three, {leftControl, leftAlt}); // left's toggle, refused: it goes to the other program
    server.typeKey(one, {leftControl, leftAlt}); // right's toggle
    EXPECT_TRUE(dark(right) && shows(left, yellow));
    server.typeKey(two, {leftControl, leftAlt}); // keep only the right monitor lit
    EXPECT_TRUE(dark(left) && shows(right, white));
    server.typeKey(one, {leftControl, leftAlt});
    EXPECT_TRUE(allDark());

    for (std::uint8_t key : {a, space})
        server.typeKey(key); // no key is an allowed wake key here
    {
        const auto locker = Window::at(Rect{100, 100, 10, 10}, 0x101010); // or a game: the whole keyboard
        ASSERT_TRUE(spinUntil([&] { return locker->windowHandle()->setKeyboardGrabEnabled(true); }));
        server.typeKey(escape, {leftControl, leftSuper});
        EXPECT_TRUE(lit()) << "the safety combination, through the locker's grab";
        locker->windowHandle()->setKeyboardGrabEnabled(false);
    }

    server.typeKey(numLock);
    pressBlackoutAll();
    EXPECT_TRUE(allDark()) << "with Num Lock on";
    server.typeKey(numLock);
    server.typeKey(capsLock);
    pressBlackoutAll();
    EXPECT_TRUE(lit()) << "with Caps Lock on; a blackout-all during a blackout wakes";
    server.typeKey(capsLock);

    server.key(leftShift, true), server.key(leftSuper, true);
    for (int press = 0; press < 2; ++press)
        server.key(d, true); // held: the second press is the keyboard's auto-repeat
    server.key(d, false), server.key(leftSuper, false), server.key(leftShift, false);
    EXPECT_TRUE(allDark()) << "a held hotkey acts once";
    pressBlackoutAll();
    ASSERT_TRUE(lit());
    EXPECT_EQ(leftWindow->typed, "a ") << "what is not Vesperon's reaches the window in front, and only that";

    // Num Lock moves to another modifier: Vesperon grabs its hotkeys again with the new one.
    ASSERT_EQ(xvfb().run("xmodmap -e 'clear mod2' -e 'add mod3 = Num_Lock'"), 0);
    EXPECT_TRUE(spinUntil([&] { return XClient().grabKey(d, shiftSuper | XCB_MOD_MASK_2); }))
        << "the grab made with the old Num Lock modifier is released";
    server.typeKey(numLock);
    pressBlackoutAll();
    EXPECT_TRUE(allDark()) << "with Num Lock on, now on Mod3";
}

TEST_F(VesperonE2E, BlackWindowsStayOnTopTakeClicksAndNeverTheFocus)
{
    start();
    ASSERT_EQ(command("--blackout R"), 0); // one black window kept on top
    ASSERT_TRUE(dark(right));
    client.createPopup(Rect{1500, 200, 300, 200}, 0x3a5f8a); // not a Qt window: those show black until painted
    EXPECT_TRUE(spinUntil([&] { return client.pixel(1650, 300) == black; })) << "raised above a popup mapped later";
    server.click(1920, 400);
    ASSERT_TRUE(lit());
    server.click(1920, 400);
    EXPECT_TRUE(spinUntil([&] { return rightWindow->clicks == 1; })) << "clicks on a lit monitor arrive";
    const xcb_window_t focus = client.inputFocus();

    // Input is watched from before the black shows: a click the moment it does wakes, every time.
    const auto blackNow = [&] { return client.pixel(640, 360) == black && client.pixel(1920, 360) == black; };
    for (int round = 0; round < 40; ++round) {
        pressBlackoutAll();
        const QDeadlineTimer deadline(8000);
        while (!blackNow() && !deadline.hasExpired()) {}
        ASSERT_FALSE(deadline.hasExpired()) << "no black within 8 s, round " << round;
        server.click(1920, 400, round % 2 ? EvdevButton::right : EvdevButton::left);
        ASSERT_TRUE(lit()) << "a click as the black appeared, round " << round;
    }
    EXPECT_EQ(rightWindow->clicks, 1) << "none of the clicks that woke went further";
    EXPECT_EQ(client.inputFocus(), focus) << "Vesperon never took the focus";
}

TEST_F(VesperonE2E, ACompositorShowsADimLevelAndNeitherDimsNorShadowsTheBlack)
{
    start();
    QProcess compositor; // settings users often have: inactive windows at 80 %, shadows
    compositor.start(QStringLiteral("picom"),
        QStringLiteral("--config /dev/null --backend xrender --inactive-opacity 0.8 --shadow --shadow-radius 12")
            .split(QLatin1Char(' ')));
    ASSERT_TRUE(compositor.waitForStarted(5000)) << "is picom installed?";
    ASSERT_TRUE(spinUntil([&] { return client.pixel(1920, 300) != white; })) << "it dims the unfocused window";
    const std::uint32_t besideBefore = client.pixel(1281, 300); // under the left window's own shadow
    const std::uint32_t beneath = client.pixel(640, 360);
    ASSERT_EQ(command("--dim 75% --blackout L"), 0);
    std::uint32_t seen = 0;
    const auto aQuarterOfIt = [&] {
        seen = client.pixel(640, 360);
        return std::ranges::all_of(std::array{16, 8, 0},
            [&](int shift) { return std::abs(int(seen >> shift & 0xff) - int(beneath >> shift & 0xff) / 4) <= 4; });
    };
    EXPECT_TRUE(spinUntil(aQuarterOfIt)) << std::hex << seen << ": a quarter of " << beneath;
    EXPECT_EQ(client.pixel(1281, 300), besideBefore) << "no shadow of its own on the lit monitor";
    ASSERT_EQ(command("--dim 1"), 0);
    EXPECT_TRUE(dark(left)) << "opaque, though inactive windows are at 80 %";
    ASSERT_EQ(command("--dim 0.75"), 0);
    compositor.kill(), compositor.waitForFinished(5000);
    EXPECT_TRUE(dark(left)) << "black again when the compositor goes";
}

// What each command does is proved in the units; here, that the command line reaches the running
// program, and the exit statuses and single lines that scripts rely on.
TEST_F(VesperonE2E, TheCommandLineReachesTheRunningVesperonAndEndsWithAStatusScriptsCanUse)
{
    const auto failed = [&](const char* arguments, int status, const std::string& reason, const char* bus = nullptr) {
        const Answer said = ask(arguments, bus);
        const bool oneLine = said.out.empty() && said.errors.find(reason) != std::string::npos
            && std::ranges::count(said.errors, '\n') == 1;
        return (said.status == status && oneLine ? ::testing::AssertionSuccess() : ::testing::AssertionFailure())
            << "status " << said.status << ", printed: " << said.out << said.errors;
    };
    EXPECT_TRUE(failed("--status", 1, "Vesperon is not running; start it with 'vesperon'"));
    start();
    EXPECT_TRUE(failed("--blackout DP-9", 2, "no display \"DP-9\"; the displays are: 1 L, 2 R\n"));
    EXPECT_TRUE(failed("--wake", 3, "cannot connect to the D-Bus session bus", "unix:path=/nonexistent/bus"));
    const auto ids = stableScreenIdentifiers({{"", "", "", "L"}, {"", "", "", "R"}});
    const auto report
        = nlohmann::json::parse(ask(("--blackout " + std::to_string(ids[1]) + " --status --json").c_str()).out);
    EXPECT_TRUE(report["active"] == true && report["displays"][1]["dark"] == true) << report.dump();
    EXPECT_TRUE(dark(right) && shows(left, yellow));

    // The state signal follows a hotkey, and a client during the blackout neither wakes it nor waits.
    ASSERT_EQ(command("--wake"), 0);
    QProcess monitor;
    monitor.start(QStringLiteral("dbus-monitor"), {QStringLiteral("type='signal',member='PropertiesChanged'")});
    QByteArray heard;
    ASSERT_TRUE(spinUntil([&] { return (heard += monitor.readAllStandardOutput()).contains("NameAcquired"); }));
    pressBlackoutAll();
    EXPECT_TRUE(
        spinUntil([&] { return (heard += monitor.readAllStandardOutput()).contains(QByteArray::number(ids[0])); }));
    EXPECT_EQ(command("--list-displays"), 0);
    EXPECT_TRUE(allDark());
    monitor.kill(), monitor.waitForFinished();

    ASSERT_EQ(command("--toggle"), 0);
    EXPECT_TRUE(lit());
    ASSERT_EQ(command("--preferences"), 0);
    EXPECT_TRUE(spinUntil(preferencesShown));
    VesperonProcess again(home, [](QProcessEnvironment& env) { env.insert("DESKTOP_STARTUP_ID", "dock-7_TIME1234"); });
    ASSERT_TRUE(again.waitForExit());
    EXPECT_EQ(xvfb().run("xprop -name 'Vesperon Preferences' _NET_STARTUP_ID | grep -q dock-7_TIME1234"), 0)
        << "a second start passes on the launcher's startup id to the window it raises";
    ASSERT_EQ(command("--quit"), 0);
    EXPECT_EQ(command("--status"), 1) << "gone from the bus when --quit returns";
    ASSERT_TRUE(vesperon->waitForExit());
    EXPECT_EQ(vesperon->process.exitCode(), 0);
}

TEST_F(VesperonE2E, ALostXServerEndsItWithOneLineAndStatusOneWhateverItWasDoing)
{
    // Each state is reached before the server goes: a --status after a command is answered a turn later.
    for (const char* doing : {"--status", "--blackout-all --status", "--preferences --status"}) {
        auto doomed = std::make_unique<XvfbServer>("1920x1080x24", false);
        VesperonProcess running(home, [&](QProcessEnvironment& environment) {
            environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(doomed->display()));
        });
        ASSERT_TRUE(spinUntil([&] { return command(doing) == 0; })) << doing;
        doomed.reset();
        ASSERT_TRUE(running.waitForExit()) << doing;
        EXPECT_EQ(running.process.exitStatus(), QProcess::NormalExit) << doing << ": no crash";
        EXPECT_EQ(running.process.exitCode(), 1) << doing;
        const QString said = running.output();
        EXPECT_TRUE(said.endsWith(QStringLiteral("Vesperon: lost the connection to the X server; quitting\n"))
            && said.count(QStringLiteral("X server")) == 1)
            << doing << ": " << said.toStdString();
    }
}

TEST_F(VesperonE2E, WithoutTheSessionBusOrItsNameItSaysSoOnceAndItsHotkeysWork)
{
    const QString name = QStringLiteral("io.github.vesperon.Vesperon");
    ASSERT_TRUE(QDBusConnection::sessionBus().registerService(name)); // as another program might
    for (const char* said : {"another program holds io.github.vesperon.Vesperon", "no D-Bus session bus"}) {
        VesperonProcess running(home, [&](QProcessEnvironment& environment) {
            if (said[0] == 'n')
                environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        });
        ASSERT_TRUE(holdsHotkey()) << running.output().toStdString();
        EXPECT_TRUE(spinUntil([&] { return running.output().contains(QLatin1String(said)); }))
            << running.output().toStdString();
        pressBlackoutAll();
        EXPECT_TRUE(allDark()) << said;
        pressBlackoutAll();
        EXPECT_TRUE(shows(right, white));
        EXPECT_TRUE(said[0] == 'a' || spinUntil(preferencesShown))
            << "without a bus, no tray: the preferences stand in";
        EXPECT_EQ(running.output().count(QLatin1String(said)), 1);
    }
    QDBusConnection::sessionBus().unregisterService(name);
}

TEST_F(VesperonE2E, AtTwiceTheScaleTheBlackStillCoversEveryPixelOfItsMonitor)
{
    launch("{}", [](QProcessEnvironment& environment) {
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    });
    ASSERT_EQ(command("--blackout R"), 0);
    EXPECT_TRUE(dark(right)) << "edge to edge";
    EXPECT_TRUE(shows(left, yellow));
    const auto listed = nlohmann::json::parse(ask("--list-displays --json").out);
    EXPECT_TRUE(listed[1]["x"] == 1280 && listed[1]["width"] == 1280) << "in the server's pixels: " << listed.dump();
}

// In the session's language: the menu a panel draws (key names as Qt's translations write them), the
// preferences, the help and a notification; in a language it has no translation for, English.
TEST_F(VesperonE2E, ItSpeaksTheSessionsLanguageAndEnglishWhereItHasNone)
{
    struct Said {
        const char *language, *menu, *preferences, *help, *noTray;
    };
    for (const Said& said : {Said{"de_DE.UTF-8", "Alle abdunkeln\tUmschalt+Super+D", "Vesperon-Einstellungen",
                                 "Aufruf:", "Diese Arbeitsumgebung hat keinen Statusbereich"},
             Said{"xx_XX.UTF-8", "Blackout All\tShift+Super+D", "Vesperon Preferences",
                 "Usage:", "this desktop has no system tray"}}) {
        SCOPED_TRACE(said.language);
        home.language = said.language;
        tray.emplace();
        launch();
        EXPECT_TRUE(tray->menu(tray->items().constLast()).contains(QString::fromUtf8(said.menu)));
        ASSERT_EQ(command("--preferences"), 0);
        EXPECT_TRUE(spinUntil([&] { return shown(said.preferences); }));
        EXPECT_TRUE(ask("--help").out.starts_with(said.help));
        ASSERT_EQ(command("--quit"), 0);
        ASSERT_TRUE(vesperon->waitForExit());

        tray.reset(); // the notification that no tray stands in
        launch();
        EXPECT_TRUE(spinUntil([&] { return vesperon->output().contains(QString::fromUtf8(said.noTray)); }));
        ASSERT_EQ(command("--quit"), 0);
        ASSERT_TRUE(vesperon->waitForExit());
    }
}
