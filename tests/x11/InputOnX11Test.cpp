// Hotkeys and waking on a real X server, driven by real input through XTEST.
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/InputMonitor.h"
#include "model/AppState.h"
#include "platform/qt/QtPlatform.h"
#include "platform/x11/KeyCodeTable.h"
#include "support/QtSpin.h"
#include "support/TemporaryFolder.h"
#include "support/ThreeMonitors.h"
#include "support/XClient.h"
#include "x11/TestServer.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

std::uint8_t x11(std::uint32_t keyCode)
{
    return *KeyCodeTable::toX11(keyCode);
}

const std::uint8_t keyD = x11(2), keyA = x11(0), key1 = x11(18), key2 = x11(19), escape = x11(53), space = x11(49);

class InputOnX11 : public ::testing::Test {
protected:
    void SetUp() override
    {
        ThreeMonitors::plugIn(testServer());
        ASSERT_TRUE(spinUntil([] { return QGuiApplication::screens().size() == 3; }));
        platform = std::make_unique<QtPlatform>(folder / "settings.json", folder / "vesperon.desktop");
        state = std::make_unique<AppState>(platform->settings, platform->notifications, platform->screens);
        displays = DisplayManager::create(
            {*state, platform->runLoop, platform->notifications, platform->windows, platform->screens});
        auto displayManager = [this]() -> DisplayManager& { return *displays; };
        hotkeys = HotkeyManager::create({*state, platform->runLoop, platform->hotkeys, displayManager});
        monitor = InputMonitor::create({[this]() -> AppState& { return *state; }, platform->runLoop, platform->inputTap, displayManager, messages});
        hotkeys->installEventHandler();
        hotkeys->registerAllHotkeys();
        monitor->start();
        ASSERT_TRUE(monitor->isRunning()) << messages.str();
        focused = client.createWindow(ThreeMonitors::a, 0x808080, false, XCB_EVENT_MASK_KEY_PRESS);
        client.setInputFocus(focused);
        spinFor(20);
    }

    void TearDown() override
    {
        monitor.reset();
        hotkeys.reset();
        displays.reset();
        state.reset();
        platform.reset();
    }

    DisplayId idAt(const Rect& frame) const { return ThreeMonitors::idAt(*state, frame); }

    bool dark(const DisplaySet& expected)
    {
        return spinUntil([&] {
            return state->isBlackoutActive.get() && state->blackedOutDisplays.get() == expected
                && displays->blackoutWindows().size() == expected.size();
        });
    }
    bool allDark() { return dark({idAt(ThreeMonitors::a), idAt(ThreeMonitors::b), idAt(ThreeMonitors::c)}); }
    bool awake()
    {
        return spinUntil([&] { return !state->isBlackoutActive.get() && displays->blackoutWindows().empty(); });
    }
    // Nothing changes for a while: the state is still `active`.
    bool staysDark()
    {
        spinFor(150);
        return state->isBlackoutActive.get() && !displays->blackoutWindows().empty();
    }

    void pressBlackoutAll(std::initializer_list<std::uint8_t> extra = {})
    {
        for (std::uint8_t key : extra)
            client.pressKey(key);
        client.typeKey(keyD, {X11Key::super, X11Key::shift});
        for (std::uint8_t key : extra)
            client.releaseKey(key);
        client.sync();
    }

    XClient client;
    xcb_window_t focused = 0;
    TemporaryFolder folder{"input"};
    std::ostringstream messages;
    std::unique_ptr<QtPlatform> platform;
    std::unique_ptr<AppState> state;
    std::shared_ptr<DisplayManager> displays;
    std::shared_ptr<HotkeyManager> hotkeys;
    std::shared_ptr<InputMonitor> monitor;
};

} // namespace

TEST_F(InputOnX11, SuperShiftDBlacksOutEveryMonitorAndWakesThemOnTheNextPress)
{
    pressBlackoutAll();
    ASSERT_TRUE(allDark());
    pressBlackoutAll();
    EXPECT_TRUE(awake());
}

TEST_F(InputOnX11, TheBlackoutAllHotkeyWorksWithNumLockOrCapsLockOn)
{
    client.typeKey(X11Key::numLock); // Num Lock on
    pressBlackoutAll();
    EXPECT_TRUE(allDark());
    pressBlackoutAll();
    EXPECT_TRUE(awake());
    client.typeKey(X11Key::numLock); // off again

    client.typeKey(X11Key::capsLock);
    pressBlackoutAll();
    EXPECT_TRUE(allDark());
    pressBlackoutAll();
    EXPECT_TRUE(awake());
    client.typeKey(X11Key::capsLock);
}

TEST_F(InputOnX11, PerMonitorToggleAndKeepOnlyHotkeysActOnTheirOwnMonitor)
{
    const DisplayId b = idAt(ThreeMonitors::b), c = idAt(ThreeMonitors::c);
    state->setToggleHotkey(KeyCombo{18, 0x1800}, b);   // Control + Alt + 1
    state->setKeepOnlyHotkey(KeyCombo{19, 0x1800}, c); // Control + Alt + 2
    hotkeys->registerAllHotkeys();

    client.typeKey(key1, {X11Key::control, X11Key::alt});
    EXPECT_TRUE(dark({b}));
    client.typeKey(key2, {X11Key::control, X11Key::alt});
    EXPECT_TRUE(dark({idAt(ThreeMonitors::a), b}));
    client.typeKey(key1, {X11Key::control, X11Key::alt});
    EXPECT_TRUE(dark({idAt(ThreeMonitors::a)})) << "the toggle wakes its own monitor, and only it";
}

