// build/vesperon itself on a private Xvfb with two monitors and a real tray (trayer), driven like a
// user drives it: clicks on the tray icon, the keyboard, hotkeys and signals.
#include "support/QtSpin.h"
#include "support/TemporaryFolder.h"
#include "support/VesperonProcess.h"
#include "support/XClient.h"
#include "x11/TestServer.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace vesperon;
using namespace vesperon::testing;
namespace fs = std::filesystem;

namespace {

constexpr Rect left{0, 0, 1920, 1080};
constexpr Rect right{1920, 0, 1920, 1080};
constexpr std::uint32_t red = 0x3a5f8a, green = 0x4f7f6a, black = 0; // the two desktops, as a user sees them
constexpr std::uint8_t keyD = 40, down = 116, rightArrow = 114, returnKey = 36;

class VesperonE2E : public ::testing::Test {
protected:
    void SetUp() override
    {
        testServer().setOutputMode(5760, 1440);
        testServer().setMonitor("L", left, true);
        testServer().setMonitor("R", right);
        client.createWindow(left, red);
        client.createWindow(right, green);
        tray.start(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                                               QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("request"),
                                               QStringLiteral("--height"), QStringLiteral("32"), QStringLiteral("--SetDockType"),
                                               QStringLiteral("true")});
        ASSERT_TRUE(tray.waitForStarted(5000)) << "is trayer installed?";
        ASSERT_TRUE(spinUntil([&] { return !client.findWindows("trayer").empty(); }));
    }

    void TearDown() override
    {
        tray.kill();
        tray.waitForFinished(5000);
    }

    // Starts Vesperon and waits until its icon sits in the tray.
    std::unique_ptr<VesperonProcess> launch()
    {
        auto vesperon = std::make_unique<VesperonProcess>(home);
        vesperon->start();
        EXPECT_TRUE(spinUntil([&] { return trayIcon().has_value(); })) << vesperon->output().toStdString();
        spinFor(200); // the launch finishes on the first turn after the icon appears
        return vesperon;
    }

    std::optional<XClient::WindowInfo> trayIcon()
    {
        for (const auto& window : client.findWindows("vesperon")) {
            if (window.viewable && window.frame.width <= 64 && window.frame.height <= 64 && window.frame.width > 1)
                return window;
        }
        return std::nullopt;
    }

    std::optional<XClient::WindowInfo> openMenu()
    {
        for (const auto& window : client.findWindows("vesperon")) {
            if (window.viewable && window.overrideRedirect && window.frame.height > 100 && window.frame.height < 1000)
                return window;
        }
        return std::nullopt;
    }

    // Points well inside a monitor, clear of the tray at the top.
    bool shows(const Rect& monitor, std::uint32_t colour)
    {
        return spinUntil([&] {
            for (int dx : {50, 960, 1870})
                for (int dy : {100, 540, 1030})
                    if (client.pixel(static_cast<int>(monitor.x) + dx, static_cast<int>(monitor.y) + dy) != colour)
                        return false;
            return true;
        }, 8000);
    }

    void pressBlackoutAll() { client.typeKey(keyD, {X11Key::super, X11Key::shift}); }

    void clickTrayIcon()
    {
        const auto icon = trayIcon();
        ASSERT_TRUE(icon);
        client.click(static_cast<int>(icon->frame.x + icon->frame.width / 2), static_cast<int>(icon->frame.y + icon->frame.height / 2));
    }

    std::optional<XClient::WindowInfo> preferencesWindow()
    {
        for (const auto& window : client.findWindows("vesperon")) {
            if (window.viewable && !window.overrideRedirect && window.frame.width >= 300 && window.frame.height >= 300)
                return window;
        }
        return std::nullopt;
    }

    // Opens "Preferences..." from the tray menu with the keyboard and waits for the window.
    std::optional<XClient::WindowInfo> openPreferences()
    {
        clickTrayIcon();
        spinFor(300);
        // Blackout All, Blackout Display, Keep Only This Display, (Wake All Displays is disabled), Preferences...
        for (std::uint8_t key : {down, down, down, down, returnKey}) {
            client.typeKey(key);
            spinFor(60);
        }
        spinUntil([&] { return preferencesWindow().has_value(); });
        spinFor(300); // let it take the focus
        return preferencesWindow();
    }

    XClient client;
    QProcess tray;
    TemporaryFolder folder{"e2e"};
    fs::path home = folder.path();
};

} // namespace

TEST_F(VesperonE2E, TheTrayMenuBlacksOutExactlyTheChosenMonitor)
{
    auto vesperon = launch();
    clickTrayIcon();
    ASSERT_TRUE(spinUntil([&] { return openMenu().has_value(); })) << "the menu did not open";
    // "Blackout All", then "Blackout Display", into its submenu, the second monitor.
    for (std::uint8_t key : {down, down, rightArrow, down}) {
        client.typeKey(key);
        spinFor(60);
    }
    if (const char* dir = std::getenv("VESPERON_SCREENSHOT_DIR")) {
        const auto menu = *openMenu();
        QProcess::execute(QStringLiteral(SCREENSHOT_TOOL),
            {QString::fromLocal8Bit(dir) + QStringLiteral("/tray-menu.png"), QString::number(menu.frame.x - 420),
                QString::number(0), QString::number(menu.frame.width + 460), QString::number(menu.frame.y + menu.frame.height + 20)});
    }
    client.typeKey(returnKey);
    EXPECT_TRUE(shows(right, black));
    EXPECT_TRUE(shows(left, red));
}

