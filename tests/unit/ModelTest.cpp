// The plumbing (signals, published values), key combinations, displays, and the application state
// with its settings.
#include "display/ScreenIdentity.h"
#include "model/DisplayInfo.h"
#include "support/FakeDesktop.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <limits>

using namespace vesperon;
using namespace vesperon::testing;
using nlohmann::json;

TEST(Signal, AnEmissionCallsInOrderWhatWasConnectedBeforeItAndIsStillConnected)
{
    Signal<int> signal;
    std::vector<std::string> calls;
    Subscription b, late;
    Subscription a = signal.connect([&](int v) {
        calls.push_back("a" + std::to_string(v));
        if (v == 1) {
            b.cancel(); // later in this emission: not called
            late = signal.connect([&](int w) { calls.push_back("late" + std::to_string(w)); });
        }
    });
    b = signal.connect([&](int v) { calls.push_back("b" + std::to_string(v)); });
    signal.emit(1);
    {
        Subscription c = signal.connect([&](int v) { calls.push_back("c" + std::to_string(v)); });
        signal.emit(2);
    }
    signal.emit(3);
    EXPECT_EQ(calls, (std::vector<std::string>{"a1", "a2", "late2", "c2", "a3", "late3"}));
}

TEST(Published, QueuedDeliveryHandsEachValueOverOnALaterTurnUntilDropped)
{
    FakeRunLoop loop;
    Published<int> value(1);
    std::vector<int> seen;
    auto s = std::make_unique<Subscription>(value.subscribeQueued(loop, [&](int v) { seen.push_back(v); }));
    value.set(2);
    value.set(3);
    EXPECT_TRUE(seen.empty()) << "nothing arrives inside the assignment";
    loop.runOnce();
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3})) << "each delivery carries its own value";
    value.set(4);
    s.reset();
    loop.runUntilIdle();
    EXPECT_EQ(seen.size(), 3u) << "queued deliveries die with the subscription";
}

TEST(KeyCombo, DisplayStringsKeyNamesAndTheStoredForm)
{
    const std::vector<std::pair<KeyCombo, std::string>> cases{
        {{0, 0x1000 | 0x0800 | 0x0200 | 0x0100}, "Ctrl+Alt+Shift+Super+A"}, {{53, 0x1100}, "Ctrl+Super+Esc"},
        {{22, 0x0800}, "Alt+6"}, {{126, 0x0200}, "Shift+Up"}, {{36, 0x0100}, "Super+Return"},
        {{2, 0x0300 | 0x0400}, "Shift+Super+D"} /* other bits are not shown */, {{10, 0x1000}, "Ctrl+Key 10"}};
    for (const auto& [combo, text] : cases)
        EXPECT_EQ(combo.displayString(), text) << combo.keyCode;
    std::set<std::string> names;
    std::size_t named = 0;
    for (std::uint32_t code = 0; code < 256; ++code)
        if (auto name = KeyCombo::keyName(code))
            names.insert(*name), ++named;
    EXPECT_EQ(names.size(), named) << "no two keys share a name";

    // The stored form, read strictly.
    EXPECT_EQ(KeyCombo::defaultBlackoutAll.toJson().dump(), R"({"keyCode":2,"modifiers":768})");
    constexpr auto max = std::numeric_limits<std::uint32_t>::max();
    for (KeyCombo combo : {KeyCombo{0, 0}, KeyCombo{max, max}, KeyCombo{0x80000000u, 0x7FFFFFFFu}})
        EXPECT_EQ(KeyCombo::fromJson(json::parse(combo.toJson().dump())), combo);
    EXPECT_EQ(KeyCombo::fromJson(json::parse(R"({"modifiers":256,"keyCode":12,"note":"x"})")), (KeyCombo{12, 256}));
    EXPECT_EQ(KeyCombo::fromJson(json::parse(R"({"keyCode":2.0,"modifiers":7.68e2})")), (KeyCombo{2, 768}));
    EXPECT_EQ(KeyCombo::fromJson(json::parse(R"({"keyCode":4294967295,"modifiers":0})")), (KeyCombo{max, 0}));
    for (const char* text : {R"({"keyCode":2})", R"({"keyCode":"2","modifiers":768})",
             R"({"keyCode":true,"modifiers":768})", R"({"keyCode":2,"modifiers":null})",
             R"({"keyCode":-1,"modifiers":768})", R"({"keyCode":2,"modifiers":4294967296})",
             R"({"keyCode":2.5,"modifiers":768})", R"({"keyCode":1e300,"modifiers":768})", R"([2,768])"})
        EXPECT_EQ(KeyCombo::fromJson(json::parse(text)), std::nullopt) << text;
}

