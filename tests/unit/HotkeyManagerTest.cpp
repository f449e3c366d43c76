#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "support/AppStateHarness.h"
#include "support/FakeInputServices.h"
#include "support/FakeRunLoop.h"
#include "support/FakeWindowService.h"

#include <gtest/gtest.h>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

constexpr KeyCombo ctrlOpt1{18, 0x1800};
constexpr KeyCombo ctrlOpt2{19, 0x1800};
constexpr KeyCombo ctrlOpt3{20, 0x1800};

class HotkeyManagerTest : public ::testing::Test {
protected:
    HotkeyManagerTest()
    {
        harness.screens.addMonitor(1);
        harness.screens.addMonitor(2);
        harness.screens.addMonitor(3);
        state = harness.makeState();
        displays = DisplayManager::create({*state, loop, harness.notifications, windows, harness.screens});
        manager = HotkeyManager::create({*state, loop, hotkeys, [this]() -> DisplayManager& { return *displays; }});
        manager->installEventHandler();
    }

    std::vector<std::uint32_t> attemptedIds() const
    {
        std::vector<std::uint32_t> ids;
        for (const auto& a : hotkeys.attempts)
            ids.push_back(a.identity.id);
        return ids;
    }

    AppStateHarness harness;
    FakeRunLoop loop;
    FakeWindowService windows;
    FakeHotkeyService hotkeys;
    std::unique_ptr<AppState> state;
    std::shared_ptr<DisplayManager> displays;
    std::shared_ptr<HotkeyManager> manager;
};

} // namespace

TEST_F(HotkeyManagerTest, WithNothingSetOnlyTheDefaultBlackoutAllHotkeyIsRegistered)
{
    manager->registerAllHotkeys();
    ASSERT_EQ(hotkeys.live.size(), 1u);
    const auto& r = hotkeys.live.begin()->second;
    EXPECT_EQ(r.keyCode, 2u);
    EXPECT_EQ(r.modifiers, 0x0300u);
    EXPECT_EQ(r.identity.signature, 0x5653504Eu);
    EXPECT_EQ(r.identity.id, 1u);
    EXPECT_EQ(manager->hotkeyActions().at(1), HotkeyAction::blackoutAll());
}

