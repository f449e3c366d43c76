#include "support/AppStateHarness.h"

#include <gtest/gtest.h>

using namespace vesperon;
using namespace vesperon::testing;
using nlohmann::json;

namespace {

class SettingsPersistence : public ::testing::Test {
protected:
    AppStateHarness harness;
    MemorySettingsStore& store = harness.store;
};

const WakeKeySet anyKeyOnly{WakeKey::anyKey};

} // namespace

TEST_F(SettingsPersistence, AFreshUserGetsDefaultsAndOnlyTheTwoEmptyMapsAreWritten)
{
    auto state = harness.makeState();
    EXPECT_TRUE(state->ignoreMouseMovement.get());
    EXPECT_EQ(state->wakeDelay.get(), 0.0);
    EXPECT_EQ(state->allowedWakeKeys.get(), anyKeyOnly);
    EXPECT_EQ(state->blackoutAllHotkey.get(), std::nullopt);
    EXPECT_TRUE(state->displayToggleHotkeys.get().empty());
    EXPECT_TRUE(state->displayKeepOnlyHotkeys.get().empty());

    EXPECT_EQ(store.values, (std::map<std::string, json>{
                                {"displayToggleHotkeys", "{}"},
                                {"displayKeepOnlyHotkeys", "{}"},
                            }));
    EXPECT_EQ(harness.hotkeyPosts, 3) << "creation rewrites the three hotkey settings, posting each time";
}

TEST_F(SettingsPersistence, StoredValuesOfTheRightTypeAreLoaded)
{
    store.values = {
        {"ignoreMouseMovement", false},
        {"wakeDelay", 2},
        {"allowedWakeKeys", {"space", "enter"}},
        {"blackoutAllHotkey", R"({"keyCode":12,"modifiers":4352})"},
        {"displayToggleHotkeys", R"({"1":{"keyCode":18,"modifiers":6144}})"},
        {"displayKeepOnlyHotkeys", R"({"2":{"modifiers":6144,"keyCode":19}})"},
    };
    auto state = harness.makeState();
    EXPECT_FALSE(state->ignoreMouseMovement.get());
    EXPECT_EQ(state->wakeDelay.get(), 2.0);
    EXPECT_EQ(state->allowedWakeKeys.get(), (WakeKeySet{WakeKey::space, WakeKey::enter}));
    EXPECT_EQ(state->blackoutAllHotkey.get(), (KeyCombo{12, 4352}));
    EXPECT_EQ(state->displayToggleHotkeys.get(), (AppState::HotkeyMap{{"1", KeyCombo{18, 6144}}}));
    EXPECT_EQ(state->displayKeepOnlyHotkeys.get(), (AppState::HotkeyMap{{"2", KeyCombo{19, 6144}}}));
}

TEST_F(SettingsPersistence, WronglyTypedSimpleSettingsFallBackToDefaults)
{
    store.values = {{"ignoreMouseMovement", "false"}, {"wakeDelay", "2"}, {"allowedWakeKeys", "space"}};
    auto state = harness.makeState();
    EXPECT_TRUE(state->ignoreMouseMovement.get());
    EXPECT_EQ(state->wakeDelay.get(), 0.0);
    EXPECT_EQ(state->allowedWakeKeys.get(), anyKeyOnly);
    EXPECT_EQ(store.values.at("wakeDelay"), "2") << "loading does not rewrite the simple settings";
}

TEST_F(SettingsPersistence, WakeKeyArraysAreReadMemberByMember)
{
    const std::vector<std::pair<json, WakeKeySet>> cases{
        {json{"space", "sparkle"}, {WakeKey::space}},
        {json{"Space"}, {}},                    // raw values are case-sensitive
        {json::array(), {}},                    // the user allowed no key: not the default
        {json{"space", 3}, anyKeyOnly},         // a non-text element makes the array unreadable
        {json{"escape", "escape"}, {WakeKey::escape}},
        {json{"any", "escape", "space", "enter"}, {WakeKey::anyKey, WakeKey::escape, WakeKey::space, WakeKey::enter}},
    };
    for (const auto& [stored, expected] : cases) {
        AppStateHarness fresh;
        fresh.store.values["allowedWakeKeys"] = stored;
        EXPECT_EQ(fresh.makeState()->allowedWakeKeys.get(), expected) << stored.dump();
    }
}

TEST_F(SettingsPersistence, AnUnreadableBlackoutAllHotkeyIsAbsentAndRemovedAtCreation)
{
    for (const json& stored : {json("not json"), json(R"({"keyCode":2})"), json(R"([2,768])"),
             json{{"keyCode", 2}, {"modifiers", 768}} /* an object, not data */}) {
        AppStateHarness fresh;
        fresh.store.values["blackoutAllHotkey"] = stored;
        auto state = fresh.makeState();
        EXPECT_EQ(state->blackoutAllHotkey.get(), std::nullopt) << stored.dump();
        EXPECT_FALSE(fresh.store.contains("blackoutAllHotkey")) << stored.dump();
    }
}

