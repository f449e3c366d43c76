// Waking by input and the hotkeys, over the fake desktop.
#include "control/ControlService.h"
#include "core/EventFlags.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/IdleBlackout.h"
#include "input/InputMonitor.h"
#include "support/FakeDesktop.h"

#include <gtest/gtest.h>

using namespace vesperon;
using namespace vesperon::testing;
using Type = InputEvent::Type;
using enum InputEvent::Type;

namespace {

constexpr std::uint64_t ctrl = EventFlags::control, shift = EventFlags::shift, alt = EventFlags::alt,
                        super = EventFlags::super, capsLock = 0x10000;
constexpr std::uint16_t keyA = 0, keyD = 2, key1 = 18, key2 = 19, escape = 53;
constexpr KeyCombo ctrlAlt1{key1, 0x1800}, ctrlAlt2{key2, 0x1800}, ctrlAlt3{20, 0x1800}, shiftSuperD{keyD, 0x0300};

using Settings = std::function<void(AppState&)>;
const Settings asIs = [](AppState&) {};

// Started, with `settings` applied, and every display dark.
struct Blackout : FakeDesktop {
    explicit Blackout(const Settings& settings = asIs) { start(), settings(state()), blackout(); }
    void blackout() { app->displays().blackoutAll(), loop.runUntilIdle(); }
    // Delivers an event and lets the run loop take one turn.
    void send(Type type, std::uint16_t key = 0, std::uint64_t flags = 0) { tap.send(type, key, flags), loop.runOnce(); }
    InputMonitor& monitor() { return app->inputMonitor(); }
};

} // namespace

TEST(InputMonitor, WhatWakesADisplayOnTheNextTurn)
{
    const auto keys = [](WakeKeySet set) { return [set](AppState& s) { s.allowedWakeKeys.set(set); }; };
    const auto safety = [](AppState& s) { s.allowedWakeKeys.set({}), s.wakeDelay.set(5); };
    const auto hotkeys = [](AppState& s) {
        s.blackoutAllHotkey.set(KeyCombo{keyA, 0x1000}), s.setToggleHotkey(ctrlAlt1, 1);
        s.setKeepOnlyHotkey(KeyCombo{key2, 0x0100}, 2);
    };
    const auto moves = [](AppState& s) { s.ignoreMouseMovement.set(false); };
    const std::tuple<const char*, Settings, Type, std::uint16_t, std::uint64_t, bool> cases[] = {
        {"left click", asIs, leftMouseDown, 0, 0, true}, {"wheel", keys({}), scrollWheel, 0, 0, true},
        {"movement, ignored by default", asIs, mouseMoved, 0, 0, false}, {"movement", moves, mouseMoved, 0, 0, true},
        {"any key", asIs, keyDown, keyA, 0, true}, {"a key-up", asIs, keyUp, keyA, 0, false},
        {"the default hotkey", asIs, keyDown, keyD, shift | super, false},
        {"it with Caps Lock", asIs, keyDown, keyD, shift | super | capsLock, false},
        {"it and Alt", asIs, keyDown, keyD, shift | super | alt, true},
        {"the blackout-all hotkey set", hotkeys, keyDown, keyA, ctrl, false},
        {"the default once replaced", hotkeys, keyDown, keyD, shift | super, true},
        {"a toggle hotkey", hotkeys, keyDown, key1, ctrl | alt, false},
        {"a keep-only hotkey", hotkeys, keyDown, key2, super, false},
        {"Return, Enter allowed", keys({WakeKey::enter}), keyDown, 36, 0, true},
        {"keypad Enter, Enter allowed", keys({WakeKey::enter}), keyDown, 76, 0, true},
        {"Escape allowed", keys({WakeKey::escape}), keyDown, escape, 0, true},
        {"Escape, no key allowed", keys({}), keyDown, escape, 0, false},
        {"Control+Super+Escape", safety, keyDown, escape, ctrl | super, true},
        {"Control+Shift+Super+Escape", safety, keyDown, escape, ctrl | super | shift, true},
        {"Control+Super+Escape, released", safety, keyUp, escape, ctrl | super, true},
        {"Super+Escape", safety, keyDown, escape, super, false}};
    for (const auto& [what, settings, type, key, flags, wakes] : cases) {
        Blackout desktop(settings);
        desktop.tap.send(type, key, flags);
        EXPECT_TRUE(desktop.dark()) << what << ": never inside the tap's callback";
        desktop.loop.runOnce();
        EXPECT_EQ(!desktop.dark(), wakes) << what;
    }

    // Working beside a blackout: only pointer input over a dark display wakes; keys keep their rules.
    FakeDesktop beside;
    beside.start();
    EXPECT_FALSE(beside.tap.positionWanted) << "no pointer questions while every display's input wakes";
    beside.state().wakeOnLitDisplays.set(false), beside.state().ignoreMouseMovement.set(false);
    EXPECT_TRUE(beside.tap.positionWanted);
    const std::tuple<Type, Point, bool> besideCases[]
        = {{leftMouseDown, {100, 100}, false}, {scrollWheel, {1919, 1079}, false}, {mouseMoved, {500, 500}, false},
            {keyDown, {500, 500}, true}, {rightMouseDown, {1920, 0}, true}, {mouseMoved, {3000, 900}, true}};
    for (const auto& [type, at, wakes] : besideCases) {
        beside.app->displays().blackoutAllExcept(1), beside.loop.runUntilIdle(); // the second, from x 1920, dark
        beside.tap.send(type, keyA, 0, at), beside.loop.runUntilIdle();
        EXPECT_EQ(!beside.dark(), wakes) << int(type) << " at " << at.x << "," << at.y;
    }
    beside.tap.send(keyDown, escape, ctrl | super);
    EXPECT_EQ(beside.loop.pendingCount(), 0u) << "without a blackout nothing is scheduled";
}

