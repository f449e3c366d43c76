// Key combinations, displays, and the application state with its settings.
#include "core/Translation.h"
#include "display/ScreenIdentity.h"
#include "model/DisplayInfo.h"
#include "support/FakeDesktop.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <limits>

using namespace vesperon;
using namespace vesperon::testing;
using nlohmann::json;

TEST(KeyCombo, DisplayStringsAndTheStoredForm)
{
    for (const auto& [combo, text] :
        {std::pair{KeyCombo{0, 0x1000 | 0x0800 | 0x0200 | 0x0100}, "Ctrl+Alt+Shift+Super+A"},
            {KeyCombo{2, 0x0300 | 0x0400}, "Shift+Super+D"} /* other bits are not shown */,
            {KeyCombo{10, 0x1000}, "Ctrl+Key 10"}})
        EXPECT_EQ(combo.displayString(), text) << combo.keyCode;

    // The stored form, read strictly.
    EXPECT_EQ(KeyCombo::defaultBlackoutAll.toJson().dump(), R"({"keyCode":2,"modifiers":768})");
    constexpr auto max = std::numeric_limits<std::uint32_t>::max();
    for (KeyCombo combo : {KeyCombo{0, 0}, KeyCombo{max, max}, KeyCombo{0x80000000u, 0x7FFFFFFFu}})
        EXPECT_EQ(KeyCombo::fromJson(json::parse(combo.toJson().dump())), combo);
    const std::pair<const char*, std::optional<KeyCombo>> stored[] = {
        {R"({"modifiers":256,"keyCode":12,"note":"x"})", KeyCombo{12, 256}},
        {R"({"keyCode":2.0,"modifiers":7.68e2})", KeyCombo{2, 768}}, {R"({"keyCode":2})", std::nullopt},
        {R"({"keyCode":-1,"modifiers":768})", std::nullopt}, {R"({"keyCode":2,"modifiers":4294967296})", std::nullopt},
        {R"({"keyCode":2.5,"modifiers":768})", std::nullopt}};
    for (const auto& [text, combo] : stored)
        EXPECT_EQ(KeyCombo::fromJson(json::parse(text)), combo) << text;
}

TEST(Displays, EachScreenWithAnIdentityOnceInDeskOrderNamedAndIdentifiedStably)
{
    FakeScreens screens;
    screens.add(20, "Primary");
    screens.list.push_back({std::nullopt, "being unplugged", Rect{}, false, "DP-9", false});
    screens.add(20, "same identity again");
    screens.add(10, "LG", true);
    screens.list.push_back({30, "", Rect{-1920, 0, 1920, 1080}, false, "DP-4", false});
    screens.list.push_back({40, "below it", Rect{-1920, 1080, 1920, 1080}, false, "", false});
    screens.list.push_back({50, "", Rect{0, 1080, 1920, 1080}, false, "", false});
    std::string order; // left to right, then top to bottom
    for (const DisplayInfo& d : DisplayInfo::getAllDisplays(screens))
        order += d.displayName() + " at " + std::to_string(int(d.frame.x)) + "; ";
    EXPECT_EQ(
        order, "DP-4 at -1920; below it at -1920; Primary (DP-1) at 0; Display 50 at 0; Built-in Display at 5760; ");

    // Identifiers are stored in the settings: the same in every build, and never shared.
    EXPECT_EQ(stableScreenIdentifiers({ScreenIdentity{"", "", "", "A"}})[0], 321440879u);
    const ScreenIdentity twin{"", "", "", "same"};
    const auto twins = stableScreenIdentifiers({twin, twin, twin});
    EXPECT_EQ(std::set<std::uint32_t>(twins.begin(), twins.end()).size(), 3u);
    EXPECT_EQ(twins[0], stableScreenIdentifiers({twin})[0]) << "the first keeps its plain hash";
    for (const auto& [name, builtIn] : {std::pair{"eDP-1", true}, {"eDP1", true}, {"LVDS-1", true}, {"DSI-1", true},
             {"edp-2", true}, {"DP-1", false}, {"HDMI-A-1", false}, {"", false}, {"e", false}})
        EXPECT_EQ(isBuiltInConnector(name), builtIn) << name;
}

