#include "display/DisplayManager.h"
#include "platform/ScreenSource.h"
#include "support/AppStateHarness.h"
#include "support/FakeRunLoop.h"
#include "support/FakeWindowService.h"

#include <gtest/gtest.h>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

class DisplayManagerTest : public ::testing::Test {
protected:
    DisplayManagerTest()
    {
        harness.screens.addMonitor(1);
        harness.screens.addMonitor(2);
        harness.screens.addMonitor(3);
        state = harness.makeState();
        manager = DisplayManager::create({*state, loop, harness.notifications, windows, harness.screens});
        loop.runUntilIdle(); // the manager starts observing the state
    }

    const BlackoutWindow* windowFor(DisplayId id) const
    {
        auto it = manager->blackoutWindows().find(id);
        return it == manager->blackoutWindows().end() ? nullptr : it->second.get();
    }

    void changeScreens() { harness.notifications.post(screenParametersDidChange); }

    AppStateHarness harness;
    FakeRunLoop loop;
    FakeWindowService windows;
    std::unique_ptr<AppState> state;
    std::shared_ptr<DisplayManager> manager;
};

} // namespace

TEST_F(DisplayManagerTest, WindowsAppearOnTheTurnAfterTheCommandEachOnItsDisplayInFront)
{
    manager->blackoutAll();
    EXPECT_TRUE(manager->blackoutWindows().empty()) << "no window inside the command";
    EXPECT_TRUE(windows.records.empty());
    loop.runOnce();
    ASSERT_EQ(manager->blackoutWindows().size(), 3u);
    for (DisplayId id : {1u, 2u, 3u}) {
        const BlackoutWindow* window = windowFor(id);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->frame(), state->availableDisplays.get()[id - 1].frame);
        EXPECT_EQ(window->displayInfo().id, id);
    }
    for (const auto& record : windows.records)
        EXPECT_EQ(record->calls, (std::vector<std::string>{"setFrame", "orderFront"}));
}

TEST_F(DisplayManagerTest, ADisplayKeptDarkKeepsTheSameWindowUntouched)
{
    manager->blackoutDisplay(1);
    loop.runOnce();
    const BlackoutWindow* first = windowFor(1);
    ASSERT_NE(first, nullptr);
    manager->blackoutDisplay(2);
    loop.runOnce();
    EXPECT_EQ(windowFor(1), first);
    EXPECT_NE(windowFor(2), nullptr);
    EXPECT_EQ(windows.records[0]->calls.size(), 2u) << "not re-framed or re-ordered";
}

TEST_F(DisplayManagerTest, WakeAllOrdersEveryWindowOutOnTheNextTurn)
{
    manager->blackoutDisplay(1);
    manager->blackoutDisplay(3);
    loop.runUntilIdle();
    ASSERT_EQ(windows.visibleCount(), 2u);

    manager->wakeAll();
    EXPECT_FALSE(state->isBlackoutActive.get());
    EXPECT_TRUE(state->blackedOutDisplays.get().empty());
    EXPECT_EQ(windows.visibleCount(), 2u);
    loop.runOnce();
    EXPECT_TRUE(manager->blackoutWindows().empty());
    for (const auto& record : windows.records) {
        EXPECT_EQ(record->calls.back(), "orderOut");
        EXPECT_TRUE(record->destroyed);
    }
}

TEST_F(DisplayManagerTest, QuickCommandsReachTheWindowsStepByStepInOrder)
{
    manager->blackoutDisplay(1); // {1}
    manager->wakeDisplay(1);     // {}
    manager->blackoutDisplay(1); // {1} again
    loop.runOnce();
    // Each delivery works on the value it carries: a window made, dropped, made again.
    ASSERT_EQ(windows.records.size(), 2u);
    EXPECT_TRUE(windows.records[0]->destroyed);
    EXPECT_TRUE(windows.records[1]->visible);
}

TEST_F(DisplayManagerTest, ToggleBlackoutTwiceDarkensEverythingThenWakesIt)
{
    manager->toggleBlackout();
    loop.runUntilIdle();
    EXPECT_TRUE(state->isBlackoutActive.get());
    EXPECT_EQ(windows.visibleCount(), 3u);
    manager->toggleBlackout();
    loop.runUntilIdle();
    EXPECT_FALSE(state->isBlackoutActive.get());
    EXPECT_EQ(windows.visibleCount(), 0u);
    EXPECT_TRUE(manager->blackoutWindows().empty());
}

