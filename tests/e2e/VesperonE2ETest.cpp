// build/vesperon itself on a private Xvfb with two monitors and a tray on the session bus, used as
// a user uses it: hotkeys, clicks, the keyboard, a compositor, the command line, a lost server.
#include "display/ScreenIdentity.h"
#include "support/QtSpin.h"
#include "support/StatusNotifierWatcher.h"
#include "support/VesperonProcess.h"
#include "support/XServer.h"

#include <QDBusConnection>
#include <QProcess>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace vesperon;
using namespace vesperon::testing;
using namespace vesperon::testing::EvdevKey;
namespace fs = std::filesystem;

namespace {

constexpr Rect leftMonitor{0, 0, 1920, 1080}, rightMonitor{1920, 0, 1920, 1080};
constexpr std::uint32_t red = 0x3a5f8a, green = 0x4f7f6a, black = 0, yellow = 0xe0d020;
constexpr std::uint16_t shiftSuper = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_4,
                        controlAlt = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;

struct VesperonE2E : ::testing::Test {
    VesperonE2E()
    {
        server.setOutputMode(5760, 1440);
        server.setMonitor("L", leftMonitor, true);
        server.setMonitor("R", rightMonitor);
        leftWindow = client.createWindow(leftMonitor, red);
        rightWindow = client.createWindow(rightMonitor, green);
        client.setInputFocus(leftWindow);
    }

    // Starts Vesperon and waits until it holds its hotkey and, unless kept off it, answers on the bus.
    std::unique_ptr<VesperonProcess> launch(const VesperonProcess::Adjust& adjust = {}, bool onTheBus = true)
    {
        auto vesperon = std::make_unique<VesperonProcess>(home, adjust);
        EXPECT_TRUE(spinUntil([&] {
            return !XClient().grabKey(d, shiftSuper) && (!onTheBus || home.statusStartsWith("No blackout"));
        })) << vesperon->output().toStdString();
        return vesperon;
    }
    // The preferences window, once shown.
    std::optional<XClient::WindowInfo> preferences()
    {
        for (const auto& window : client.findWindows("vesperon"))
            if (window.viewable && !window.overrideRedirect && window.frame.width >= 300)
                return window;
        return std::nullopt;
    }

    // A monitor shows `rgb` well inside its edges.
    bool shows(const Rect& monitor, std::uint32_t rgb)
    {
        const Rect inside{monitor.x + 50, monitor.y + 100, monitor.width - 100, monitor.height - 150};
        return spinUntil([&] { return server.shows(inside, rgb); });
    }
    bool lit() { return shows(leftMonitor, red) && shows(rightMonitor, green); }
    bool dark() { return shows(leftMonitor, black) && shows(rightMonitor, black); }

    void pressBlackoutAll() { server.typeKey(d, {leftSuper, leftShift}); }
    Answer ask(const char* arguments, const char* busAddress = nullptr)
    {
        return home.command(QString::fromLatin1(arguments).split(QLatin1Char(' ')), busAddress);
    }
    int command(const char* arguments) { return ask(arguments).status; }

    XvfbServer& server = xvfb();
    XClient client;
    xcb_window_t leftWindow = 0, rightWindow = 0;
    std::optional<StatusNotifierWatcher> tray{std::in_place}; // without one the preferences stand in
    VesperonHome home;
};

} // namespace

