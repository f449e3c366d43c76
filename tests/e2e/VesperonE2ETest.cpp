// build/vesperon itself on a private Xvfb with two monitors and a real tray (trayer), used as a
// user uses it: hotkeys, clicks, the tray menu, the keyboard, signals. Every wait is on a condition.
#include "display/ScreenIdentity.h"
#include "support/QtSpin.h"
#include "support/VesperonProcess.h"
#include "support/XServer.h"

#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <sys/stat.h>

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
        tray.start(QStringLiteral("trayer"),
            QStringLiteral("--edge top --align right --widthtype request --height 32").split(QLatin1Char(' ')));
        EXPECT_TRUE(tray.waitForStarted(5000)) << "is trayer installed?";
        EXPECT_TRUE(spinUntil([&] { return !client.findWindows("trayer").empty(); }));
    }
    ~VesperonE2E() override { tray.kill(), tray.waitForFinished(5000); }

    // Starts Vesperon and waits until its icon sits in the tray and it has finished launching.
    std::unique_ptr<VesperonProcess> launch(const std::function<void(QProcessEnvironment&)>& adjust = {})
    {
        auto vesperon = std::make_unique<VesperonProcess>(home, adjust);
        EXPECT_TRUE(spinUntil([&] { return !windows(isIcon).empty(); })) << vesperon->output().toStdString();
        EXPECT_TRUE(client.pingAnswered(windows(isIcon).at(0).id)) << "Vesperon does not answer";
        return vesperon;
    }

    static bool isIcon(const XClient::WindowInfo& w)
    {
        return w.frame.width > 1 && w.frame.width <= 64 && w.frame.height <= 64;
    }
    // Taller than the icon's tooltip, narrower than a black window.
    static bool isMenu(const XClient::WindowInfo& w)
    {
        return w.overrideRedirect && w.frame.width > 64 && w.frame.width < 1000 && w.frame.height >= 40;
    }
    static bool isPreferences(const XClient::WindowInfo& w)
    {
        return !w.overrideRedirect && w.frame.width >= 300 && w.frame.height >= 300;
    }
    std::vector<XClient::WindowInfo> windows(bool (*kind)(const XClient::WindowInfo&))
    {
        std::vector<XClient::WindowInfo> found;
        for (const auto& window : client.findWindows("vesperon"))
            if (window.viewable && kind(window))
                found.push_back(window);
        return found;
    }

    // A monitor shows `rgb` well inside its edges.
    bool shows(const Rect& monitor, std::uint32_t rgb, int deadlineMs = 8000)
    {
        const Rect inside{monitor.x + 50, monitor.y + 100, monitor.width - 100, monitor.height - 150};
        return spinUntil([&] { return server.shows(inside, rgb); }, deadlineMs);
    }
    bool lit() { return shows(leftMonitor, red) && shows(rightMonitor, green); }
    bool dark() { return shows(leftMonitor, black) && shows(rightMonitor, black); }

    void pressBlackoutAll() { server.typeKey(d, {leftSuper, leftShift}); }

    Answer command(const QStringList& arguments, const char* busAddress = nullptr)
    {
        return home.command(arguments, busAddress);
    }
    // A failure says why in one line, with the status a script can rely on.
    static ::testing::AssertionResult failed(const Answer& answer, int status, const std::string& reason)
    {
        if (answer.status == status && answer.out.empty() && answer.errors.find(reason) != std::string::npos
            && std::ranges::count(answer.errors, '\n') == 1)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
            << "status " << answer.status << ", printed: " << answer.out << answer.errors;
    }

    // A menu may stay mapped, or keep the keyboard, a moment after its action: a click or a key
    // now would go to it.
    bool menuClosed()
    {
        return spinUntil([&] { return windows(isMenu).empty() && !client.keyboardGrabbedAway(); });
    }

    // Opens the tray menu and walks it with the keyboard.
    void menu(std::initializer_list<std::uint32_t> keys)
    {
        ASSERT_TRUE(menuClosed());
        // Each click lands on another point of the icon, so that no two make a double click.
        const auto icon = windows(isIcon).at(0).frame;
        const int dx = (clicks++ % 2) * 14 - 7;
        server.click(static_cast<int>(icon.x + icon.width / 2) + dx, static_cast<int>(icon.y + icon.height / 2));
        const bool open = spinUntil([&] { return windows(isMenu).size() == 1 && client.keyboardGrabbedAway(); });
        ASSERT_TRUE(open) << "the menu did not open: " << windows(isMenu).size() << " menu windows shown, the keyboard "
                          << (client.keyboardGrabbedAway() ? "grabbed" : "not grabbed") << ", the focus on "
                          << client.inputFocus() << " (the first test window is " << leftWindow << ")";
        server.moveTo(100, 900); // off the menu, which opened under the pointer: no item is hovered
        for (std::uint32_t key : keys) {
            server.typeKey(key);
            if (key == right) {
                ASSERT_TRUE(spinUntil([&] { return windows(isMenu).size() == 2; })) << "the submenu did not open";
            }
        }
    }

    XvfbServer& server = xvfb();
    XClient client;
    int clicks = 0;
    xcb_window_t leftWindow = 0, rightWindow = 0;
    QProcess tray;
    VesperonHome home;
};

} // namespace