TEST(Displays, TheListKeepsEachScreenWithAnIdentityOnce)
{
    for (const auto& [display, name] :
        {std::pair{DisplayInfo{2, "DELL U2720Q", {}, false, "DP-1", true}, "DELL U2720Q (DP-1)"},
            {DisplayInfo{2, "", {}, false, "HDMI-1", false}, "HDMI-1"},
            {DisplayInfo{2, "LG", {}, true, "eDP-1", false}, "Built-in Display"},
            {DisplayInfo{2, "", {}, false, "", false}, "Display 2"}})
        EXPECT_EQ(display.displayName(), name);
    FakeScreens screens;
    screens.add(20, "Primary");
    screens.list.push_back({std::nullopt, "being unplugged", Rect{}, false, "DP-9", false});
    screens.add(20, "same identity again");
    screens.add(10, "", true);
    screens.list.push_back({30, "left of the primary", Rect{-1920, 0, 1920, 1080}, false, "DP-4", false});
    screens.list.push_back({40, "below it", Rect{-1920, 1080, 1920, 1080}, false, "DP-5", false});
    const auto displays = DisplayInfo::getAllDisplays(screens);
    ASSERT_EQ(displays.size(), 4u);
    EXPECT_EQ(displays[0].id, 30u) << "left to right, then top to bottom";
    EXPECT_EQ(displays[1].id, 40u);
    EXPECT_EQ(displays[2].name, "Primary");
    EXPECT_EQ(displays[3].id, 10u);
    EXPECT_EQ(displays[3].frame, (Rect{5760, 0, 1920, 1080}));
    EXPECT_TRUE(displays[3].isBuiltIn);
}

TEST(Displays, IdentifiersAreStableHashesThatNeverCollide)
{
    // The number is stored in the settings: it must not change between builds.
    EXPECT_EQ(stableScreenIdentifiers({ScreenIdentity{"", "", "", "A"}})[0], 321440879u);
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
    Subscriptions subscriptions;
    subscriptions.push_back(state.blackedOutDisplays.subscribe([&](const DisplaySet& set) {
        std::string text = "{";
        for (DisplayId id : set)
            text += (text.size() > 1 ? "," : "") + std::to_string(id);
        log.push_back(text + "}");
    }));
    subscriptions.push_back(
        state.isBlackoutActive.subscribe([&](bool active) { log.push_back(active ? "on" : "off"); }));
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
    EXPECT_EQ(publications({}, [](AppState& s) { s.blackoutDisplay(4242); }), Log{}) << "a monitor not connected";
    EXPECT_EQ(publications({1}, [](AppState& s) { s.wakeDisplay(3); }), (Log{"{1}", "on"}));
    EXPECT_EQ(publications({1}, [](AppState& s) { s.wakeDisplay(1); }), (Log{"{}", "off"}));
    EXPECT_EQ(publications({77}, [](AppState& s) { s.blackoutAllExcept(2); }), (Log{"{1,3}", "on"}));
    EXPECT_EQ(publications({}, [](AppState& s) { s.blackoutAllExcept(12345); }), Log{});

    FakeDesktop one(1);
    AppState& alone = one.build().appState();
    alone.blackoutAllExcept(1);
    EXPECT_FALSE(alone.isBlackoutActive.get()) << "keeping the only display lit wakes it";
    FakeDesktop none(0);
    none.build().appState().blackoutAll();
    EXPECT_FALSE(none.state().isBlackoutActive.get()) << "no blackout without a dark monitor";
    EXPECT_EQ(none.store.writes, 3) << "blackouts are never stored: only the three hotkey settings, at creation";
}

