#include "support/AppStateHarness.h"
#include "support/FakeRunLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

std::string text(const DisplaySet& set)
{
    std::string s = "{";
    for (DisplayId id : set)
        s += (s.size() > 1 ? "," : "") + std::to_string(id);
    return s + "}";
}

// Records every publication of the two blackout properties, in order.
struct BlackoutLog {
    explicit BlackoutLog(AppState& state)
    {
        subscriptions.push_back(state.blackedOutDisplays.subscribe([this](const DisplaySet& s) { log.push_back("set " + text(s)); }));
        subscriptions.push_back(state.isBlackoutActive.subscribe([this](bool a) { log.push_back(a ? "active" : "inactive"); }));
        log.clear();
    }
    std::vector<std::string> log;
    Cancellables subscriptions;
};

class AppStateTest : public ::testing::Test {
protected:
    AppStateTest()
    {
        harness.screens.addMonitor(1);
        harness.screens.addMonitor(2);
        harness.screens.addMonitor(3);
        state = harness.makeState();
    }
    AppStateHarness harness;
    std::unique_ptr<AppState> state;
};

} // namespace

TEST_F(AppStateTest, StartsInactiveWithTheScreensAsAvailableDisplays)
{
    EXPECT_FALSE(state->isBlackoutActive.get());
    EXPECT_TRUE(state->blackedOutDisplays.get().empty());
    ASSERT_EQ(state->availableDisplays.get().size(), 3u);
    EXPECT_EQ(state->availableDisplays.get()[2].id, 3u);
}

TEST_F(AppStateTest, BlackoutAllPublishesTheSetThenTheFlagAndReplacesUnknownMembers)
{
    state->blackoutDisplay(99);
    BlackoutLog log(*state);
    state->blackoutAll();
    EXPECT_EQ(log.log, (std::vector<std::string>{"set {1,2,3}", "active"}));
}

TEST(AppStateNoDisplays, BlackoutAllWithNoDisplaysIsActiveOverAnEmptySet)
{
    AppStateHarness harness;
    auto state = harness.makeState();
    state->blackoutAll();
    EXPECT_TRUE(state->blackedOutDisplays.get().empty());
    EXPECT_TRUE(state->isBlackoutActive.get());
}

TEST_F(AppStateTest, BlackoutDisplayTwicePublishesTwiceButHoldsTheDisplayOnce)
{
    BlackoutLog log(*state);
    state->blackoutDisplay(2);
    state->blackoutDisplay(2);
    EXPECT_EQ(log.log, (std::vector<std::string>{"set {2}", "active", "set {2}", "active"}));
}

TEST_F(AppStateTest, BlackoutDisplayAcceptsAnIdentifierThatIsNotAvailable)
{
    state->blackoutDisplay(4242);
    EXPECT_EQ(state->blackedOutDisplays.get(), DisplaySet{4242});
    EXPECT_TRUE(state->isBlackoutActive.get());
}

TEST_F(AppStateTest, WakeDisplayOfAnAbsentIdentifierStillPublishesBoth)
{
    state->blackoutDisplay(1);
    BlackoutLog log(*state);
    state->wakeDisplay(3);
    EXPECT_EQ(log.log, (std::vector<std::string>{"set {1}", "active"}));
    state->wakeDisplay(1);
    EXPECT_EQ(log.log.back(), "inactive");
    EXPECT_TRUE(state->blackedOutDisplays.get().empty());
}

TEST_F(AppStateTest, BlackoutAllExceptDarkensEveryOtherAvailableDisplayAndDropsTheRest)
{
    state->blackoutDisplay(77); // not available: dropped by the command
    BlackoutLog log(*state);
    state->blackoutAllExcept(2);
    EXPECT_EQ(log.log, (std::vector<std::string>{"set {1,3}", "active"}));

    state->blackoutAllExcept(12345); // not available: every display goes dark
    EXPECT_EQ(state->blackedOutDisplays.get(), (DisplaySet{1, 2, 3}));
}