TEST_F(VesperonE2E, TheTrayMenuBlacksOutAMonitorOpensThePreferencesAndQuits)
{
    auto vesperon = launch();
    menu({down, down, right, down}); // Blackout All, Blackout Display ›, the second monitor
    server.typeKey(enter);
    // Even on a busy machine, where the input watch may read the Return after the blackout began.
    EXPECT_TRUE(shows(rightMonitor, black) && shows(leftMonitor, red));
    ASSERT_TRUE(menuClosed());
    pressBlackoutAll(); // wakes all; so would the next click, but a turn later than the menu is built
    ASSERT_TRUE(shows(rightMonitor, green));

    menu({down, down, down, down, enter}); // "Preferences...": the disabled "Wake All Displays" is skipped
    ASSERT_TRUE(spinUntil([&] {
        return !windows(isPreferences).empty() && client.inputFocus() == windows(isPreferences)[0].id;
    })) << "the preferences window did not open with the focus";
    EXPECT_EQ(client.title(windows(isPreferences).at(0).id), "Vesperon Preferences");
    client.setInputFocus(leftWindow);
    menu({down, down, down, down, down, enter}); // "Quit Vesperon"
    ASSERT_TRUE(vesperon->waitForExit());
    EXPECT_TRUE(vesperon->process.exitStatus() == QProcess::NormalExit && vesperon->process.exitCode() == 0);
}

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
    ASSERT_EQ(command({QStringLiteral("--blackout"), QStringLiteral("R")}).status, 0); // one black window kept on top
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

TEST_F(VesperonE2E, ACompositorNeitherDimsTheBlackoutNorShadowsTheLitMonitor)
{
    QProcess compositor; // settings users often have: inactive windows at 80 %, shadows
    compositor.start(QStringLiteral("picom"),
        QStringLiteral("--config /dev/null --backend xrender --inactive-opacity 0.8 "
                       "--shadow --shadow-radius 12")
            .split(QLatin1Char(' ')));
    ASSERT_TRUE(compositor.waitForStarted(5000)) << "is picom installed?";
    ASSERT_TRUE(spinUntil([&] { return client.pixel(2880, 500) != green; }))
        << "it dims the unfocused window: it composites";
    const std::uint32_t besideBefore = client.pixel(1921, 500); // under the red window's own shadow
    auto vesperon = launch();
    ASSERT_EQ(command({QStringLiteral("--blackout"), QStringLiteral("L")}).status, 0);
    EXPECT_TRUE(shows(leftMonitor, black)) << "opaque: nothing shows through";
    EXPECT_EQ(client.pixel(1921, 500), besideBefore) << "no shadow of its own on the lit monitor";
    compositor.kill(), compositor.waitForFinished(5000);
}