TEST_F(DisplayManagerTest, UnpluggingADarkDisplayDropsItKeepsTheFlagAndRemovesItsWindowNextTurn)
{
    manager->blackoutDisplay(2);
    loop.runUntilIdle();
    harness.screens.list.erase(harness.screens.list.begin() + 1);
    changeScreens();
    EXPECT_EQ(state->availableDisplays.get().size(), 2u);
    EXPECT_TRUE(state->blackedOutDisplays.get().empty());
    EXPECT_TRUE(state->isBlackoutActive.get()) << "the flag is left alone";
    EXPECT_NE(windowFor(2), nullptr) << "windows follow on the next turn";
    loop.runOnce();
    EXPECT_EQ(windowFor(2), nullptr);
}

TEST_F(DisplayManagerTest, AResolutionChangeReframesTheWindowInsideTheHandler)
{
    manager->blackoutDisplay(1);
    manager->blackoutDisplay(3);
    loop.runUntilIdle();
    int setPublications = 0;
    Subscription s = state->blackedOutDisplays.subscribe([&](const DisplaySet&) { ++setPublications; });
    setPublications = 0;

    harness.screens.list[0].frame = Rect{0, 0, 2560, 1440};
    changeScreens();
    EXPECT_EQ(windowFor(1)->frame(), (Rect{0, 0, 2560, 1440}));
    EXPECT_EQ(windowFor(3)->frame(), harness.screens.list[2].frame);
    EXPECT_EQ(windowFor(1)->displayInfo().frame, (Rect{0, 0, 1920, 1080})) << "the record keeps its first frame";
    EXPECT_EQ(setPublications, 0) << "every dark display is still present: the set is not written";
}

TEST_F(DisplayManagerTest, AnUnlistedIdentifierGetsNoWindowUntilALaterPublicationStillHoldsIt)
{
    manager->blackoutDisplay(9);
    loop.runUntilIdle();
    EXPECT_EQ(windowFor(9), nullptr);
    EXPECT_EQ(state->blackedOutDisplays.get(), DisplaySet{9});

    // Display 9 is connected while absent from the list: the screen change would drop it, so the
    // list is refreshed by hand here, as it is when AppState is created.
    harness.screens.addMonitor(9);
    state->availableDisplays.set(DisplayInfo::getAllDisplays(harness.screens));
    loop.runUntilIdle();
    EXPECT_EQ(windowFor(9), nullptr) << "a list change alone makes no window";

    manager->blackoutDisplay(1); // publishes {1, 9}
    loop.runUntilIdle();
    EXPECT_NE(windowFor(9), nullptr);
    EXPECT_NE(windowFor(1), nullptr);
}

TEST_F(DisplayManagerTest, AScreenChangeWhileAnUnlistedDisplayIsDarkRemovesItFromTheSet)
{
    manager->blackoutDisplay(9);
    loop.runUntilIdle();
    changeScreens();
    EXPECT_TRUE(state->blackedOutDisplays.get().empty());
    EXPECT_TRUE(state->isBlackoutActive.get());
}

TEST(DisplayManagerLifetime, ScreenChangesAreObservedAtOnceAndTheStateFromTheNextTurn)
{
    AppStateHarness harness;
    harness.screens.addMonitor(1);
    auto state = harness.makeState();
    FakeRunLoop loop;
    FakeWindowService windows;
    auto manager = DisplayManager::create({*state, loop, harness.notifications, windows, harness.screens});

    state->blackoutDisplay(1); // before the manager observes the state
    harness.screens.addMonitor(2);
    harness.notifications.post(screenParametersDidChange);
    EXPECT_EQ(state->availableDisplays.get().size(), 2u);
    EXPECT_TRUE(windows.records.empty());

    loop.runUntilIdle(); // the subscription sends the current set first
    EXPECT_EQ(windows.visibleCount(), 1u);
}

TEST(DisplayManagerLifetime, TeardownHidesEveryWindowAndStopsObserving)
{
    AppStateHarness harness;
    harness.screens.addMonitor(1);
    harness.screens.addMonitor(2);
    auto state = harness.makeState();
    FakeRunLoop loop;
    FakeWindowService windows;
    auto manager = DisplayManager::create({*state, loop, harness.notifications, windows, harness.screens});
    loop.runUntilIdle();
    manager->blackoutAll();
    loop.runUntilIdle();
    manager.reset();
    EXPECT_EQ(windows.visibleCount(), 0u);

    state->wakeDisplay(1);
    harness.notifications.post(screenParametersDidChange);
    loop.runUntilIdle();
    EXPECT_EQ(windows.records.size(), 2u) << "a released manager makes no windows";
}

TEST(DisplayManagerLifetime, AManagerReleasedBeforeItsFirstTurnNeverObserves)
{
    AppStateHarness harness;
    harness.screens.addMonitor(1);
    auto state = harness.makeState();
    FakeRunLoop loop;
    FakeWindowService windows;
    DisplayManager::create({*state, loop, harness.notifications, windows, harness.screens});
    state->blackoutAll();
    loop.runUntilIdle();
    EXPECT_TRUE(windows.records.empty());
}