TEST_F(VesperonE2E, HotkeysAndWakingWhateverHoldsTheKeyboard)
{
    // Qt names a virtual monitor after itself, and Xvfb's have no EDID.
    const auto ids = stableScreenIdentifiers({{"", "", "", "L"}, {"", "", "", "R"}});
    const std::string l = std::to_string(ids[0]), r = std::to_string(ids[1]);
    home.writeSettings(R"({"wakeDelay": 3, "allowedWakeKeys": [], "ignoreMouseMovement": false,
        "displayToggleHotkeys": "{\")"
        + r + R"(\":{\"keyCode\":18,\"modifiers\":6144},\")" + l + R"(\":{\"keyCode\":20,\"modifiers\":6144}}",
        "displayKeepOnlyHotkeys": "{\")"
        + r + R"(\":{\"keyCode\":19,\"modifiers\":6144}}"})");
    XClient other;
    ASSERT_TRUE(other.grabKey(three, controlAlt)) << "another program holds Control+Alt+3 first";
    auto vesperon = launch();

    EXPECT_TRUE(spinUntil([&] {
        return vesperon->output().contains(QStringLiteral("Ctrl+Alt+3 is taken by another program"));
    })) << "said once, at start";
    server.typeKey(three, {leftControl, leftAlt}); // left's toggle, refused: it goes to the other program
    server.typeKey(one, {leftControl, leftAlt}); // right's toggle
    EXPECT_TRUE(shows(rightMonitor, black) && shows(leftMonitor, red));
    server.typeKey(two, {leftControl, leftAlt}); // keep only the right monitor lit
    EXPECT_TRUE(shows(leftMonitor, black) && shows(rightMonitor, green));
    server.typeKey(one, {leftControl, leftAlt});
    EXPECT_TRUE(dark());

    for (std::uint8_t key : {a, space})
        server.typeKey(key); // no key is an allowed wake key here
    {
        XClient locker; // a screen locker or a game grabs the whole keyboard
        ASSERT_TRUE(locker.grabKeyboard(locker.createWindow(Rect{0, 0, 10, 10}, 0x101010)));
        server.typeKey(escape, {leftControl, leftSuper});
        EXPECT_TRUE(lit()) << "the safety combination, through the locker's grab";
        locker.ungrabKeyboard();
    }

    server.typeKey(numLock);
    pressBlackoutAll();
    EXPECT_TRUE(dark()) << "with Num Lock on";
    server.typeKey(numLock);
    server.typeKey(capsLock);
    pressBlackoutAll();
    EXPECT_TRUE(lit()) << "with Caps Lock on; a blackout-all during a blackout wakes";
    server.typeKey(capsLock);

    server.key(leftShift, true), server.key(leftSuper, true);
    for (int press = 0; press < 2; ++press)
        server.key(d, true); // held: the second press is the keyboard's auto-repeat
    server.key(d, false), server.key(leftSuper, false), server.key(leftShift, false);
    EXPECT_TRUE(dark()) << "a held hotkey acts once";
    EXPECT_TRUE(home.statusStartsWith("Blackout active: 2 of 2"));
    pressBlackoutAll();
    ASSERT_TRUE(lit());

    std::vector<std::uint32_t> received;
    for (const auto& [key, state] : client.keyPresses(leftWindow))
        if (!std::set<std::uint32_t>{leftShift, leftControl, leftAlt, leftSuper, capsLock, numLock}.contains(key))
            received.push_back(key);
    EXPECT_EQ(received, (std::vector<std::uint32_t>{a, space})) << "what is not Vesperon's reaches the window in front";

    pressBlackoutAll();
    ASSERT_TRUE(dark());
    server.moveTo(2500, 500);
    EXPECT_TRUE(lit()) << "movement wakes, after the delay, when not ignored";

    // Num Lock moves to another modifier: Vesperon grabs its hotkeys again with the new one.
    ASSERT_EQ(server.run("xmodmap -e 'clear mod2' -e 'add mod3 = Num_Lock'"), 0);
    EXPECT_TRUE(spinUntil([&] { return XClient().grabKey(d, shiftSuper | XCB_MOD_MASK_2); }))
        << "the grab made with the old Num Lock modifier is released";
    server.typeKey(numLock);
    pressBlackoutAll();
    EXPECT_TRUE(dark()) << "with Num Lock on, now on Mod3";
}

TEST_F(VesperonE2E, BlackWindowsStayOnTopTakeClicksAndNeverTheFocus)
{
    auto vesperon = launch();
    ASSERT_EQ(command("--blackout R"), 0); // one black window kept on top
    ASSERT_TRUE(shows(rightMonitor, black));
    client.createWindow(Rect{2100, 300, 400, 200}, yellow, true); // a menu or a notification
    EXPECT_TRUE(spinUntil([&] { return client.pixel(2300, 400) == black; })) << "raised above a popup mapped later";

    server.click(2880, 700);
    EXPECT_TRUE(lit()) << "a click wakes";
    EXPECT_EQ(client.buttonPresses(rightWindow), 0) << "and stops at the black window";
    server.click(2880, 700);
    EXPECT_EQ(client.buttonPresses(rightWindow), 1) << "clicks on a lit monitor arrive";
    // Input is watched from before the black shows: a click the moment it does wakes, every time.
    const auto blackNow = [&] { return client.pixel(960, 540) == black && client.pixel(2880, 540) == black; };
    for (int round = 0; round < 40; ++round) {
        pressBlackoutAll();
        const QDeadlineTimer deadline(8000);
        while (!blackNow() && !deadline.hasExpired()) {}
        ASSERT_FALSE(deadline.hasExpired()) << "no black within 8 s, round " << round;
        server.click(2880, 700, round % 2 ? EvdevButton::right : EvdevButton::left);
        ASSERT_TRUE(lit()) << "a click as the black appeared, round " << round;
    }
    EXPECT_EQ(client.inputFocus(), leftWindow) << "Vesperon never took the focus";
}