TEST(InputMonitor, ADelayedWakeComesOnceAtTheDelayFromTheFirstInputUnlessStopped)
{
    Blackout desktop([](AppState& s) { s.wakeDelay.set(3); });
    desktop.send(keyDown, keyA);
    desktop.loop.advance(1), desktop.send(keyDown, keyA);
    desktop.loop.advance(1), desktop.send(leftMouseDown);
    desktop.loop.advance(0.999);
    EXPECT_TRUE(desktop.dark()) << "neither restarted nor extended, and not early";
    int wakes = 0;
    Subscription s = desktop.state().isBlackoutActive.subscribe([&](bool active) { wakes += !active; });
    desktop.loop.advance(0.001);
    EXPECT_FALSE(desktop.dark() || desktop.monitor().isWaking());
    desktop.loop.advance(10);
    EXPECT_EQ(wakes, 1);

    desktop.state().wakeDelay.set(1e7); // from a hand-edited file
    desktop.blackout(), desktop.send(leftMouseDown);
    desktop.loop.advance(5);
    EXPECT_FALSE(desktop.dark()) << "a delay is at most the preferences' 5 s";

    desktop.blackout(), desktop.send(keyDown, keyA);
    desktop.loop.advance(1), desktop.send(keyDown, escape, ctrl | super);
    EXPECT_FALSE(desktop.dark()) << "the safety combination cuts a pending wake short";

    // Stopping cancels a pending wake and lets go of the tap.
    desktop.blackout();
    EXPECT_TRUE(desktop.tap.motionWanted) << "movement is watched during a blackout";
    desktop.send(keyDown, keyA), desktop.monitor().stop();
    EXPECT_FALSE(desktop.monitor().isWaking() || desktop.tap.handler);
    desktop.loop.advance(10);
    EXPECT_TRUE(desktop.dark()) << "the wake never comes";
    desktop.app->displays().wakeAll();
    EXPECT_TRUE(desktop.tap.motionWanted) << "a stopped monitor no longer steers the tap";

    desktop.tap.refuse = true, desktop.monitor().start();
    EXPECT_FALSE(desktop.monitor().isRunning());
    EXPECT_EQ(desktop.messages.str(),
        "Vesperon: cannot watch input on this desktop, so only the hotkeys wake the displays\n");
}

