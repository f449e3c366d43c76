// Key combinations, displays and the application state with its settings.
#include "display/DisplayInfo.h"
#include "display/ScreenIdentity.h"
#include "support/FakeDesktop.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <limits>

using namespace vesperon;
using namespace vesperon::testing;
using nlohmann::json;

TEST(KeyCombo, DisplayStringsAndKeyNames)
{
    const std::vector<std::pair<KeyCombo, std::string>> cases{
        {{0, 0x1000 | 0x0800 | 0x0200 | 0x0100}, "⌃⌥⇧⌘A"}, {KeyCombo::defaultBlackoutAll, "⇧⌘D"}, {{53, 0x1100}, "⌃⌘Esc"},
        {{18, 0x1800}, "⌃⌥1"}, {{22, 0}, "6"}, {{23, 0}, "5"}, {{122, 0x0800}, "⌥F1"}, {{64, 0}, "F17"}, {{51, 0}, "⌫"},
        {{126, 0x0200}, "⇧↑"}, {{42, 0}, "\\"}, {{36, 0x0100}, "⌘"} /* Return has no name */,
        {{2, 0x0300 | 0x0400}, "⇧⌘D"} /* other bits are not shown */, {{4000000000u, 0}, ""}};
    for (const auto& [combo, text] : cases)
        EXPECT_EQ(combo.displayString(), text) << combo.keyCode;
    std::set<std::string> names;
    for (std::uint32_t code = 0; code < 256; ++code)
        if (auto name = KeyCombo::keyName(code))
            names.insert(*name);
    EXPECT_EQ(names.size(), 72u) << "72 keys, no two sharing a name";
    EXPECT_NE((KeyCombo{2, 0x0700}), KeyCombo::defaultBlackoutAll);
}