TEST_F(VesperonE2E, ADimLevelLetsTheRestThroughWhereACompositorRunsAndStaysBlackWithout)
{
    client.createWindow(leftMonitor, 0xffffff);
    auto vesperon = launch();
    ASSERT_EQ(
        command({QStringLiteral("--dim"), QStringLiteral("75%"), QStringLiteral("--blackout"), QStringLiteral("L")})
            .status,
        0);
    EXPECT_TRUE(shows(leftMonitor, black)) << "nothing composites: black";

    QProcess compositor;
    compositor.start(
        QStringLiteral("picom"), QStringLiteral("--config /dev/null --backend xrender").split(QLatin1Char(' ')));
    ASSERT_TRUE(compositor.waitForStarted(5000)) << "is picom installed?";
    std::uint32_t seen = 0;
    const auto quarterWhite = [&] {
        seen = client.pixel(960, 540);
        return std::ranges::all_of(std::array{seen >> 16, (seen >> 8) & 0xff, seen & 0xff},
            [](std::uint32_t c) { return c >= 0x3c && c <= 0x44; });
    };
    EXPECT_TRUE(spinUntil(quarterWhite)) << std::hex << seen << ": a quarter of the white beneath";
    EXPECT_TRUE(shows(rightMonitor, green)) << "the lit monitor untouched";
    compositor.kill(), compositor.waitForFinished(5000);
    EXPECT_TRUE(shows(leftMonitor, black)) << "black again when the compositor goes";
}

TEST_F(VesperonE2E, WithoutATrayThePreferencesStandIn)
{
    tray.kill();
    tray.waitForFinished(5000);
    ASSERT_TRUE(spinUntil([&] { return client.findWindows("trayer").empty(); }));
    VesperonProcess trayless(home);
    EXPECT_TRUE(spinUntil([&] { return trayless.output().contains(QStringLiteral("no system tray")); }));
    ASSERT_TRUE(spinUntil([&] { return !windows(isPreferences).empty(); }));
    EXPECT_TRUE(client.pingAnswered(windows(isPreferences).at(0).id));
    pressBlackoutAll();
    EXPECT_TRUE(dark()) << "the hotkeys work without a tray";
    pressBlackoutAll();
    EXPECT_TRUE(shows(rightMonitor, green)) << "the preferences window covers the middle of the left one";
    EXPECT_TRUE(spinUntil([&] { return client.pixel(100, 1000) == red; }));
    tray.start(
        QStringLiteral("trayer"), QStringLiteral("--edge top --align right --height 32").split(QLatin1Char(' ')));
    EXPECT_TRUE(spinUntil([&] { return windows(isPreferences).empty(); })) << "the stand-in goes when a tray appears";
}