TEST_F(SettingsPersistence, OneUnreadableMapEntryCostsOnlyItselfNotItsNeighbours)
{
    harness.storeData("displayToggleHotkeys",
        R"({"1":{"keyCode":18,"modifiers":6144},"2":{"keyCode":19},"3":{"keyCode":"x","modifiers":1},"4":{"keyCode":21,"modifiers":6144}})");
    auto state = harness.makeState();
    EXPECT_EQ(state->displayToggleHotkeys.get(),
        (AppState::HotkeyMap{{"1", KeyCombo{18, 6144}}, {"4", KeyCombo{21, 6144}}}));
    // The rewrite at creation keeps the readable entries.
    EXPECT_EQ(json::parse(store.values.at("displayToggleHotkeys").get<std::string>()),
        json::parse(R"({"1":{"keyCode":18,"modifiers":6144},"4":{"keyCode":21,"modifiers":6144}})"));
}

TEST_F(SettingsPersistence, AMapThatIsNotAJsonObjectLoadsEmptyAndIsReplacedByTheEmptyObject)
{
    harness.storeData("displayKeepOnlyHotkeys", "[1,2");
    harness.store.values["displayToggleHotkeys"] = 17;
    auto state = harness.makeState();
    EXPECT_TRUE(state->displayKeepOnlyHotkeys.get().empty());
    EXPECT_TRUE(state->displayToggleHotkeys.get().empty());
    EXPECT_EQ(store.values.at("displayKeepOnlyHotkeys"), "{}");
    EXPECT_EQ(store.values.at("displayToggleHotkeys"), "{}");
}

TEST_F(SettingsPersistence, AMapMemberThatIsNotADisplayNumberIsKeptAndWrittenBack)
{
    harness.storeData("displayToggleHotkeys", R"({"abc":{"keyCode":0,"modifiers":256}})");
    auto state = harness.makeState();
    EXPECT_EQ(state->displayToggleHotkeys.get().count("abc"), 1u);
    EXPECT_EQ(store.values.at("displayToggleHotkeys"), R"({"abc":{"keyCode":0,"modifiers":256}})");
}

TEST_F(SettingsPersistence, EachAssignmentWritesItsSettingUnchanged)
{
    auto state = harness.makeState();
    state->ignoreMouseMovement.set(false);
    state->wakeDelay.set(7.25); // no range is enforced here
    state->allowedWakeKeys.set({WakeKey::enter, WakeKey::escape});
    state->blackoutAllHotkey.set(KeyCombo{53, 0x1100});
    EXPECT_EQ(store.values.at("ignoreMouseMovement"), false);
    EXPECT_EQ(store.values.at("wakeDelay"), 7.25);
    EXPECT_EQ(store.values.at("allowedWakeKeys"), (json{"escape", "enter"}));
    EXPECT_EQ(store.values.at("blackoutAllHotkey"), R"({"keyCode":53,"modifiers":4352})");

    state->blackoutAllHotkey.set(std::nullopt);
    EXPECT_FALSE(store.contains("blackoutAllHotkey")) << "clearing brings the default back";
}

TEST_F(SettingsPersistence, HotkeysDidChangeIsPostedAfterTheWriteSoObserversSeeTheNewValue)
{
    auto state = harness.makeState();
    std::optional<json> storedWhenPosted;
    Subscription s = harness.notifications.addObserver(AppState::hotkeysDidChange,
        [&] { storedWhenPosted = store.object("displayToggleHotkeys"); });
    state->setToggleHotkey(KeyCombo{1, 0x0100}, 5);
    EXPECT_EQ(storedWhenPosted, json(R"({"5":{"keyCode":1,"modifiers":256}})"));

    state->setToggleHotkey(std::nullopt, 5);
    EXPECT_EQ(store.values.at("displayToggleHotkeys"), "{}") << "the empty map is stored, not removed";
}

TEST_F(SettingsPersistence, SettingsSurviveARestartIncludingAnEmptyWakeKeySet)
{
    {
        auto state = harness.makeState();
        state->ignoreMouseMovement.set(false);
        state->wakeDelay.set(2.5);
        state->allowedWakeKeys.set({});
        state->blackoutAllHotkey.set(KeyCombo{2, 0x1200});
        state->setToggleHotkey(KeyCombo{18, 0x1800}, 1);
        state->setKeepOnlyHotkey(KeyCombo{19, 0x1800}, 2);
        state->blackoutAll(); // never stored
    }
    auto state = harness.makeState();
    EXPECT_FALSE(state->ignoreMouseMovement.get());
    EXPECT_EQ(state->wakeDelay.get(), 2.5);
    EXPECT_TRUE(state->allowedWakeKeys.get().empty());
    EXPECT_EQ(state->blackoutAllHotkey.get(), (KeyCombo{2, 0x1200}));
    EXPECT_EQ(state->displayToggleHotkeys.get(), (AppState::HotkeyMap{{"1", KeyCombo{18, 0x1800}}}));
    EXPECT_EQ(state->displayKeepOnlyHotkeys.get(), (AppState::HotkeyMap{{"2", KeyCombo{19, 0x1800}}}));
    EXPECT_FALSE(state->isBlackoutActive.get());
    EXPECT_TRUE(state->blackedOutDisplays.get().empty());
}