TEST_F(VesperonE2E, ACompositorShowsADimLevelAndNeitherDimsNorShadowsTheBlack)
{
    client.createWindow(leftMonitor, 0xffffff);
    auto vesperon = launch();
    ASSERT_EQ(command("--dim 75% --blackout L"), 0);
    EXPECT_TRUE(shows(leftMonitor, black)) << "nothing composites: black";
    ASSERT_EQ(command("--wake"), 0);

    QProcess compositor; // settings users often have: inactive windows at 80 %, shadows
    compositor.start(QStringLiteral("picom"),
        QStringLiteral("--config /dev/null --backend xrender --inactive-opacity 0.8 --shadow --shadow-radius 12")
            .split(QLatin1Char(' ')));
    ASSERT_TRUE(compositor.waitForStarted(5000)) << "is picom installed?";
    ASSERT_TRUE(spinUntil([&] { return client.pixel(2880, 500) != green; })) << "it dims the unfocused window";
    const std::uint32_t besideBefore = client.pixel(1921, 500); // under the white window's own shadow
    const std::uint32_t beneath = client.pixel(960, 540); // the white, as the compositor dims it
    ASSERT_EQ(command("--blackout L"), 0);
    std::uint32_t seen = 0;
    const auto aQuarterOfIt = [&] {
        seen = client.pixel(960, 540);
        return std::ranges::all_of(std::array{16, 8, 0},
            [&](int shift) { return std::abs(int(seen >> shift & 0xff) - int(beneath >> shift & 0xff) / 4) <= 4; });
    };
    EXPECT_TRUE(spinUntil(aQuarterOfIt)) << std::hex << seen << ": a quarter of " << beneath;
    EXPECT_EQ(client.pixel(1921, 500), besideBefore) << "no shadow of its own on the lit monitor";
    ASSERT_EQ(command("--dim 1"), 0);
    EXPECT_TRUE(shows(leftMonitor, black)) << "opaque, though inactive windows are at 80 %";
    ASSERT_EQ(command("--dim 0.75"), 0);
    compositor.kill(), compositor.waitForFinished(5000);
    EXPECT_TRUE(shows(leftMonitor, black)) << "black again when the compositor goes";
}

TEST_F(VesperonE2E, WithoutATrayThePreferencesStandInUntilOneComes)
{
    tray.reset();
    VesperonProcess trayless(home);
    EXPECT_TRUE(spinUntil([&] { return trayless.output().contains(QStringLiteral("no system tray")); }));
    ASSERT_TRUE(spinUntil([&] { return preferences().has_value(); }));
    pressBlackoutAll();
    EXPECT_TRUE(dark()) << "the hotkeys work without a tray";
    pressBlackoutAll();
    EXPECT_TRUE(shows(rightMonitor, green)) << "the preferences window covers the middle of the left one";
    EXPECT_TRUE(spinUntil([&] { return client.pixel(100, 1000) == red; }));
    QProcess panel; // an X11 panel's tray (Qt on X11 takes a bus tray only when it starts)
    panel.start(QStringLiteral("trayer"), QStringLiteral("--edge top --align right --height 32").split(' '));
    ASSERT_TRUE(panel.waitForStarted(5000)) << "is trayer installed?";
    EXPECT_TRUE(spinUntil([&] { return !preferences(); })) << "the stand-in goes when a tray appears";
    panel.kill(), panel.waitForFinished(5000);
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
    auto vesperon = launch();
    EXPECT_TRUE(failed("--blackout DP-9", 2, "no display \"DP-9\"; the displays are: 1 L, 2 R\n"));
    EXPECT_TRUE(failed("--wake", 3, "cannot connect to the D-Bus session bus", "unix:path=/nonexistent/bus"));
    EXPECT_TRUE(ask("--blackuot").errors.starts_with("vesperon: unknown option '--blackuot'\nUsage: vesperon ["));
    const auto ids = stableScreenIdentifiers({{"", "", "", "L"}, {"", "", "", "R"}});
    const auto report
        = nlohmann::json::parse(ask(("--blackout " + std::to_string(ids[1]) + " --status --json").c_str()).out);
    EXPECT_TRUE(report["active"] == true && report["displays"][1]["dark"] == true) << report.dump();
    EXPECT_TRUE(shows(rightMonitor, black) && shows(leftMonitor, red));

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
    EXPECT_TRUE(dark());
    monitor.kill(), monitor.waitForFinished();

    ASSERT_EQ(command("--toggle"), 0);
    EXPECT_TRUE(lit());
    ASSERT_EQ(command("--preferences"), 0);
    EXPECT_TRUE(spinUntil([&] { return preferences().has_value(); }));
    ASSERT_EQ(command("--quit"), 0);
    EXPECT_EQ(command("--status"), 1) << "gone from the bus when --quit returns";
    ASSERT_TRUE(vesperon->waitForExit());
    EXPECT_EQ(vesperon->process.exitCode(), 0);
}