TEST(Settings, StoredValuesLoadByTypeAndUnreadableOnesFallBack)
{
    FakeDesktop good;
    good.store.values
        = {{"ignoreMouseMovement", false}, {"wakeDelay", 2.5}, {"allowedWakeKeys", {"space", "sparkle", "space"}},
            {"blackoutOpacity", 0.75}, {"blackoutAllHotkey", R"({"keyCode":12,"modifiers":4352})"},
            {"displayToggleHotkeys",
                R"({"1":{"keyCode":18,"modifiers":6144},"2":{"keyCode":19},"abc":{"keyCode":0,"modifiers":256}})"}};
    const AppState& loaded = good.start().appState();
    EXPECT_FALSE(loaded.ignoreMouseMovement.get());
    EXPECT_EQ(loaded.wakeDelay.get(), 2.5);
    EXPECT_EQ(loaded.effectiveBlackoutOpacity(), 0.75);
    EXPECT_EQ(good.windows.opacity, 0.75) << "the windows are told at start";
    EXPECT_EQ(loaded.allowedWakeKeys.get(), WakeKeySet{WakeKey::space}) << "unknown names are skipped";
    EXPECT_EQ(loaded.blackoutAllHotkey.get(), (KeyCombo{12, 4352}));
    EXPECT_EQ(loaded.displayToggleHotkeys.get(), (AppState::HotkeyMap{{"1", {18, 6144}}, {"abc", {0, 256}}}))
        << "an unreadable entry costs only itself";

    FakeDesktop bad;
    bad.store.values = {{"ignoreMouseMovement", "false"}, {"wakeDelay", "2"}, {"allowedWakeKeys", {"space", 3}},
        {"blackoutOpacity", "0.5"}, {"blackoutAllHotkey", "not json"}, {"displayToggleHotkeys", "[1,2"},
        {"displayKeepOnlyHotkeys", 17}};
    const AppState& fallen = bad.build().appState();
    EXPECT_TRUE(fallen.ignoreMouseMovement.get());
    EXPECT_EQ(fallen.wakeDelay.get(), 0);
    EXPECT_EQ(fallen.blackoutOpacity.get(), 1.0);
    EXPECT_EQ(fallen.allowedWakeKeys.get(), WakeKeySet{WakeKey::anyKey});
    EXPECT_EQ(fallen.blackoutAllHotkey.get(), std::nullopt);
    EXPECT_TRUE(fallen.displayToggleHotkeys.get().empty() && fallen.displayKeepOnlyHotkeys.get().empty());

    for (const auto& [stored, keys] :
        std::vector<std::pair<json, WakeKeySet>>{{json{"Space"}, {}}, {json::array(), {}}, {"space", {WakeKey::anyKey}},
            {json{"any", "escape", "space", "enter"},
                {WakeKey::anyKey, WakeKey::escape, WakeKey::space, WakeKey::enter}}}) {
        FakeDesktop desktop;
        desktop.store.values["allowedWakeKeys"] = stored;
        EXPECT_EQ(desktop.build().appState().allowedWakeKeys.get(), keys) << stored.dump();
    }
    // Out of range: kept as stored, used within the range offered.
    for (const auto& [stored, used] :
        std::vector<std::pair<double, double>>{{0.2, 0.5}, {-1, 0.5}, {1.5, 1.0}, {0.55, 0.55}, {1e308 * 10, 1.0}}) {
        FakeDesktop desktop;
        desktop.store.values["blackoutOpacity"] = stored;
        desktop.start();
        EXPECT_EQ(desktop.state().effectiveBlackoutOpacity(), used) << stored;
        EXPECT_EQ(desktop.windows.opacity, used) << stored;
    }
    for (const json& stored : {json(R"({"keyCode":2})"), json{{"keyCode", 2}, {"modifiers", 768}} /* not text */}) {
        FakeDesktop desktop;
        desktop.store.values["blackoutAllHotkey"] = stored;
        EXPECT_EQ(desktop.build().appState().blackoutAllHotkey.get(), std::nullopt) << stored.dump();
    }
}

TEST(Settings, AFreshUserGetsTheDefaultsAndEverySettingSurvivesARestart)
{
    FakeDesktop desktop;
    {
        AppState& state = desktop.build().appState();
        EXPECT_TRUE(state.ignoreMouseMovement.get());
        EXPECT_EQ(state.wakeDelay.get(), 0.0);
        EXPECT_EQ(state.allowedWakeKeys.get(), WakeKeySet{WakeKey::anyKey});
        EXPECT_EQ(state.blackoutAllHotkey.get(), std::nullopt);
        EXPECT_EQ(desktop.store.values,
            (std::map<std::string, json>{{"displayToggleHotkeys", "{}"}, {"displayKeepOnlyHotkeys", "{}"}}));
        int changes = 0;
        std::optional<json> storedWhenAnnounced;
        Subscription s = state.hotkeysChanged.connect([&] {
            ++changes;
            storedWhenAnnounced = desktop.store.object("displayToggleHotkeys");
        });
        state.ignoreMouseMovement.set(false);
        state.wakeDelay.set(7.25); // no range is enforced here
        state.blackoutOpacity.set(0.6);
        state.allowedWakeKeys.set({});
        state.blackoutAllHotkey.set(KeyCombo{2, 0x1200});
        state.setToggleHotkey(KeyCombo{18, 0x1800}, 4294967295u);
        EXPECT_EQ(storedWhenAnnounced, json(R"({"4294967295":{"keyCode":18,"modifiers":6144}})"))
            << "announced after the write";
        state.setKeepOnlyHotkey(KeyCombo{19, 0x1800}, 2);
        state.setKeepOnlyHotkey(std::nullopt, 7);
        EXPECT_EQ(changes, 4) << "every hotkey write announces, even clearing a missing one";
        state.blackoutAll();
    }
    EXPECT_EQ(desktop.store.values.at("allowedWakeKeys"), json::array());
    EXPECT_EQ(desktop.store.values.at("blackoutAllHotkey"), R"({"keyCode":2,"modifiers":4608})");
    AppState& state = desktop.build().appState();
    EXPECT_FALSE(state.ignoreMouseMovement.get());
    EXPECT_EQ(state.wakeDelay.get(), 7.25);
    EXPECT_EQ(state.blackoutOpacity.get(), 0.6);
    EXPECT_TRUE(state.allowedWakeKeys.get().empty());
    EXPECT_EQ(state.blackoutAllHotkey.get(), (KeyCombo{2, 0x1200}));
    EXPECT_EQ(state.displayToggleHotkeys.get(), (AppState::HotkeyMap{{"4294967295", {18, 0x1800}}}));
    EXPECT_EQ(state.displayKeepOnlyHotkeys.get(), (AppState::HotkeyMap{{"2", {19, 0x1800}}}));
    EXPECT_FALSE(state.isBlackoutActive.get());
    state.blackoutAllHotkey.set(std::nullopt);
    EXPECT_FALSE(desktop.store.values.contains("blackoutAllHotkey")) << "clearing brings the default back";
}