TEST_F(HotkeyManagerTest, RegisteringTwiceReplacesEverythingAndReusesIdsFromOne)
{
    state->setToggleHotkey(ctrlOpt1, 1);
    state->setKeepOnlyHotkey(ctrlOpt2, 2);
    manager->registerAllHotkeys();
    const auto firstHandles = hotkeys.live;
    manager->registerAllHotkeys();
    EXPECT_EQ(hotkeys.live.size(), 3u);
    for (const auto& [handle, r] : firstHandles)
        EXPECT_FALSE(hotkeys.live.contains(handle)) << "first set fully unregistered";
    EXPECT_EQ(attemptedIds(), (std::vector<std::uint32_t>{1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(manager->hotkeyActions().at(2), HotkeyAction::toggleDisplay(1));
    EXPECT_EQ(manager->hotkeyActions().at(3), HotkeyAction::keepOnlyDisplay(2));
}

TEST_F(HotkeyManagerTest, KeysThatAreNotDisplayNumbersAreSkippedWithoutUsingAnId)
{
    state->displayToggleHotkeys.set({{"abc", ctrlOpt1}, {"3", ctrlOpt3}});
    manager->registerAllHotkeys();
    EXPECT_EQ(manager->hotkeyActions().size(), 2u);
    EXPECT_EQ(manager->hotkeyActions().at(2), HotkeyAction::toggleDisplay(3));
    EXPECT_EQ(manager->nextHotkeyId(), 3u);
}

TEST_F(HotkeyManagerTest, ARefusedRegistrationUsesUpItsIdAndLeavesBothMapsWithoutIt)
{
    state->setToggleHotkey(ctrlOpt1, 1);
    state->setToggleHotkey(ctrlOpt2, 2);
    hotkeys.taken.insert({ctrlOpt1.keyCode, ctrlOpt1.modifiers}); // display "1" sorts first: id 2
    manager->registerAllHotkeys();
    EXPECT_EQ(manager->hotkeyActions().size(), 2u);
    EXPECT_TRUE(manager->hotkeyActions().contains(1));
    EXPECT_FALSE(manager->hotkeyActions().contains(2));
    EXPECT_FALSE(manager->hotkeyRefs().contains(2));
    EXPECT_EQ(manager->hotkeyActions().at(3), HotkeyAction::toggleDisplay(2));
    EXPECT_EQ(manager->hotkeyRefs().size(), manager->hotkeyActions().size());
}

TEST_F(HotkeyManagerTest, PressesActOnALaterTurnThroughTheDisplayManager)
{
    state->setToggleHotkey(ctrlOpt1, 2);
    state->setKeepOnlyHotkey(ctrlOpt3, 3);
    manager->registerAllHotkeys();
    loop.runUntilIdle();

    EXPECT_TRUE(hotkeys.press(ctrlOpt1.keyCode, ctrlOpt1.modifiers));
    EXPECT_TRUE(state->blackedOutDisplays.get().empty()) << "never inside the platform's callback";
    loop.runUntilIdle();
    EXPECT_EQ(state->blackedOutDisplays.get(), DisplaySet{2});
    hotkeys.press(ctrlOpt1.keyCode, ctrlOpt1.modifiers);
    loop.runUntilIdle();
    EXPECT_TRUE(state->blackedOutDisplays.get().empty());
    EXPECT_FALSE(state->isBlackoutActive.get());

    state->blackoutDisplay(3);
    hotkeys.press(ctrlOpt3.keyCode, ctrlOpt3.modifiers); // keep only 3, whatever was dark
    loop.runUntilIdle();
    EXPECT_EQ(state->blackedOutDisplays.get(), (DisplaySet{1, 2}));

    hotkeys.press(2, 0x0300); // blackout-all while a blackout is active wakes all
    loop.runUntilIdle();
    EXPECT_FALSE(state->isBlackoutActive.get());
    hotkeys.press(2, 0x0300);
    loop.runUntilIdle();
    EXPECT_EQ(state->blackedOutDisplays.get(), (DisplaySet{1, 2, 3}));
    EXPECT_EQ(windows.visibleCount(), 3u);
}

TEST_F(HotkeyManagerTest, AnUnknownIdIsNotHandledAndChangesNothing)
{
    manager->registerAllHotkeys();
    EXPECT_FALSE(manager->handleHotkey({HotkeyManager::signature, 42}));
    EXPECT_EQ(loop.pendingCount(), 1u) << "only the display manager's own first turn";
}

TEST_F(HotkeyManagerTest, UnregisteringAllEmptiesTheMapsAndKeepsTheHandler)
{
    state->setToggleHotkey(ctrlOpt1, 1);
    manager->registerAllHotkeys();
    manager->unregisterAllHotkeys();
    EXPECT_TRUE(hotkeys.live.empty());
    EXPECT_TRUE(manager->hotkeyRefs().empty());
    EXPECT_TRUE(manager->hotkeyActions().empty());
    EXPECT_EQ(manager->nextHotkeyId(), 1u);
    EXPECT_TRUE(manager->isEventHandlerInstalled());
    manager->installEventHandler();
    EXPECT_EQ(hotkeys.installs, 1) << "installed once only";
}

TEST_F(HotkeyManagerTest, APressScheduledBeforeTheManagerWentAwayDoesNothing)
{
    manager->registerAllHotkeys();
    hotkeys.press(2, 0x0300);
    manager.reset();
    loop.runUntilIdle();
    EXPECT_FALSE(state->isBlackoutActive.get());
    EXPECT_TRUE(hotkeys.live.empty()) << "destruction unregisters";
    EXPECT_FALSE(hotkeys.handler) << "and removes the handler";
}

TEST_F(HotkeyManagerTest, WhileSuspendedNoHotkeyIsHeldEvenAfterASettingsChange)
{
    state->setToggleHotkey(ctrlOpt1, 1);
    manager->registerAllHotkeys();
    ASSERT_EQ(hotkeys.live.size(), 2u);
    manager->setSuspended(true);
    EXPECT_TRUE(hotkeys.live.empty());
    manager->registerAllHotkeys(); // a hotkeysDidChange while a recorder records
    EXPECT_TRUE(hotkeys.live.empty());
    EXPECT_FALSE(hotkeys.press(2, 0x0300));

    state->setToggleHotkey(ctrlOpt2, 1);
    manager->setSuspended(false);
    EXPECT_EQ(hotkeys.live.size(), 2u) << "back, from the current settings";
    EXPECT_TRUE(hotkeys.press(ctrlOpt2.keyCode, ctrlOpt2.modifiers));
}

TEST(HotkeyManagerParse, DisplayKeysAreUnsignedDecimalNumbers)
{
    EXPECT_EQ(HotkeyManager::parseDisplayKey("0"), 0u);
    EXPECT_EQ(HotkeyManager::parseDisplayKey("4294967295"), 4294967295u);
    EXPECT_EQ(HotkeyManager::parseDisplayKey("+12"), 12u);
    EXPECT_EQ(HotkeyManager::parseDisplayKey("007"), 7u);
    EXPECT_EQ(HotkeyManager::parseDisplayKey("-0"), 0u);
    EXPECT_EQ(HotkeyManager::parseDisplayKey("-000"), 0u);
    for (const char* bad : {"", "+", "-", "-1", "4294967296", "99999999999999999999", " 1", "1 ", "1a", "0x10", "++1", "1.0"})
        EXPECT_EQ(HotkeyManager::parseDisplayKey(bad), std::nullopt) << '"' << bad << '"';
}