TEST_F(VesperonE2E, ALostXServerEndsItWithOneLineAndStatusOneWhateverItWasDoing)
{
    // Each state is reached before the server goes: a --status after a command is answered a turn later.
    for (const char* doing : {"--status", "--blackout-all --status", "--preferences --status", "--status",
             "--blackout-all --status", "--preferences --status"}) {
        auto doomed = std::make_unique<XvfbServer>("1920x1080x24", false);
        VesperonProcess vesperon(home, [&](QProcessEnvironment& environment) {
            environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(doomed->display()));
        });
        ASSERT_TRUE(spinUntil([&] { return command(doing) == 0; })) << doing;
        doomed.reset();
        ASSERT_TRUE(vesperon.waitForExit()) << doing;
        EXPECT_EQ(vesperon.process.exitStatus(), QProcess::NormalExit) << doing << ": no crash";
        EXPECT_EQ(vesperon.process.exitCode(), 1) << doing;
        const QString said = vesperon.output();
        EXPECT_TRUE(said.endsWith(QStringLiteral("Vesperon: lost the connection to the X server; quitting\n"))
            && said.count(QStringLiteral("X server")) == 1)
            << doing << ": " << said.toStdString();
    }
}

TEST_F(VesperonE2E, OneInstanceHoweverTheDisplayIsNamedAndWhereverTheRuntimeFolderIs)
{
    const std::string number = server.display().substr(1);
    fs::create_directories(home.path() / "read-only");
    fs::permissions(home.path() / "read-only", fs::perms::owner_read | fs::perms::owner_exec);
    const std::pair<std::string, std::optional<std::string>> variants[]
        = {{":" + number, home.path().string()}, {"unix:" + number, std::nullopt},
            {":" + number + ".0", "/nonexistent"}, {":" + number, (home.path() / "read-only").string()}};
    std::vector<std::unique_ptr<VesperonProcess>> started;
    for (const auto& [display, runtime] : variants) { // all at once
        started.push_back(std::make_unique<VesperonProcess>(home, [&](QProcessEnvironment& environment) {
            environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display));
            if (runtime)
                environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(*runtime));
            else
                environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        }));
    }
    const auto exited = [&] {
        return std::ranges::count_if(started, [](auto& v) { return v->process.state() == QProcess::NotRunning; });
    };
    ASSERT_TRUE(spinUntil([&] { return exited() == 3; }));
    EXPECT_TRUE(spinUntil([&] { return home.statusStartsWith("No blackout"); })) << "the one left runs";
    for (auto& vesperon : started) {
        if (vesperon->process.state() == QProcess::NotRunning) {
            EXPECT_EQ(vesperon->process.exitCode(), 0);
            EXPECT_TRUE(vesperon->output().startsWith(QStringLiteral("Vesperon is already running")))
                << vesperon->output().toStdString();
        }
    }
    EXPECT_EQ(exited(), 3);
}

TEST_F(VesperonE2E, WithoutTheSessionBusOrItsNameItSaysSoOnceAndItsHotkeysWork)
{
    const QString name = QStringLiteral("io.github.vesperon.Vesperon");
    ASSERT_TRUE(QDBusConnection::sessionBus().registerService(name)); // as another program might
    for (const char* said : {"another program holds io.github.vesperon.Vesperon", "no D-Bus session bus"}) {
        auto vesperon = launch(
            [&](QProcessEnvironment& environment) {
                if (said[0] == 'n')
                    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
            },
            false);
        EXPECT_TRUE(spinUntil([&] { return vesperon->output().contains(QLatin1String(said)); }))
            << vesperon->output().toStdString();
        pressBlackoutAll();
        EXPECT_TRUE(dark()) << said;
        pressBlackoutAll();
        EXPECT_TRUE(shows(rightMonitor, green)) << said << " (without a bus, no tray: the preferences stand in)";
        EXPECT_EQ(vesperon->output().count(QLatin1String(said)), 1);
    }
    QDBusConnection::sessionBus().unregisterService(name);
}

TEST_F(VesperonE2E, AtTwiceTheScaleTheBlackStillCoversEveryPixelOfItsMonitor)
{
    auto vesperon = launch([](QProcessEnvironment& environment) {
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    });
    ASSERT_EQ(command("--blackout R"), 0);
    EXPECT_TRUE(spinUntil([&] { return server.shows(rightMonitor, black); })) << "edge to edge";
    EXPECT_TRUE(shows(leftMonitor, red));
    const auto listed = nlohmann::json::parse(ask("--list-displays --json").out);
    EXPECT_TRUE(listed[1]["x"] == 1920 && listed[1]["width"] == 1920) << "in the server's pixels: " << listed.dump();
}
