#include "display/DisplayManager.h"
#include "input/InputMonitor.h"
#include "model/EventFlags.h"
#include "support/AppStateHarness.h"
#include "support/FakeInputServices.h"
#include "support/FakeRunLoop.h"
#include "support/FakeWindowService.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vesperon;
using namespace vesperon::testing;
using Type = InputEvent::Type;

namespace {

constexpr std::uint64_t ctrl = EventFlags::control;
constexpr std::uint64_t shift = EventFlags::shift;
constexpr std::uint64_t alt = EventFlags::option;
constexpr std::uint64_t super = EventFlags::command;
constexpr std::uint64_t capsLock = 0x10000;
constexpr std::uint16_t keyA = 0, keyD = 2, escape = 53, space = 49, returnKey = 36, keypadEnter = 76;

class InputMonitorTest : public ::testing::Test {
protected:
    InputMonitorTest()
    {
        harness.screens.addMonitor(1);
        harness.screens.addMonitor(2);
        state = harness.makeState();
        displays = DisplayManager::create({*state, loop, harness.notifications, windows, harness.screens});
        monitor = InputMonitor::create({[this]() -> AppState& { return *state; }, loop, tap, [this]() -> DisplayManager& { return *displays; }, messages});
        monitor->start();
        loop.runUntilIdle();
    }

    void blackout()
    {
        displays->blackoutAll();
        loop.runUntilIdle();
        ASSERT_TRUE(state->isBlackoutActive.get());
    }
    bool isDark() const { return state->isBlackoutActive.get(); }

    // Delivers an event and lets the run loop take one turn.
    void send(Type type, std::uint16_t keyCode = 0, std::uint64_t flags = 0)
    {
        tap.send(type, keyCode, flags);
        loop.runOnce();
    }

    AppStateHarness harness;
    FakeRunLoop loop;
    FakeWindowService windows;
    FakeInputTap tap;
    std::ostringstream messages;
    std::unique_ptr<AppState> state;
    std::shared_ptr<DisplayManager> displays;
    std::shared_ptr<InputMonitor> monitor;
};

} // namespace

TEST_F(InputMonitorTest, WithoutABlackoutNothingIsEverScheduled)
{
    state->ignoreMouseMovement.set(false);
    for (Type type : {Type::leftMouseDown, Type::rightMouseDown, Type::mouseMoved, Type::keyDown, Type::keyUp, Type::scrollWheel})
        tap.send(type, escape, ctrl | super);
    EXPECT_EQ(loop.pendingCount(), 0u);
}

TEST_F(InputMonitorTest, ClicksAndScrollsAlwaysWakeOnTheNextTurnButNotInsideTheCallback)
{
    for (Type type : {Type::leftMouseDown, Type::rightMouseDown, Type::scrollWheel}) {
        blackout();
        tap.send(type);
        EXPECT_TRUE(isDark()) << "the wake hops to the run loop first";
        loop.runOnce();
        EXPECT_FALSE(isDark());
    }
}

TEST_F(InputMonitorTest, MouseMovementWakesOnlyWhenNotIgnored)
{
    blackout();
    send(Type::mouseMoved);
    EXPECT_TRUE(isDark());
    state->ignoreMouseMovement.set(false);
    send(Type::mouseMoved);
    EXPECT_FALSE(isDark());
}

TEST_F(InputMonitorTest, AnyKeyWakesButKeyUpsAndHotkeysDoNot)
{
    blackout();
    send(Type::keyUp, keyA);
    EXPECT_TRUE(isDark()) << "key-ups never wake";
    send(Type::keyDown, keyD, shift | super);
    EXPECT_TRUE(isDark()) << "the default blackout-all hotkey is a hotkey, not wake input";
    send(Type::keyDown, keyD, shift | super | capsLock);
    EXPECT_TRUE(isDark()) << "lock keys do not change what a hotkey is";
    send(Type::keyDown, keyD, shift | super | alt);
    EXPECT_FALSE(isDark()) << "one extra modifier makes it an ordinary key";
}

TEST_F(InputMonitorTest, TheConfiguredHotkeysAreRecognisedExactly)
{
    state->blackoutAllHotkey.set(KeyCombo{keyA, 0x1000});
    state->setToggleHotkey(KeyCombo{18, 0x1800}, 1);
    state->setKeepOnlyHotkey(KeyCombo{19, 0x0100}, 2);
    blackout();
    send(Type::keyDown, keyA, ctrl);
    send(Type::keyDown, 18, ctrl | alt);
    send(Type::keyDown, 19, super);
    EXPECT_TRUE(isDark());
    send(Type::keyDown, keyD, shift | super); // no longer a hotkey: the default is replaced
    EXPECT_FALSE(isDark());
}