namespace {

using Log = std::vector<std::string>;

// Every publication of the two blackout properties, in order, after `command` runs on a state with
// `monitors` displays whose dark set starts as `before`.
Log publications(int monitors, const DisplaySet& before, const std::function<void(AppState&)>& command)
{
    FakeDesktop desktop(monitors);
    AppState& state = desktop.build().appState();
    state.blackedOutDisplays.set(before);
    Log log;
    const Subscription set
        = state.blackedOutDisplays.subscribe([&](const DisplaySet& s) { log.push_back(json(s).dump()); });
    const Subscription flag = state.isBlackoutActive.subscribe([&](bool on) { log.push_back(on ? "on" : "off"); });
    log.clear();
    command(state);
    return log;
}

// Every setting as the program uses it; the dim level as the windows were told it.
json settingsOf(FakeDesktop& desktop)
{
    const AppState& s = desktop.state();
    json keys = json::array(), hotkeys = json::object();
    for (WakeKey key : s.allowedWakeKeys.get())
        keys.push_back(std::string(rawValue(key)));
    for (const auto& [map, name] : {std::pair{&s.displayToggleHotkeys, "toggle"}, {&s.displayKeepOnlyHotkeys, "only"}})
        for (const auto& [display, combo] : map->get())
            hotkeys[name][display] = combo.displayString();
    const auto all = s.blackoutAllHotkey.get();
    return {{"ignoreMouseMovement", s.ignoreMouseMovement.get()}, {"wakeOnLitDisplays", s.wakeOnLitDisplays.get()},
        {"wakeDelay", s.wakeDelay.get()}, {"opacity", desktop.windows.opacity}, {"wakeKeys", keys},
        {"blackoutAll", all ? all->displayString() : ""}, {"hotkeys", hotkeys},
        {"idleMinutes", s.effectiveIdleBlackoutMinutes()},
        {"idleScope", s.idleBlackoutScope.get() == IdleScope::all ? "all" : "allButPointer"}};
}

} // namespace

TEST(AppState, CommandsPublishTheSetThenTheFlag)
{
    EXPECT_EQ(publications(3, {99}, [](AppState& s) { s.blackoutAll(); }), (Log{"[1,2,3]", "on"}));
    EXPECT_EQ(publications(3, {2}, [](AppState& s) { s.blackoutDisplay(2); }), (Log{"[2]", "on"}));
    EXPECT_EQ(publications(3, {}, [](AppState& s) { s.blackoutDisplay(4242); }), Log{}) << "a monitor not connected";
    EXPECT_EQ(publications(3, {1}, [](AppState& s) { s.wakeDisplay(1); }), (Log{"[]", "off"}));
    EXPECT_EQ(publications(3, {77}, [](AppState& s) { s.blackoutAllExcept(2); }), (Log{"[1,3]", "on"}));
    EXPECT_EQ(publications(1, {}, [](AppState& s) { s.blackoutAllExcept(1); }), (Log{"[]", "off"}))
        << "keeping the only display lit wakes it";
}