TEST_F(InputOnX11, AHotkeyAnotherProgramHoldsIsRefusedAndTheOthersStillWork)
{
    XClient other;
    ASSERT_TRUE(other.grabKey(key1, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
    const DisplayId b = idAt(ThreeMonitors::b);
    state->setToggleHotkey(KeyCombo{18, 0x1800}, b);
    state->setKeepOnlyHotkey(KeyCombo{19, 0x1800}, b);
    hotkeys->registerAllHotkeys();
    EXPECT_FALSE(hotkeys->hotkeyActions().contains(2)) << "Control + Alt + 1 belongs to another program";
    EXPECT_EQ(hotkeys->hotkeyActions().at(3), HotkeyAction::keepOnlyDisplay(b));

    client.typeKey(key1, {X11Key::control, X11Key::alt});
    EXPECT_FALSE(staysDark());
    client.typeKey(key2, {X11Key::control, X11Key::alt});
    EXPECT_TRUE(dark({idAt(ThreeMonitors::a), idAt(ThreeMonitors::c)}));
    pressBlackoutAll(); // wakes
    EXPECT_TRUE(awake());
}

TEST_F(InputOnX11, ClicksWheelAndAllowedKeysWakeEveryMonitor)
{
    pressBlackoutAll();
    ASSERT_TRUE(allDark());
    client.click(2880, 700);
    EXPECT_TRUE(awake()) << "left click";

    pressBlackoutAll();
    ASSERT_TRUE(allDark());
    client.click(2880, 700, 3);
    EXPECT_TRUE(awake()) << "right click";

    pressBlackoutAll();
    ASSERT_TRUE(allDark());
    client.scroll(5);
    EXPECT_TRUE(awake()) << "wheel";

    state->allowedWakeKeys.set({WakeKey::space});
    pressBlackoutAll();
    ASSERT_TRUE(allDark());
    client.typeKey(keyA);
    EXPECT_TRUE(staysDark()) << "A is not an allowed wake key";
    client.typeKey(space);
    EXPECT_TRUE(awake());
}

TEST_F(InputOnX11, MouseMovementWakesOnlyWhenNotIgnored)
{
    client.moveTo(100, 100);
    pressBlackoutAll();
    ASSERT_TRUE(allDark());
    client.moveTo(2000, 500);
    client.moveTo(4000, 900);
    EXPECT_TRUE(staysDark()) << "movement is ignored by default";

    state->ignoreMouseMovement.set(false);
    client.moveTo(300, 300);
    EXPECT_TRUE(awake());
}

TEST_F(InputOnX11, AHotkeyPressIsNotWakeInput)
{
    const DisplayId b = idAt(ThreeMonitors::b);
    state->setToggleHotkey(KeyCombo{18, 0x1800}, b);
    hotkeys->registerAllHotkeys();
    pressBlackoutAll();
    ASSERT_TRUE(allDark());
    client.typeKey(key1, {X11Key::control, X11Key::alt});
    // Only the hotkey's own action: B wakes, the others stay dark.
    EXPECT_TRUE(dark({idAt(ThreeMonitors::a), idAt(ThreeMonitors::c)}));
    EXPECT_TRUE(staysDark());
}

TEST_F(InputOnX11, ControlSuperEscapeWakesAtOnceWhileAnotherProgramGrabsTheKeyboard)
{
    state->wakeDelay.set(5);
    state->allowedWakeKeys.set({});
    pressBlackoutAll();
    ASSERT_TRUE(allDark());

    XClient locker;
    const xcb_window_t lockWindow = locker.createWindow(ThreeMonitors::b, 0x101010);
    ASSERT_TRUE(locker.grabKeyboard(lockWindow));
    client.typeKey(escape, {X11Key::control, X11Key::super});
    EXPECT_TRUE(spinUntil([&] { return !state->isBlackoutActive.get(); }, 1000)) << "at once, despite the 5 s delay";
    locker.ungrabKeyboard();
}

TEST_F(InputOnX11, TheApplicationInFrontReceivesEveryKeyUnchanged)
{
    const std::vector<std::uint8_t> typed{keyA, space, escape, key1, x11(36) /* Return */};
    for (std::uint8_t key : typed)
        client.typeKey(key);
    client.typeKey(keyA, {X11Key::shift});

    pressBlackoutAll(); // consumed: it is Vesperon's hotkey
    ASSERT_TRUE(allDark());
    state->allowedWakeKeys.set({WakeKey::escape});
    for (std::uint8_t key : typed)
        client.typeKey(key); // Escape wakes along the way

    std::vector<std::pair<std::uint8_t, std::uint16_t>> expected;
    for (std::uint8_t key : typed)
        expected.emplace_back(key, 0);
    expected.emplace_back(keyA, XCB_MOD_MASK_SHIFT);
    for (std::uint8_t key : typed)
        expected.emplace_back(key, 0);
    std::vector<std::pair<std::uint8_t, std::uint16_t>> received;
    for (const auto& [key, modifiers] : client.keyPresses(focused)) {
        if (!KeyCodeTable::isModifier(key))
            received.emplace_back(key, modifiers & 0xff);
    }
    EXPECT_EQ(received, expected);
    EXPECT_TRUE(awake());
}

TEST(X11AccessibilityTrustTest, TheTestServerOffersRawInputSoThePermissionIsHeld)
{
    X11AccessibilityTrust trust;
    EXPECT_TRUE(trust.isTrusted());
    trust.requestPrompt(); // nothing to show on X11, and nothing breaks
    EXPECT_TRUE(trust.isTrusted());
}