TEST_F(VesperonE2E, TheCommandLineDrivesTheRunningVesperonOverTheSessionBus)
{
    EXPECT_TRUE(failed(command({QStringLiteral("--status")}), 1, "Vesperon is not running; start it with 'vesperon'"));
    auto vesperon = launch();
    const auto ids = stableScreenIdentifiers({{"", "", "", "L"}, {"", "", "", "R"}});
    ASSERT_EQ(
        command({QStringLiteral("--keep-only=R"), QStringLiteral("--toggle-display"), QString::number(ids[1])}).status,
        0);
    EXPECT_TRUE(dark()) << "keep only the second lit, then toggle it by its identifier";
    const auto report = nlohmann::json::parse(command(
        {QStringLiteral("--wake-display"), QStringLiteral("l"), QStringLiteral("--status"), QStringLiteral("--json")})
                                                  .out);
    EXPECT_TRUE(
        report["active"] == true && report["displays"][0]["dark"] == false && report["displays"][1]["dark"] == true)
        << report.dump();
    EXPECT_TRUE(shows(leftMonitor, red) && shows(rightMonitor, black));

    EXPECT_TRUE(failed(command({QStringLiteral("--blackout"), QStringLiteral("DP-9")}), 2,
        "no display \"DP-9\"; the displays are: 1 L, 2 R\n"));
    const Answer unknown = command({QStringLiteral("--blackuot"), QStringLiteral("L")});
    EXPECT_TRUE(
        unknown.status == 2 && unknown.errors.starts_with("vesperon: unknown option '--blackuot'\nUsage: vesperon ["));
    EXPECT_TRUE(failed(command({QStringLiteral("--wake")}, "unix:path=/nonexistent/bus"), 3,
        "cannot connect to the D-Bus session bus"));

    // The state signal follows a hotkey, and a client during the blackout neither wakes it nor waits.
    ASSERT_EQ(command({QStringLiteral("--wake")}).status, 0);
    QProcess monitor;
    monitor.start(QStringLiteral("dbus-monitor"), {QStringLiteral("type='signal',member='PropertiesChanged'")});
    QByteArray heard;
    ASSERT_TRUE(spinUntil([&] { return (heard += monitor.readAllStandardOutput()).contains("NameAcquired"); }));
    pressBlackoutAll();
    EXPECT_TRUE(
        spinUntil([&] { return (heard += monitor.readAllStandardOutput()).contains(QByteArray::number(ids[0])); }));
    EXPECT_EQ(command({QStringLiteral("--list-displays")}).status, 0);
    EXPECT_TRUE(dark());
    monitor.kill(), monitor.waitForFinished();

    ASSERT_EQ(command({QStringLiteral("--toggle")}).status, 0);
    EXPECT_TRUE(lit());
    ASSERT_EQ(command({QStringLiteral("--preferences")}).status, 0);
    EXPECT_TRUE(spinUntil([&] { return !windows(isPreferences).empty(); }));
    ASSERT_EQ(command({QStringLiteral("--quit")}).status, 0);
    EXPECT_EQ(command({QStringLiteral("--status")}).status, 1) << "gone from the bus when --quit returns";
    ASSERT_TRUE(vesperon->waitForExit());
    EXPECT_EQ(vesperon->process.exitCode(), 0);
}

TEST_F(VesperonE2E, ALostXServerEndsItWithOneLineAndStatusOneWhateverItWasDoing)
{
    // Each state is reached before the server goes: a --status after a command is answered a turn later.
    const QStringList idle{QStringLiteral("--status")},
        dark{QStringLiteral("--blackout-all"), QStringLiteral("--status")},
        preferences{QStringLiteral("--preferences"), QStringLiteral("--status")};
    for (const QStringList& arguments : {idle, dark, preferences, idle, dark, preferences}) {
        const std::string doing = arguments.join(QLatin1Char(' ')).toStdString();
        auto doomed = std::make_unique<XvfbServer>("1920x1080x24", false);
        VesperonProcess vesperon(home, [&](QProcessEnvironment& environment) {
            environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(doomed->display()));
        });
        ASSERT_TRUE(spinUntil([&] { return command(arguments).status == 0; })) << doing;
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
    EXPECT_TRUE(spinUntil([&] { return windows(isIcon).size() == 1; })) << "the one left runs";
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
        auto vesperon = launch([&](QProcessEnvironment& environment) {
            if (said[0] == 'n')
                environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        });
        EXPECT_TRUE(spinUntil([&] { return vesperon->output().contains(QLatin1String(said)); }))
            << vesperon->output().toStdString();
        pressBlackoutAll();
        EXPECT_TRUE(dark()) << said;
        pressBlackoutAll();
        EXPECT_TRUE(lit()) << said;
        EXPECT_EQ(vesperon->output().count(QLatin1String(said)), 1);
    }
    QDBusConnection::sessionBus().unregisterService(name);
}

TEST_F(VesperonE2E, AtTwiceTheScaleTheBlackStillCoversEveryPixelOfItsMonitor)
{
    auto vesperon = launch([](QProcessEnvironment& environment) {
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    });
    ASSERT_EQ(command({QStringLiteral("--blackout"), QStringLiteral("R")}).status, 0);
    EXPECT_TRUE(spinUntil([&] { return server.shows(rightMonitor, black); })) << "edge to edge";
    EXPECT_TRUE(shows(leftMonitor, red));
}