TEST(AppStateOneDisplay, KeepingTheOnlyDisplayLitWakesIt)
{
    AppStateHarness harness;
    harness.screens.addMonitor(5);
    auto state = harness.makeState();
    state->blackoutDisplay(5);
    state->blackoutAllExcept(5);
    EXPECT_TRUE(state->blackedOutDisplays.get().empty());
    EXPECT_FALSE(state->isBlackoutActive.get());
}

TEST_F(AppStateTest, AnObserverDeferringToTheNextTurnSeesTheSetAndTheFlagTogether)
{
    FakeRunLoop loop;
    std::vector<std::pair<DisplaySet, bool>> seen;
    Subscription s = state->blackedOutDisplays.subscribeOnMainQueue(loop, [&](const DisplaySet&) {
        seen.emplace_back(state->blackedOutDisplays.get(), state->isBlackoutActive.get());
    });
    loop.runUntilIdle();
    seen.clear();
    state->blackoutAll();
    loop.runUntilIdle();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::pair(DisplaySet{1, 2, 3}, true));
}

TEST_F(AppStateTest, ObjectWillChangeIsSignalledBeforeEachAssignment)
{
    std::vector<std::pair<DisplaySet, bool>> before;
    Subscription s = state->objectWillChange.connect(
        [&] { before.emplace_back(state->blackedOutDisplays.get(), state->isBlackoutActive.get()); });
    state->blackoutDisplay(1); // the set, then the flag
    EXPECT_EQ(before, (std::vector<std::pair<DisplaySet, bool>>{{{}, false}, {{1}, false}}));
}

TEST_F(AppStateTest, BlackoutCommandsNeverTouchTheSettingsStore)
{
    const auto writesBefore = harness.store.writes;
    state->blackoutAll();
    state->wakeDisplay(1);
    state->blackoutAllExcept(2);
    state->blackoutDisplay(3);
    EXPECT_EQ(harness.store.writes, writesBefore);
}

TEST_F(AppStateTest, SetToggleHotkeyStoresUnderTheDecimalKeyAndPostsEveryTime)
{
    harness.hotkeyPosts = 0;
    state->setToggleHotkey(KeyCombo{18, 0x1800}, 4294967295u);
    EXPECT_EQ(state->displayToggleHotkeys.get().at("4294967295"), (KeyCombo{18, 0x1800}));
    EXPECT_EQ(harness.hotkeyPosts, 1);

    state->setToggleHotkey(KeyCombo{19, 0x1800}, 4294967295u); // replaces
    EXPECT_EQ(state->displayToggleHotkeys.get().size(), 1u);
    EXPECT_EQ(state->displayToggleHotkeys.get().at("4294967295"), (KeyCombo{19, 0x1800}));
    EXPECT_TRUE(state->displayKeepOnlyHotkeys.get().empty());
}

TEST_F(AppStateTest, ClearingAMissingHotkeyStillStoresAndPostsOnce)
{
    const int writesBefore = harness.store.writes[SettingsKey::displayKeepOnlyHotkeys];
    harness.hotkeyPosts = 0;
    int publications = 0;
    Subscription s = state->displayKeepOnlyHotkeys.subscribe([&](const auto&) { ++publications; });
    publications = 0;
    state->setKeepOnlyHotkey(std::nullopt, 7);
    EXPECT_EQ(publications, 1);
    EXPECT_EQ(harness.hotkeyPosts, 1);
    EXPECT_EQ(harness.store.writes[SettingsKey::displayKeepOnlyHotkeys], writesBefore + 1);
    EXPECT_TRUE(state->displayKeepOnlyHotkeys.get().empty());
}

TEST(AppStateDisplayKey, IsPlainDecimal)
{
    EXPECT_EQ(AppState::displayKey(0), "0");
    EXPECT_EQ(AppState::displayKey(7), "7");
    EXPECT_EQ(AppState::displayKey(4294967295u), "4294967295");
}