TEST(Settings, StoredValuesLoadByTypeUnreadableOnesFallBackAndEveryOneSurvivesARestart)
{
    const auto loaded = [](const json& stored) {
        FakeDesktop desktop;
        desktop.store.values = stored.get<std::map<std::string, json>>();
        desktop.build();
        return settingsOf(desktop);
    };
    const json defaults = loaded(json::object());
    EXPECT_EQ(defaults, json::parse(R"({"ignoreMouseMovement": true, "wakeOnLitDisplays": true, "wakeDelay": 0,
        "opacity": 1, "wakeKeys": ["any"], "blackoutAll": "", "hotkeys": {}, "idleMinutes": 0, "idleScope": "all"})"));
    // Values that round-trip are in the next test; here, what only a hand-edited file holds.
    const std::pair<json, json> cases[] = {
        {{{"allowedWakeKeys", {"space", "sparkle", "space"}}, {"idleBlackoutMinutes", 2.6},
             {"blackoutAllHotkey", R"({"keyCode":12,"modifiers":4352})"},
             {"displayToggleHotkeys",
                 R"({"1":{"keyCode":18,"modifiers":6144},"2":{"keyCode":19},"abc":{"keyCode":0,"modifiers":256}})"}},
            {{"wakeKeys", {"space"}} /* unknown names skipped */, {"idleMinutes", 3}, {"blackoutAll", "Ctrl+Super+Q"},
                {"hotkeys", {{"toggle", {{"1", "Ctrl+Alt+1"}, {"abc", "Super+A"}}}}} /* "2" costs only itself */}},
        // Unreadable: the default.
        {{{"ignoreMouseMovement", "false"}, {"wakeOnLitDisplays", nullptr}, {"wakeDelay", 1e308 * 10},
             {"blackoutOpacity", "0.5"}, {"allowedWakeKeys", {"space", 3}}, {"idleBlackoutMinutes", "5"},
             {"idleBlackoutScope", true}, {"blackoutAllHotkey", "not json"}, {"displayToggleHotkeys", "[1,2"},
             {"displayKeepOnlyHotkeys", 17}},
            json::object()},
        // Out of range: kept as stored, used within the range offered.
        {{{"blackoutOpacity", 0.2}, {"idleBlackoutMinutes", 500}, {"allowedWakeKeys", json::array()}},
            {{"opacity", 0.5}, {"idleMinutes", 120}, {"wakeKeys", json::array()}}},
        {{{"blackoutOpacity", 1.5}, {"idleBlackoutMinutes", -5},
             {"allowedWakeKeys", {"any", "escape", "space", "enter"}}},
            {{"opacity", 1}, {"wakeKeys", {"any", "escape", "space", "enter"}}}},
    };
    for (const auto& [stored, changed] : cases) {
        json expected = defaults;
        expected.update(changed);
        EXPECT_EQ(loaded(stored), expected) << stored.dump();
    }

    // Every setting survives a restart.
    FakeDesktop desktop;
    AppState& state = desktop.build().appState();
    state.ignoreMouseMovement.set(false), state.wakeOnLitDisplays.set(false), state.wakeDelay.set(7.25 /* no range */);
    state.blackoutOpacity.set(0.6), state.allowedWakeKeys.set({}), state.idleBlackoutMinutes.set(30);
    state.idleBlackoutScope.set(IdleScope::allButPointer), state.blackoutAllHotkey.set(KeyCombo{2, 0x1200});
    state.setToggleHotkey(KeyCombo{18, 0x1800}, 4294967295u), state.setKeepOnlyHotkey(KeyCombo{19, 0x1800}, 2);
    const json changed = settingsOf(desktop);
    for (const auto& [key, value] : changed.items())
        EXPECT_NE(value, defaults[key]) << key;
    desktop.build();
    EXPECT_EQ(settingsOf(desktop), changed);
    desktop.state().blackoutAllHotkey.set(std::nullopt);
    EXPECT_FALSE(desktop.store.values.contains("blackoutAllHotkey")) << "clearing brings the default back";
}

TEST(Translation, ValuesTakeTheirPlacesOnceAndWithoutATranslatorTheEnglishCounts)
{
    EXPECT_EQ(substitute("%2 of %1, %1%", {"a%2", "b"}), "b of a%2, a%2%") << "a value is never read again";
    EXPECT_EQ(substitute("%12 %3 100%", {"x"}), "%12 %3 100%") << "what names no value stays";
    EXPECT_EQ(translated("Status", "%n of %1 dark", nullptr, 2), "2 of %1 dark");
}
