#include "app/AppDelegate.h"
#include "app/MenuBarController.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/InputMonitor.h"
#include "input/PermissionManager.h"
#include "support/AppStateHarness.h"
#include "support/FakeInputServices.h"
#include "support/FakeRunLoop.h"
#include "support/FakeStatusBar.h"
#include "support/FakeWindowService.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

// The whole program over the fake platform; each service is made on first use, as in the product.
class AppDelegateTest : public ::testing::Test {
protected:
    AppDelegateTest() { harness.screens.addMonitor(1); harness.screens.addMonitor(2); }

    AppState& appState()
    {
        if (!state) {
            created.push_back("AppState");
            state = harness.makeState();
        }
        return *state;
    }
    PermissionManager& permission()
    {
        if (!permissionManager) {
            created.push_back("PermissionManager");
            permissionManager = PermissionManager::create({loop, harness.notifications, trust});
        }
        return *permissionManager;
    }
    DisplayManager& displays()
    {
        if (!displayManager)
            displayManager = DisplayManager::create({appState(), loop, harness.notifications, windows, harness.screens});
        return *displayManager;
    }
    HotkeyManager& hotkeys()
    {
        if (!hotkeyManager)
            hotkeyManager = HotkeyManager::create({appState(), loop, hotkeyService, [this]() -> DisplayManager& { return displays(); }});
        return *hotkeyManager;
    }
    InputMonitor& monitor()
    {
        if (!inputMonitor)
            inputMonitor = InputMonitor::create({[this]() -> AppState& { return appState(); }, loop, tap, [this]() -> DisplayManager& { return displays(); }, messages});
        return *inputMonitor;
    }

    std::shared_ptr<AppDelegate> launch()
    {
        monitor(); // exists from program start, without the state
        delegate = AppDelegate::create({loop, harness.notifications,
            [this] {
                return MenuBarController::create({loop, tray, [this]() -> PermissionManager& { return permission(); },
                    [this]() -> AppState& { return appState(); }, [this]() -> DisplayManager& { return displays(); },
                    nullptr, [this] { delegate->applicationWillTerminate(); }});
            },
            [this]() -> PermissionManager& { return permission(); }, [this]() -> InputMonitor& { return monitor(); },
            [this]() -> HotkeyManager& { return hotkeys(); }, [this]() -> DisplayManager& { return displays(); }});
        delegate->applicationDidFinishLaunching();
        return delegate;
    }

    AppStateHarness harness;
    FakeRunLoop loop;
    FakeTrust trust;
    FakeInputTap tap;
    FakeHotkeyService hotkeyService;
    FakeWindowService windows;
    FakeStatusBar tray;
    std::ostringstream messages;
    std::vector<std::string> created;
    std::unique_ptr<AppState> state;
    std::shared_ptr<PermissionManager> permissionManager;
    std::shared_ptr<DisplayManager> displayManager;
    std::shared_ptr<HotkeyManager> hotkeyManager;
    std::shared_ptr<InputMonitor> inputMonitor;
    std::shared_ptr<AppDelegate> delegate;
};

} // namespace

TEST_F(AppDelegateTest, TheFirstMenuBuildCreatesThePermissionManagerThenTheState)
{
    launch();
    EXPECT_GE(tray.state->menusSet, 1);
    EXPECT_FALSE(tray.state->menu.empty());
    EXPECT_EQ(created, (std::vector<std::string>{"PermissionManager", "AppState"}));
    EXPECT_EQ(harness.hotkeyPosts, 3) << "the state's creation posts reach no hotkey observer yet";
    EXPECT_EQ(hotkeyService.attempts.size(), 1u) << "registered once, by the launch itself";
}

TEST_F(AppDelegateTest, WithThePermissionTheMonitorStartsOnTheFirstTurnAfterLaunchAndNoPromptComes)
{
    trust.trusted = true;
    launch();
    EXPECT_EQ(tap.creates, 0) << "the first permission value arrives only after launch returns";
    loop.runOnce();
    EXPECT_EQ(tap.creates, 1);
    EXPECT_TRUE(monitor().isRunning());
    loop.advance(5);
    EXPECT_EQ(trust.prompts, 0);
    EXPECT_EQ(tap.creates, 1) << "started once";
}

TEST_F(AppDelegateTest, WithoutThePermissionThePromptComesOnceAfterOneSecondAndTheMonitorFollowsTheGrant)
{
    launch();
    loop.runUntilIdle();
    EXPECT_FALSE(monitor().isRunning());
    loop.advance(0.999);
    EXPECT_EQ(trust.prompts, 0);
    loop.advance(0.001);
    EXPECT_EQ(trust.prompts, 1);
    loop.advance(10);
    EXPECT_EQ(trust.prompts, 1) << "exactly once";

    trust.trusted = true;
    loop.advance(0.5);
    EXPECT_TRUE(monitor().isRunning());
}

TEST_F(AppDelegateTest, AWithdrawnPermissionStopsTheMonitorButNotTheHotkeys)
{
    trust.trusted = true;
    launch();
    loop.runUntilIdle();
    ASSERT_TRUE(monitor().isRunning());
    trust.trusted = false;
    harness.notifications.post(applicationDidBecomeActive);
    loop.runUntilIdle();
    EXPECT_FALSE(monitor().isRunning());
    EXPECT_TRUE(hotkeyService.press(2, 0x0300));
    loop.runUntilIdle();
    EXPECT_TRUE(appState().isBlackoutActive.get());
}

TEST_F(AppDelegateTest, HotkeysAreRegisteredAtLaunchAndAfreshOnEveryHotkeyChange)
{
    launch();
    EXPECT_EQ(hotkeyService.live.size(), 1u);
    EXPECT_EQ(hotkeyService.installs, 1);
    appState().setToggleHotkey(KeyCombo{18, 0x1800}, 1);
    EXPECT_EQ(hotkeyService.live.size(), 2u);
    appState().blackoutAllHotkey.set(KeyCombo{0, 0x1000});
    EXPECT_EQ(hotkeyService.live.size(), 2u);
    EXPECT_EQ(hotkeyService.attempts.size(), 1u + 2u + 2u) << "all anew each time, no increments";
    EXPECT_TRUE(hotkeyService.press(0, 0x1000));
}

TEST_F(AppDelegateTest, QuittingDuringABlackoutStopsInputReleasesHotkeysAndWakesEverything)
{
    trust.trusted = true;
    appState().wakeDelay.set(3);
    launch();
    loop.runUntilIdle();
    displays().blackoutAll();
    loop.runUntilIdle();
    tap.send(InputEvent::Type::keyDown, 0); // a delayed wake is pending
    ASSERT_TRUE(monitor().isWaking());

    const Menu menu = tray.open();
    menu.back().action(menu.back()); // "Quit Vesperon"
    EXPECT_FALSE(monitor().isRunning());
    EXPECT_FALSE(monitor().isWaking());
    EXPECT_TRUE(hotkeyService.live.empty());
    EXPECT_TRUE(appState().blackedOutDisplays.get().empty());
    EXPECT_FALSE(appState().isBlackoutActive.get());
    loop.runUntilIdle();
    EXPECT_EQ(windows.visibleCount(), 0u);
    EXPECT_FALSE(AppDelegate::applicationShouldTerminateAfterLastWindowClosed());
}