TEST(HotkeyManager, RegistersEverySettingAnewWithIdsFromOne)
{
    FakeDesktop desktop(3);
    HotkeyManager& manager = desktop.start().hotkeys();
    desktop.hotkeys.taken.insert(ctrlAlt1);
    desktop.state().displayToggleHotkeys.set({{"1", ctrlAlt1}, {"abc", ctrlAlt2}, {"3", ctrlAlt3}});
    desktop.state().setKeepOnlyHotkey(ctrlAlt2, 2);
    // id 2 went to the refused display "1"; "abc" is no display and uses no id.
    EXPECT_EQ(manager.hotkeyActions(),
        (std::map<std::uint32_t, HotkeyAction>{{1, HotkeyAction::blackoutAll()}, {3, HotkeyAction::toggleDisplay(3)},
            {4, HotkeyAction::keepOnlyDisplay(2)}}));
    EXPECT_EQ(desktop.hotkeys.live.size(), 3u) << "the first registrations were all released";
    EXPECT_EQ(desktop.hotkeys.titles,
        (std::map<std::string, std::string>{{"blackout-all", "Blackout All"},
            {"toggle-display-3", "Blackout or Wake Monitor 3 (DP-3)"},
            {"keep-only-display-2", "Keep Only Monitor 2 (DP-2)"}}))
        << "names that stay from run to run, titles a desktop's shortcut settings can show";

    manager.setSuspended(true);
    EXPECT_TRUE(desktop.hotkeys.live.empty() && manager.hotkeyActions().empty())
        << "no action left for a press while paused";
    desktop.state().setToggleHotkey(ctrlAlt1, 2); // a settings change while a recorder records
    EXPECT_TRUE(desktop.hotkeys.live.empty());
    desktop.hotkeys.taken.clear(), manager.setSuspended(false);
    EXPECT_EQ(desktop.hotkeys.live.size(), 4u) << "back, from the current settings";
    EXPECT_TRUE(desktop.hotkeys.held(ctrlAlt1));

    desktop.app.reset();
    EXPECT_TRUE(desktop.hotkeys.live.empty() && !desktop.hotkeys.handler) << "teardown releases hotkeys and handler";

    // Display keys are unsigned decimal numbers.
    for (const auto& [key, id] : std::vector<std::pair<const char*, DisplayId>>{
             {"0", 0}, {"4294967295", 4294967295u}, {"+12", 12}, {"007", 7}, {"-0", 0}})
        EXPECT_EQ(HotkeyManager::parseDisplayKey(key), id) << key;
    for (const char* bad : {"", "-", "-1", "4294967296", " 1", "1a", "0x10"})
        EXPECT_EQ(HotkeyManager::parseDisplayKey(bad), std::nullopt) << '"' << bad << '"';
}