TEST_F(VesperonE2E, SuperShiftDBlacksOutBothMonitorsAndAClickWakesThem)
{
    auto vesperon = launch();
    pressBlackoutAll();
    EXPECT_TRUE(shows(left, black));
    EXPECT_TRUE(shows(right, black));
    client.click(2500, 500);
    EXPECT_TRUE(shows(left, red));
    EXPECT_TRUE(shows(right, green));
}

TEST_F(VesperonE2E, TerminationSignalsDuringABlackoutEndCleanlyWithEveryMonitorLit)
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        auto vesperon = launch();
        pressBlackoutAll();
        ASSERT_TRUE(shows(right, black)) << strsignal(signal);
        vesperon->sendSignal(signal);
        ASSERT_TRUE(vesperon->waitForExit()) << strsignal(signal);
        EXPECT_TRUE(vesperon->exitedNormally()) << strsignal(signal);
        EXPECT_EQ(vesperon->exitCode(), 0) << strsignal(signal);
        EXPECT_TRUE(shows(left, red)) << strsignal(signal);
        EXPECT_TRUE(shows(right, green)) << strsignal(signal);
    }
}

TEST_F(VesperonE2E, WithoutATrayVesperonSaysSoOpensThePreferencesAndKeepsItsHotkeys)
{
    tray.kill();
    tray.waitForFinished(5000);
    ASSERT_TRUE(spinUntil([&] { return client.findWindows("trayer").empty(); }));
    VesperonProcess vesperon(home);
    vesperon.start();
    EXPECT_TRUE(spinUntil([&] { return vesperon.output().contains(QStringLiteral("no system tray")); }));
    EXPECT_TRUE(spinUntil([&] { return preferencesWindow().has_value(); })) << "the preferences window stands in for the menu";
    pressBlackoutAll();
    EXPECT_TRUE(shows(right, black));
    pressBlackoutAll();
    EXPECT_TRUE(shows(right, green));
}

TEST_F(VesperonE2E, EvenAKilledVesperonLeavesNoMonitorDark)
{
    auto vesperon = launch();
    pressBlackoutAll();
    ASSERT_TRUE(shows(left, black));
    vesperon->sendSignal(SIGKILL);
    ASSERT_TRUE(vesperon->waitForExit());
    EXPECT_TRUE(shows(left, red));
    EXPECT_TRUE(shows(right, green));
}

TEST_F(VesperonE2E, ASecondInstanceSaysSoAndLeavesTheFirstWorking)
{
    auto first = launch();
    VesperonProcess second(home);
    second.start();
    ASSERT_TRUE(second.waitForExit());
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.output().startsWith(QStringLiteral("Vesperon is already running"))) << second.output().toStdString();
    EXPECT_EQ(second.output().count(QLatin1Char('\n')), 1);

    EXPECT_TRUE(first->isRunning());
    pressBlackoutAll();
    EXPECT_TRUE(shows(left, black));
    pressBlackoutAll();
    EXPECT_TRUE(shows(left, red));
}

namespace {

constexpr std::uint8_t tab = 23, space = 65, key1 = 10;

std::string readFile(const fs::path& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TEST_F(VesperonE2E, AToggleHotkeyRecordedInThePreferencesWorksAndSurvivesARestart)
{
    auto vesperon = launch();
    const auto window = openPreferences();
    ASSERT_TRUE(window) << "the preferences window did not open";
    if (const char* dir = std::getenv("VESPERON_SCREENSHOT_DIR")) {
        QProcess::execute(QStringLiteral(SCREENSHOT_TOOL),
            {QString::fromLocal8Bit(dir) + QStringLiteral("/preferences.png"), QString::number(window->frame.x),
                QString::number(window->frame.y), QString::number(window->frame.width), QString::number(window->frame.height)});
    }
    // Focus starts on the blackout-all "Set"; then its "Clear", the first monitor's two "Set"s, and
    // the second monitor's toggle "Set".
    for (int i = 0; i < 4; ++i)
        client.typeKey(tab);
    client.typeKey(space);
    spinFor(200);
    client.typeKey(key1, {X11Key::control, X11Key::alt});
    spinFor(300);

    client.typeKey(key1, {X11Key::control, X11Key::alt});
    EXPECT_TRUE(shows(right, black));
    EXPECT_NE(client.pixel(1800, 1000), black) << "the left monitor (with the preferences window) stays lit";
    const std::string settings = readFile(home / "config" / "vesperon" / "settings.json");
    EXPECT_NE(settings.find(R"(\"keyCode\":18,\"modifiers\":6144)"), std::string::npos) << settings;

    client.typeKey(key1, {X11Key::control, X11Key::alt});
    ASSERT_TRUE(shows(right, green));
    vesperon->sendSignal(SIGTERM);
    ASSERT_TRUE(vesperon->waitForExit());
    vesperon = launch();
    client.typeKey(key1, {X11Key::control, X11Key::alt});
    EXPECT_TRUE(shows(right, black)) << "the hotkey came back with the program";
    EXPECT_TRUE(shows(left, red));
}

TEST_F(VesperonE2E, LaunchAtLoginOnAndOffWritesAndRemovesTheAutostartEntry)
{
    auto vesperon = launch();
    ASSERT_TRUE(openPreferences());
    const fs::path entry = home / "config" / "autostart" / "vesperon.desktop";
    // Backwards from the first control: the last one, "Launch at login".
    client.typeKey(tab, {X11Key::shift});
    client.typeKey(space);
    ASSERT_TRUE(spinUntil([&] { return fs::exists(entry); })) << vesperon->output().toStdString();
    EXPECT_NE(readFile(entry).find("Exec=" + VesperonProcess::executable().toStdString() + "\n"), std::string::npos)
        << readFile(entry);
    client.typeKey(space);
    EXPECT_TRUE(spinUntil([&] { return !fs::exists(entry); }));
}