TEST_F(InputMonitorTest, OnlyTheAllowedWakeKeysWake)
{
    struct Case {
        WakeKeySet allowed;
        std::uint16_t key;
        bool wakes;
    };
    const std::vector<Case> cases{
        {{WakeKey::space}, space, true},
        {{WakeKey::space}, returnKey, false},
        {{WakeKey::enter}, returnKey, true},
        {{WakeKey::enter}, keypadEnter, true},
        {{WakeKey::enter}, space, false},
        {{WakeKey::escape}, escape, true},
        {{WakeKey::escape, WakeKey::space}, keyA, false},
        {{}, escape, false},
    };
    for (const Case& c : cases) {
        state->allowedWakeKeys.set(c.allowed);
        blackout();
        send(Type::keyDown, c.key);
        EXPECT_EQ(!isDark(), c.wakes) << "key " << c.key;
        displays->wakeAll();
        loop.runUntilIdle();
    }
    state->allowedWakeKeys.set({WakeKey::space});
    blackout();
    send(Type::leftMouseDown);
    EXPECT_FALSE(isDark()) << "a click wakes whatever the keys";
}

TEST_F(InputMonitorTest, ADelayedWakeComesOnceAtTheDelayCountedFromTheFirstInput)
{
    state->wakeDelay.set(3);
    blackout();
    send(Type::keyDown, keyA);
    EXPECT_TRUE(monitor->isWaking());
    loop.advance(1);
    send(Type::keyDown, keyA);
    loop.advance(1);
    send(Type::leftMouseDown);
    loop.advance(0.999);
    EXPECT_TRUE(isDark()) << "neither restarted nor extended, and not early";
    int wakes = 0;
    Subscription s = state->isBlackoutActive.subscribe([&](bool active) { wakes += !active; });
    loop.advance(0.001);
    EXPECT_FALSE(isDark());
    EXPECT_FALSE(monitor->isWaking());
    loop.advance(10);
    EXPECT_EQ(wakes, 1);
}

TEST_F(InputMonitorTest, EscapeWithADelayWaitsTheDelay)
{
    state->allowedWakeKeys.set({WakeKey::escape});
    state->wakeDelay.set(2);
    blackout();
    send(Type::keyDown, escape);
    loop.advance(1.9);
    EXPECT_TRUE(isDark());
    loop.advance(0.1);
    EXPECT_FALSE(isDark());
}

TEST_F(InputMonitorTest, TheSafetyCombinationWakesAtOnceWhateverTheSettings)
{
    state->wakeDelay.set(5);
    state->allowedWakeKeys.set({});
    blackout();
    send(Type::keyDown, escape, ctrl | super);
    EXPECT_FALSE(isDark());

    blackout();
    send(Type::keyDown, escape, ctrl | super | shift);
    EXPECT_FALSE(isDark()) << "extra modifiers may be held";

    blackout();
    send(Type::keyUp, escape, ctrl | super);
    EXPECT_FALSE(isDark()) << "it reacts to the key-up as well";

    blackout();
    send(Type::keyDown, escape, ctrl);
    send(Type::keyDown, escape, super);
    EXPECT_TRUE(isDark()) << "both Control and Super are needed";
}

TEST_F(InputMonitorTest, TheSafetyCombinationCutsAPendingDelayedWakeShort)
{
    state->wakeDelay.set(5);
    blackout();
    send(Type::keyDown, keyA);
    loop.advance(1);
    send(Type::keyDown, escape, ctrl | super);
    EXPECT_FALSE(isDark());
}

TEST_F(InputMonitorTest, APendingWakeStillFiresAfterTheDisplaysWereBlackedOutAgain)
{
    state->wakeDelay.set(2);
    blackout();
    send(Type::keyDown, keyA);
    displays->wakeAll();
    loop.runUntilIdle();
    blackout();
    loop.advance(2);
    EXPECT_FALSE(isDark());
}

TEST_F(InputMonitorTest, StopCancelsAPendingWakeAndAfterStartANewOneBegins)
{
    state->wakeDelay.set(3);
    blackout();
    send(Type::keyDown, keyA);
    monitor->stop();
    EXPECT_FALSE(monitor->isWaking());
    loop.advance(10);
    EXPECT_TRUE(isDark()) << "the wake never happens";

    monitor->start();
    send(Type::keyDown, keyA);
    EXPECT_TRUE(monitor->isWaking());
    loop.advance(3);
    EXPECT_FALSE(isDark());
}

TEST_F(InputMonitorTest, StartTwiceChangesNothingAndARefusedTapSaysSoOnce)
{
    monitor->start();
    EXPECT_EQ(tap.creates, 1);

    monitor->stop();
    tap.refuse = true;
    monitor->start();
    EXPECT_FALSE(monitor->isRunning());
    EXPECT_EQ(messages.str(), "Failed to create event tap. Accessibility permission may be required.\n");
    tap.refuse = false;
    monitor->start();
    EXPECT_TRUE(monitor->isRunning()) << "a later start tries again";
}

TEST_F(InputMonitorTest, MovementIsWatchedOnlyWhileABlackoutIsActive)
{
    EXPECT_FALSE(tap.motionWanted);
    blackout();
    EXPECT_TRUE(tap.motionWanted);
    displays->wakeAll();
    EXPECT_FALSE(tap.motionWanted);
    blackout();
    monitor->stop();
    displays->wakeAll();
    blackout();
    EXPECT_TRUE(tap.motionWanted) << "a stopped monitor no longer steers the tap";
}

TEST_F(InputMonitorTest, ATapSwitchedOffByThePlatformIsSwitchedOnAgain)
{
    tap.enabled = true;
    tap.handler(InputEvent{Type::tapDisabled, 0, 0});
    EXPECT_TRUE(tap.enabled);
}