TEST(HotkeyManager, APressActsOnALaterTurnAndDesktopsWithAShortcutSettingsOfTheirOwn)
{
    const KeyCombo ctrlShiftSuperEsc{escape, 0x1300};
    FakeDesktop desktop(3);
    desktop.hotkeys.safety = ctrlShiftSuperEsc;
    HotkeyManager& manager = desktop.start().hotkeys();
    desktop.state().setKeepOnlyHotkey(ctrlAlt3, 3), desktop.state().setToggleHotkey(ctrlAlt1, 1);
    EXPECT_TRUE(desktop.hotkeys.press(ctrlAlt3));
    EXPECT_FALSE(desktop.dark()) << "a press acts on a later turn, never inside the platform's callback";
    desktop.loop.runUntilIdle();
    EXPECT_EQ(desktop.state().blackedOutDisplays.get(), (DisplaySet{1, 2}));
    desktop.hotkeys.press(ctrlAlt1), desktop.loop.runUntilIdle();
    EXPECT_EQ(desktop.state().blackedOutDisplays.get(), DisplaySet{2});
    EXPECT_EQ(manager.safetyWakeHotkey(), ctrlShiftSuperEsc);
    EXPECT_TRUE(desktop.hotkeys.press(ctrlShiftSuperEsc));
    desktop.loop.runUntilIdle();
    EXPECT_FALSE(desktop.dark()) << "the safety wake, registered where the desktop keeps the usual one";
    desktop.hotkeys.press(shiftSuperD), desktop.loop.runUntilIdle();
    EXPECT_TRUE(desktop.dark()) << "blackout-all toggles";

    // Changes made in the desktop's settings are stored, and registered anew.
    desktop.hotkeys.change(shiftSuperD, ctrlAlt2), desktop.hotkeys.change(ctrlAlt1, std::nullopt);
    EXPECT_EQ(desktop.state().blackoutAllHotkey.get(), std::nullopt) << "not inside the desktop's callback";
    desktop.loop.runUntilIdle();
    EXPECT_EQ(desktop.state().blackoutAllHotkey.get(), ctrlAlt2);
    EXPECT_TRUE(desktop.state().displayToggleHotkeys.get().empty());
    EXPECT_TRUE(desktop.hotkeys.held(ctrlAlt2) && !desktop.hotkeys.held(shiftSuperD));
    desktop.hotkeys.change(ctrlAlt2, std::nullopt), desktop.loop.runUntilIdle();
    EXPECT_TRUE(desktop.hotkeys.held(shiftSuperD)) << "a removed blackout-all hotkey comes back as the default";

    FakeDesktop wayland; // where the desktop binds every key itself nothing is retried
    wayland.hotkeys.grabs = false, wayland.hotkeys.taken.insert(shiftSuperD);
    const int attempts = (wayland.start(), wayland.hotkeys.attempts);
    wayland.tray.open(), wayland.loop.advance(60);
    EXPECT_EQ(wayland.hotkeys.attempts, attempts);
    EXPECT_EQ(wayland.loop.pendingCount(), 0u);
    EXPECT_EQ(wayland.app->hotkeys().safetyWakeHotkey(), KeyCombo::safetyWake);
}

namespace {

// Three monitors side by side, 1920 wide, with idle blackout after `minutes`.
struct Idle : FakeDesktop {
    explicit Idle(nlohmann::json minutes, const char* scope = "all") : FakeDesktop(3)
    {
        store.values = {{"idleBlackoutMinutes", std::move(minutes)}, {"idleBlackoutScope", scope}};
        start();
    }
    DisplaySet darkSet() { return state().blackedOutDisplays.get(); }
    // Whether more displays are dark after `seconds` more of no input, and not a second before.
    bool darkAfterExactly(double seconds)
    {
        const DisplaySet before = darkSet();
        loop.advance(seconds - 1);
        if (darkSet() != before)
            return false;
        loop.advance(1);
        return darkSet() != before;
    }
};

} // namespace

TEST(IdleBlackout, CountsFromTheLastInputAndEachWakeAndWaitsWhileAnApplicationHoldsTheScreen)
{
    Idle desktop(5);
    desktop.loop.advance(200), desktop.idle.input();
    EXPECT_TRUE(desktop.darkAfterExactly(300)) << "five minutes from the last input";
    EXPECT_EQ(desktop.darkSet(), (DisplaySet{1, 2, 3}));
    desktop.tap.send(leftMouseDown), desktop.loop.runUntilIdle(); // an idle blackout wakes like any other
    EXPECT_FALSE(desktop.dark());
    EXPECT_TRUE(desktop.darkAfterExactly(300)) << "counted anew from the wake";
    // A display blacked out or woken by hand starts the count again too.
    desktop.app->displays().wakeAll(), desktop.loop.advance(100);
    desktop.app->displays().blackoutDisplay(1);
    EXPECT_TRUE(desktop.darkAfterExactly(300));

    desktop.app->displays().wakeAll(), desktop.inhibition.holder = "Firefox";
    const int asked = desktop.inhibition.checks;
    desktop.loop.advance(3 * 300);
    EXPECT_FALSE(desktop.dark());
    EXPECT_EQ(desktop.inhibition.checks, asked + 3) << "asked again after each further period";
    EXPECT_EQ(desktop.state().idleHeldBy.get(), std::optional<std::string>("Firefox"));
    desktop.inhibition.holder.reset(); // the film ended
    EXPECT_TRUE(desktop.darkAfterExactly(300));
    EXPECT_EQ(desktop.state().idleHeldBy.get(), std::nullopt);
}