TEST(KeyCombo, TheStoredFormIsReadStrictly)
{
    EXPECT_EQ(KeyCombo::defaultBlackoutAll.toJson().dump(), R"({"keyCode":2,"modifiers":768})");
    constexpr auto max = std::numeric_limits<std::uint32_t>::max();
    for (KeyCombo combo : {KeyCombo{0, 0}, KeyCombo{max, max}, KeyCombo{0x80000000u, 0x7FFFFFFFu}})
        EXPECT_EQ(KeyCombo::fromJson(json::parse(combo.toJson().dump())), combo);
    const std::vector<std::pair<const char*, std::optional<KeyCombo>>> cases{
        {R"({"modifiers":256,"keyCode":12,"note":"x"})", KeyCombo{12, 256}},
        {R"({"keyCode":2.0,"modifiers":7.68e2})", KeyCombo{2, 768}},
        {R"({"keyCode":4294967295,"modifiers":0})", KeyCombo{max, 0}},
        {R"({"keyCode":2})", std::nullopt},
        {R"({"keyCode":"2","modifiers":768})", std::nullopt},
        {R"({"keyCode":true,"modifiers":768})", std::nullopt},
        {R"({"keyCode":2,"modifiers":null})", std::nullopt},
        {R"({"keyCode":-1,"modifiers":768})", std::nullopt},
        {R"({"keyCode":2,"modifiers":4294967296})", std::nullopt},
        {R"({"keyCode":2.5,"modifiers":768})", std::nullopt},
        {R"({"keyCode":1e300,"modifiers":768})", std::nullopt},
        {R"([2,768])", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(KeyCombo::fromJson(json::parse(text)), expected) << text;
}

TEST(Displays, NamesIdentitiesAndTheListFromTheScreens)
{
    EXPECT_EQ((DisplayInfo{1, "Color LCD", {}, true}).displayName(), "Built-in Display");
    EXPECT_EQ((DisplayInfo{2, "DELL U2720Q", {}, false}).displayName(), "DELL U2720Q");
    EXPECT_EQ((DisplayInfo{4294967295u, "", {}, false}).displayName(), "Display 4294967295");
    EXPECT_EQ((DisplayInfo{7, "A", Rect{0, 0, 1, 1}, false}), (DisplayInfo{7, "B", Rect{}, true})) << "equal by id alone";
    EXPECT_EQ(std::hash<DisplayInfo>{}({7, "A", {}, false}), std::hash<DisplayInfo>{}({7, "B", {}, true}));

    FakeScreens screens;
    screens.add(20, "Primary");
    screens.list.push_back({std::nullopt, "being unplugged", Rect{}, false});
    screens.add(20, "same identity again");
    screens.add(10, "", true);
    const auto displays = DisplayInfo::getAllDisplays(screens);
    ASSERT_EQ(displays.size(), 2u);
    EXPECT_EQ(displays[0].name, "Primary");
    EXPECT_EQ(displays[1].id, 10u);
    EXPECT_EQ(displays[1].frame, (Rect{5760, 0, 1920, 1080}));
    EXPECT_TRUE(displays[1].isBuiltIn);
}

TEST(Displays, IdentifiersAreStableHashesThatNeverCollide)
{
    // The number is stored in the settings: it must not change between builds.
    EXPECT_EQ(stableScreenIdentifiers({ScreenIdentity{"", "", "", "A"}})[0], 321440879u);
    const std::vector<ScreenIdentity> screens{{"DEL", "U2720Q", "1", "DP-1"}, {"DEL", "U2720Q", "1", "DP-2"},
        {"DEL", "U2720Q", "2", "DP-1"}, {"DEL", "U2721Q", "1", "DP-1"}, {"DEM", "U2720Q", "1", "DP-1"},
        {"DELU", "2720Q", "1", "DP-1"}};
    const auto ids = stableScreenIdentifiers(screens);
    EXPECT_EQ(std::set<std::uint32_t>(ids.begin(), ids.end()).size(), screens.size()) << "every field counts";
    const ScreenIdentity twin{"", "", "", "same"};
    const auto twins = stableScreenIdentifiers({twin, twin, twin});
    EXPECT_EQ(std::set<std::uint32_t>(twins.begin(), twins.end()).size(), 3u);
    EXPECT_EQ(twins[0], stableScreenIdentifiers({twin})[0]) << "the first keeps its plain hash";
    for (const char* name : {"eDP-1", "eDP1", "LVDS-1", "DSI-1", "edp-2"})
        EXPECT_TRUE(isBuiltInConnector(name)) << name;
    for (const char* name : {"DP-1", "HDMI-A-1", "Virtual-1", "", "e"})
        EXPECT_FALSE(isBuiltInConnector(name)) << name;
}

namespace {

// Every publication of the two blackout properties, in order, after `command` runs on a state whose
// dark set starts as `before`.
std::vector<std::string> publications(const DisplaySet& before, const std::function<void(AppState&)>& command)
{
    FakeDesktop desktop(3);
    AppState& state = desktop.build().appState();
    state.blackedOutDisplays.set(before);
    std::vector<std::string> log;
    Cancellables subscriptions;
    subscriptions.push_back(state.blackedOutDisplays.subscribe([&](const DisplaySet& set) {
        std::string text = "{";
        for (DisplayId id : set)
            text += (text.size() > 1 ? "," : "") + std::to_string(id);
        log.push_back(text + "}");
    }));
    subscriptions.push_back(state.isBlackoutActive.subscribe([&](bool active) { log.push_back(active ? "on" : "off"); }));
    log.clear();
    command(state);
    return log;
}

using Log = std::vector<std::string>;

} // namespace

TEST(AppState, CommandsPublishTheSetThenTheFlag)
{
    EXPECT_EQ(publications({99}, [](AppState& s) { s.blackoutAll(); }), (Log{"{1,2,3}", "on"}));
    EXPECT_EQ(publications({2}, [](AppState& s) { s.blackoutDisplay(2); }), (Log{"{2}", "on"}));
    EXPECT_EQ(publications({}, [](AppState& s) { s.blackoutDisplay(4242); }), (Log{"{4242}", "on"}));
    EXPECT_EQ(publications({1}, [](AppState& s) { s.wakeDisplay(3); }), (Log{"{1}", "on"}));
    EXPECT_EQ(publications({1}, [](AppState& s) { s.wakeDisplay(1); }), (Log{"{}", "off"}));
    EXPECT_EQ(publications({77}, [](AppState& s) { s.blackoutAllExcept(2); }), (Log{"{1,3}", "on"}));
    EXPECT_EQ(publications({}, [](AppState& s) { s.blackoutAllExcept(12345); }), (Log{"{1,2,3}", "on"}));

    FakeDesktop one(1);
    AppState& alone = one.build().appState();
    alone.blackoutAllExcept(1);
    EXPECT_FALSE(alone.isBlackoutActive.get()) << "keeping the only display lit wakes it";
    FakeDesktop none(0);
    none.build().appState().blackoutAll();
    EXPECT_TRUE(none.state().isBlackoutActive.get()) << "active over an empty set";
    EXPECT_EQ(none.store.writes, 3) << "blackouts are never stored: only the three hotkey settings, at creation";
}

TEST(Settings, AFreshUserGetsTheDefaults)
{
    FakeDesktop desktop;
    int changes = 0;
    AppState& state = desktop.build().appState();
    Subscription s = state.hotkeysChanged.connect([&] { ++changes; });
    EXPECT_TRUE(state.ignoreMouseMovement.get());
    EXPECT_EQ(state.wakeDelay.get(), 0.0);
    EXPECT_EQ(state.allowedWakeKeys.get(), WakeKeySet{WakeKey::anyKey});
    EXPECT_EQ(state.blackoutAllHotkey.get(), std::nullopt);
    EXPECT_EQ(desktop.store.values, (std::map<std::string, json>{{"displayToggleHotkeys", "{}"}, {"displayKeepOnlyHotkeys", "{}"}}));

    std::optional<json> storedWhenAnnounced;
    Subscription t = state.hotkeysChanged.connect([&] { storedWhenAnnounced = desktop.store.object("displayToggleHotkeys"); });
    state.setToggleHotkey(KeyCombo{1, 0x0100}, 5);
    EXPECT_EQ(storedWhenAnnounced, json(R"({"5":{"keyCode":1,"modifiers":256}})")) << "announced after the write";
    state.setKeepOnlyHotkey(std::nullopt, 7);
    EXPECT_EQ(changes, 2) << "clearing a missing hotkey still announces";
}

TEST(Settings, StoredValuesLoadByTypeAndUnreadableOnesFallBack)
{
    struct Case {
        const char* key;
        json stored;
        std::function<bool(const AppState&)> loaded;
    };
    const auto keys = [](WakeKeySet set) { return [set](const AppState& s) { return s.allowedWakeKeys.get() == set; }; };
    const auto none = [](const AppState& s) { return !s.blackoutAllHotkey.get(); };
    const std::vector<Case> cases{
        {"ignoreMouseMovement", false, [](const AppState& s) { return !s.ignoreMouseMovement.get(); }},
        {"ignoreMouseMovement", "false", [](const AppState& s) { return s.ignoreMouseMovement.get(); }},
        {"wakeDelay", 2.5, [](const AppState& s) { return s.wakeDelay.get() == 2.5; }},
        {"wakeDelay", "2", [](const AppState& s) { return s.wakeDelay.get() == 0; }},
        {"allowedWakeKeys", json{"space", "sparkle", "space"}, keys({WakeKey::space})},
        {"allowedWakeKeys", json{"Space"}, keys({})},
        {"allowedWakeKeys", json::array(), keys({})},
        {"allowedWakeKeys", json{"space", 3}, keys({WakeKey::anyKey})},
        {"allowedWakeKeys", "space", keys({WakeKey::anyKey})},
        {"allowedWakeKeys", json{"any", "escape", "space", "enter"}, keys({WakeKey::anyKey, WakeKey::escape, WakeKey::space, WakeKey::enter})},
        {"blackoutAllHotkey", R"({"keyCode":12,"modifiers":4352})", [](const AppState& s) { return s.blackoutAllHotkey.get() == KeyCombo{12, 4352}; }},
        {"blackoutAllHotkey", "not json", none},
        {"blackoutAllHotkey", R"({"keyCode":2})", none},
        {"blackoutAllHotkey", json{{"keyCode", 2}, {"modifiers", 768}}, none},
        {"displayToggleHotkeys", R"({"1":{"keyCode":18,"modifiers":6144},"2":{"keyCode":19},"abc":{"keyCode":0,"modifiers":256}})",
            [](const AppState& s) { return s.displayToggleHotkeys.get() == AppState::HotkeyMap{{"1", {18, 6144}}, {"abc", {0, 256}}}; }},
        {"displayKeepOnlyHotkeys", "[1,2", [](const AppState& s) { return s.displayKeepOnlyHotkeys.get().empty(); }},
        {"displayKeepOnlyHotkeys", 17, [](const AppState& s) { return s.displayKeepOnlyHotkeys.get().empty(); }},
    };
    for (const Case& c : cases) {
        FakeDesktop desktop;
        desktop.store.values[c.key] = c.stored;
        EXPECT_TRUE(c.loaded(desktop.build().appState())) << c.key << " = " << c.stored.dump();
    }
}

TEST(Settings, CreationRewritesOnlyTheHotkeySettingsAndKeepsWhatIsReadable)
{
    FakeDesktop desktop;
    desktop.store.values = {{"wakeDelay", "2"}, {"blackoutAllHotkey", "not json"},
        {"displayToggleHotkeys", R"({"1":{"keyCode":18,"modifiers":6144},"3":{"keyCode":"x","modifiers":1}})"},
        {"displayKeepOnlyHotkeys", "[1,2"}};
    desktop.build();
    EXPECT_EQ(desktop.store.values, (std::map<std::string, json>{{"wakeDelay", "2"},
                                        {"displayToggleHotkeys", R"({"1":{"keyCode":18,"modifiers":6144}})"},
                                        {"displayKeepOnlyHotkeys", "{}"}}));
}

TEST(Settings, EverySettingSurvivesARestart)
{
    FakeDesktop desktop;
    {
        AppState& state = desktop.build().appState();
        state.ignoreMouseMovement.set(false);
        state.wakeDelay.set(7.25); // no range is enforced here
        state.allowedWakeKeys.set({});
        state.blackoutAllHotkey.set(KeyCombo{2, 0x1200});
        state.setToggleHotkey(KeyCombo{18, 0x1800}, 4294967295u);
        state.setKeepOnlyHotkey(KeyCombo{19, 0x1800}, 2);
        state.blackoutAll();
    }
    EXPECT_EQ(desktop.store.values.at("allowedWakeKeys"), json::array());
    EXPECT_EQ(desktop.store.values.at("blackoutAllHotkey"), R"({"keyCode":2,"modifiers":4608})");
    AppState& state = desktop.build().appState();
    EXPECT_FALSE(state.ignoreMouseMovement.get());
    EXPECT_EQ(state.wakeDelay.get(), 7.25);
    EXPECT_TRUE(state.allowedWakeKeys.get().empty());
    EXPECT_EQ(state.blackoutAllHotkey.get(), (KeyCombo{2, 0x1200}));
    EXPECT_EQ(state.displayToggleHotkeys.get(), (AppState::HotkeyMap{{"4294967295", {18, 0x1800}}}));
    EXPECT_EQ(state.displayKeepOnlyHotkeys.get(), (AppState::HotkeyMap{{"2", {19, 0x1800}}}));
    EXPECT_FALSE(state.isBlackoutActive.get());
    state.blackoutAllHotkey.set(std::nullopt);
    EXPECT_FALSE(desktop.store.values.contains("blackoutAllHotkey")) << "clearing brings the default back";
}
