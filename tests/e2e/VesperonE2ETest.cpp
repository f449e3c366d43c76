// build/vesperon itself on a private Xvfb with two monitors and a real tray (trayer), driven like a
// user drives it: clicks on the tray icon, the keyboard, hotkeys and signals.
#include "support/QtSpin.h"
#include "support/VesperonProcess.h"
#include "support/XClient.h"
#include "x11/TestServer.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

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
        char pattern[] = "/tmp/vesperon-e2e-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        home = pattern;
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
        fs::remove_all(home);
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

    XClient client;
    QProcess tray;
    fs::path home;
};

} // namespace

TEST_F(VesperonE2E, TheTrayMenuBlacksOutExactlyTheChosenMonitor)
{
    auto vesperon = launch();
    const auto icon = trayIcon();
    ASSERT_TRUE(icon);
    client.click(static_cast<int>(icon->frame.x + icon->frame.width / 2), static_cast<int>(icon->frame.y + icon->frame.height / 2));
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

TEST_F(VesperonE2E, SigtermDuringABlackoutEndsCleanlyWithEveryMonitorLit)
{
    auto vesperon = launch();
    pressBlackoutAll();
    ASSERT_TRUE(shows(right, black));
    vesperon->sendSignal(SIGTERM);
    ASSERT_TRUE(vesperon->waitForExit());
    EXPECT_TRUE(vesperon->exitedNormally());
    EXPECT_EQ(vesperon->exitCode(), 0);
    EXPECT_TRUE(shows(left, red));
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