// How stored minutes are read and clamped is the settings' matter (ModelTest).
TEST(IdleBlackout, AllButThePointersDisplayTheMinutesClampedAndChangedAtOnceAndNoneWhereIdleCannotBeTold)
{
    Idle desktop(1, "allButPointer");
    desktop.idle.pointer = Point{2000, 500};
    EXPECT_TRUE(desktop.darkAfterExactly(60));
    EXPECT_EQ(desktop.darkSet(), (DisplaySet{1, 3})) << "the film on the second display plays on";
    desktop.loop.advance(3600);
    EXPECT_EQ(desktop.darkSet(), (DisplaySet{1, 3})) << "and stays lit however long it plays";
    desktop.app->displays().wakeAll(), desktop.idle.pointer.reset(); // Wayland
    EXPECT_TRUE(desktop.darkAfterExactly(60));
    EXPECT_EQ(desktop.darkSet(), (DisplaySet{1, 2, 3}));

    desktop.app->displays().wakeAll();
    ASSERT_FALSE(desktop.app->control().perform({ControlCommand::Action::setIdleMinutes, "", 1.0, 2}));
    EXPECT_TRUE(desktop.darkAfterExactly(120));
    desktop.app->displays().wakeAll();
    ASSERT_FALSE(desktop.app->control().perform({ControlCommand::Action::setIdleMinutes, "", 1.0, 0}));
    desktop.loop.advance(3600);
    EXPECT_FALSE(desktop.dark()) << "0 turns it off";
    EXPECT_TRUE(desktop.app->idleBlackout().isAvailable());

    FakeDesktop blind; // where idle time cannot be told it says so, and nothing happens
    blind.idle.available = false, blind.store.values["idleBlackoutMinutes"] = 3;
    blind.start(), blind.loop.advance(3600);
    EXPECT_FALSE(blind.app->idleBlackout().isAvailable() || blind.dark());
}

TEST(IdleBlackout, EachDisplayRestsWhenThePointerLeftItAloneAndLightsAsThePointerReturns)
{
    FakeDesktop desktop(3);
    desktop.store.values = {{"idleBlackoutMinutes", 1}, {"idleBlackoutScope", "eachDisplay"}};
    desktop.idle.pointer = Point{100, 100}; // on the first display
    desktop.start();
    const auto dark = [&] { return desktop.state().blackedOutDisplays.get(); };
    const auto work = [&](double seconds, std::optional<Point> at = {}) { // a key or a move every 10 s
        for (double t = 0; t < seconds; t += 10)
            at ? desktop.tap.send(mouseMoved, 0, 0, at) : desktop.tap.send(keyDown), desktop.loop.advance(10);
    };
    work(50);
    EXPECT_EQ(dark(), DisplaySet{});
    work(10);
    EXPECT_EQ(dark(), (DisplaySet{2, 3})) << "a minute without the pointer";
    work(600);
    EXPECT_EQ(dark(), (DisplaySet{2, 3})) << "the display worked on stays lit";
    work(60, Point{2000, 500});
    EXPECT_EQ(dark(), (DisplaySet{1, 3})) << "the pointer's return lights the second; the first rests in its turn";

    desktop.app->displays().blackoutAll(), desktop.loop.runUntilIdle();
    desktop.tap.send(leftMouseDown, 0, 0, Point{2000, 500}), desktop.loop.runUntilIdle();
    EXPECT_EQ(dark(), DisplaySet{}) << "the user's blackout wakes as ever, displays at rest too";
    desktop.inhibition.holder = "Firefox";
    desktop.loop.advance(180);
    EXPECT_EQ(dark(), DisplaySet{}) << "held back while the film plays";
    desktop.inhibition.holder.reset();
    desktop.loop.advance(60);
    EXPECT_EQ(dark(), (DisplaySet{1, 2, 3})) << "and with the user gone, every display in the end";
    EXPECT_EQ(desktop.loop.pendingCount(), 0u) << "nothing left to count";
}
