// The preferences window on a real X server: real key presses through XTEST reach the recorders,
// so key codes and modifiers come from the X server as they do for a user.
#include "app/LaunchAtLogin.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/PermissionManager.h"
#include "platform/x11/KeyCodeTable.h"
#include "platform/x11/X11HotkeyService.h"
#include "platform/x11/XcbConnection.h"
#include "platform/linux/AutostartEntry.h"
#include "preferences/DisplayHotkeyRow.h"
#include "preferences/KeyRecorderView.h"
#include "preferences/PreferencesWindow.h"
#include "support/AppStateHarness.h"
#include "support/FakeInputServices.h"
#include "support/FakeRunLoop.h"
#include "support/FakeWindowService.h"
#include "support/QtSpin.h"
#include "support/TemporaryFolder.h"
#include "support/XClient.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

using namespace vesperon;
using namespace vesperon::testing;
namespace fs = std::filesystem;

namespace {

std::uint8_t x11(std::uint32_t keyCode)
{
    return *KeyCodeTable::toX11(keyCode);
}

class PreferencesOnX11 : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness.screens.addMonitor(1, "Left");
        harness.screens.addMonitor(2, "Right");
        state = harness.makeState();
        autostart = std::make_unique<AutostartEntry>(home / "autostart" / "vesperon.desktop", "/usr/bin/vesperon");
        launchAtLogin = std::make_unique<LaunchAtLogin>(*autostart, messages);
        permission = PermissionManager::create({loop, harness.notifications, trust});
        hotkeyService = std::make_unique<X11HotkeyService>(XcbConnection::open("the test's hotkeys"));
        displays = DisplayManager::create({*state, loop, harness.notifications, windows, harness.screens});
        hotkeys = HotkeyManager::create({*state, loop, *hotkeyService, [this]() -> DisplayManager& { return *displays; }});
        hotkeys->installEventHandler();
        hotkeys->registerAllHotkeys();
    }

    PreferencesWindow& open()
    {
        if (!window)
            window = std::make_unique<PreferencesWindow>(PreferencesWindow::Services{{*state, *permission, *launchAtLogin}, *hotkeys});
        window->showAndActivate();
        EXPECT_TRUE(spinUntil([&] { return QApplication::activeWindow() == window.get(); }));
        return *window;
    }

    PreferencesView& view() { return window->view(); }

    // Starts recording and waits until the recorder holds the keyboard focus.
    void record(KeyRecorderView* recorder)
    {
        recorder->setButton()->click();
        ASSERT_TRUE(recorder->isRecording());
        ASSERT_TRUE(spinUntil([&] { return QApplication::focusWidget() == recorder; }));
    }

    void type(std::uint8_t key, std::initializer_list<std::uint8_t> modifiers = {})
    {
        client.typeKey(key, modifiers);
        spinFor(40);
    }

    XClient client;
    AppStateHarness harness;
    FakeRunLoop loop;
    FakeTrust trust;
    FakeWindowService windows;
    std::ostringstream messages;
    TemporaryFolder folder{"prefs"};
    fs::path home = folder.path();
    std::unique_ptr<AppState> state;
    std::unique_ptr<AutostartEntry> autostart;
    std::unique_ptr<LaunchAtLogin> launchAtLogin;
    std::shared_ptr<PermissionManager> permission;
    std::unique_ptr<X11HotkeyService> hotkeyService;
    std::shared_ptr<DisplayManager> displays;
    std::shared_ptr<HotkeyManager> hotkeys;
    std::unique_ptr<PreferencesWindow> window;
};

} // namespace

TEST_F(PreferencesOnX11, TheRecorderTakesTheFirstKeyPressedWithAModifier)
{
    open();
    KeyRecorderView* recorder = view().rows()[0]->toggleRecorder();
    EXPECT_EQ(recorder->label()->text(), "None");
    EXPECT_FALSE(recorder->clearButton()->isVisible());

    record(recorder);
    EXPECT_EQ(recorder->setButton()->text(), "Cancel");
    EXPECT_EQ(recorder->label()->text(), "None") << "the text does not change while recording";
    type(x11(0), {X11Key::shift});
    EXPECT_EQ(recorder->keyCombo(), (KeyCombo{0, 0x0200}));
    EXPECT_FALSE(recorder->isRecording());
    EXPECT_EQ(recorder->label()->text(), "⇧A");
    EXPECT_EQ(recorder->setButton()->text(), "Set");
    EXPECT_TRUE(recorder->clearButton()->isVisible());

    record(recorder);
    type(x11(53), {X11Key::control, X11Key::super});
    EXPECT_EQ(recorder->keyCombo(), (KeyCombo{53, 0x1100})) << "the safety combination can be recorded too";

    record(recorder);
    type(x11(18), {X11Key::control, X11Key::alt});
    EXPECT_EQ(recorder->keyCombo(), (KeyCombo{18, 0x1800}));
    EXPECT_EQ(recorder->label()->text(), "⌃⌥1");
}

TEST_F(PreferencesOnX11, KeysWithoutAModifierAndModifiersAloneAreSwallowed)
{
    open();
    KeyRecorderView* recorder = view().rows()[1]->keepOnlyRecorder();
    record(recorder);
    type(x11(53));                     // Escape alone
    type(X11Key::super);               // Super alone
    type(X11Key::capsLock);            // Caps Lock on ...
    type(x11(0));                      // ... then A: a lock is no modifier
    type(X11Key::capsLock);
    type(x11(122));                    // F1 alone
    EXPECT_TRUE(recorder->isRecording());
    EXPECT_EQ(recorder->keyCombo(), std::nullopt);
    EXPECT_EQ(QApplication::focusWidget(), recorder) << "Tab and friends did not move the focus away";
    type(x11(48), {X11Key::shift});    // Shift+Tab is recorded, not a focus change
    EXPECT_EQ(recorder->keyCombo(), (KeyCombo{48, 0x0200}));
}

TEST_F(PreferencesOnX11, CancelKeepsTheOldValueAndClearWhileRecordingKeepsRecording)
{
    state->setToggleHotkey(KeyCombo{18, 0x1800}, 1);
    open();
    KeyRecorderView* recorder = view().rows()[0]->toggleRecorder();
    ASSERT_EQ(recorder->keyCombo(), (KeyCombo{18, 0x1800}));
    record(recorder);
    recorder->setButton()->click(); // Cancel
    EXPECT_FALSE(recorder->isRecording());
    EXPECT_EQ(recorder->keyCombo(), (KeyCombo{18, 0x1800}));

    record(recorder);
    recorder->clearButton()->click();
    EXPECT_TRUE(recorder->isRecording());
    EXPECT_EQ(recorder->keyCombo(), std::nullopt);
    EXPECT_FALSE(recorder->clearButton()->isVisible());
    EXPECT_EQ(recorder->label()->text(), "None");
    EXPECT_FALSE(state->displayToggleHotkeys.get().contains("1"));
}

TEST_F(PreferencesOnX11, RowsWriteOnlyTheirOwnDisplaysHotkeys)
{
    state->setKeepOnlyHotkey(KeyCombo{20, 0x1800}, 1);
    open();
    record(view().rows()[1]->toggleRecorder());
    type(x11(18), {X11Key::control, X11Key::alt});
    EXPECT_EQ(state->displayToggleHotkeys.get(), (AppState::HotkeyMap{{"2", KeyCombo{18, 0x1800}}}));
    EXPECT_EQ(state->displayKeepOnlyHotkeys.get(), (AppState::HotkeyMap{{"1", KeyCombo{20, 0x1800}}}));

    view().rows()[0]->keepOnlyRecorder()->clearButton()->click();
    EXPECT_TRUE(state->displayKeepOnlyHotkeys.get().empty());
    EXPECT_EQ(state->displayToggleHotkeys.get().size(), 1u);
    EXPECT_EQ(harness.store.values.at("displayToggleHotkeys"), R"({"2":{"keyCode":18,"modifiers":6144}})");
}

TEST_F(PreferencesOnX11, RowsFollowTheMonitorsAndKeepTheirState)
{
    open();
    ASSERT_EQ(view().rows().size(), 2u);
    EXPECT_EQ(view().rows()[0]->display().displayName(), "Left");
    EXPECT_FALSE(view().noDisplaysLabel()->isVisible());
    DisplayHotkeyRow* right = view().rows()[1];

    harness.screens.list.erase(harness.screens.list.begin());
    harness.notifications.post("screenParametersDidChange");
    spinFor(20);
    ASSERT_EQ(view().rows().size(), 1u);
    EXPECT_EQ(view().rows()[0], right) << "the remaining monitor keeps its row";

    harness.screens.list.clear();
    harness.notifications.post("screenParametersDidChange");
    spinFor(20);
    EXPECT_TRUE(view().rows().empty());
    EXPECT_TRUE(view().noDisplaysLabel()->isVisible());
}

TEST_F(PreferencesOnX11, OpeningStoresTheBlackoutAllHotkeyInForceAndClearingBringsTheDefaultBack)
{
    ASSERT_FALSE(harness.store.contains("blackoutAllHotkey"));
    open();
    KeyRecorderView* recorder = view().blackoutAllRecorder();
    EXPECT_EQ(recorder->label()->text(), "⇧⌘D");
    EXPECT_EQ(state->blackoutAllHotkey.get(), KeyCombo::defaultBlackoutAll);
    EXPECT_EQ(harness.store.values.at("blackoutAllHotkey"), R"({"keyCode":2,"modifiers":768})");

    recorder->clearButton()->click();
    EXPECT_EQ(recorder->label()->text(), "None");
    EXPECT_EQ(state->blackoutAllHotkey.get(), std::nullopt);
    window->close();
    open();
    EXPECT_EQ(recorder->label()->text(), "⇧⌘D") << "shown again next time";
}

TEST_F(PreferencesOnX11, WakeKeyTogglesCanEmptyTheSetButAnyKeyCannotBeTheLastOneOff)
{
    open();
    QCheckBox* any = view().wakeKeyBox(WakeKey::anyKey);
    QCheckBox* escape = view().wakeKeyBox(WakeKey::escape);
    EXPECT_EQ(any->text(), "Any Key");
    EXPECT_TRUE(any->isChecked());
    EXPECT_FALSE(any->isEnabled()) << "the only allowed key";

    escape->click();
    EXPECT_EQ(state->allowedWakeKeys.get(), (WakeKeySet{WakeKey::anyKey, WakeKey::escape}));
    EXPECT_TRUE(any->isEnabled());
    any->click();
    EXPECT_EQ(state->allowedWakeKeys.get(), WakeKeySet{WakeKey::escape});
    escape->click();
    EXPECT_TRUE(state->allowedWakeKeys.get().empty()) << "the last key may go";
    EXPECT_EQ(harness.store.values.at("allowedWakeKeys"), nlohmann::json::array());
    EXPECT_TRUE(any->isEnabled());
}

TEST_F(PreferencesOnX11, TheWakeDelaySliderGivesHalfSecondsFromZeroToFive)
{
    open();
    QSlider* slider = view().wakeDelaySlider();
    EXPECT_EQ(view().wakeDelayText()->text(), "0.0s");
    slider->setValue(slider->maximum());
    EXPECT_EQ(state->wakeDelay.get(), 5.0);
    EXPECT_EQ(view().wakeDelayText()->text(), "5.0s");
    for (int step = slider->minimum(); step <= slider->maximum(); ++step) {
        slider->setValue(step);
        const double delay = state->wakeDelay.get();
        EXPECT_EQ(delay * 2, std::floor(delay * 2)) << delay;
        EXPECT_GE(delay, 0.0);
        EXPECT_LE(delay, 5.0);
    }
    slider->setValue(5);
    EXPECT_EQ(view().wakeDelayText()->text(), "2.5s");
    view().ignoreMouseMovementBox()->click();
    EXPECT_FALSE(state->ignoreMouseMovement.get());
}

TEST_F(PreferencesOnX11, LaunchAtLoginWritesAndRemovesTheAutostartEntry)
{
    open();
    QCheckBox* box = view().launchAtLoginBox();
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_TRUE(fs::exists(home / "autostart" / "vesperon.desktop"));
    box->click();
    EXPECT_FALSE(fs::exists(home / "autostart" / "vesperon.desktop"));
    EXPECT_EQ(messages.str(), "");
}

TEST_F(PreferencesOnX11, ThePermissionRowFollowsAGrantWhileOpen)
{
    open();
    EXPECT_TRUE(view().grantAccessButton()->isVisible());
    EXPECT_FALSE(view().permissionStatus()->isVisible());
    view().grantAccessButton()->click();
    EXPECT_EQ(trust.panesOpened, 1);
    trust.trusted = true;
    loop.advance(0.5);
    EXPECT_FALSE(view().grantAccessButton()->isVisible());
    EXPECT_TRUE(view().permissionStatus()->isVisible());
    EXPECT_EQ(view().permissionStatus()->text(), "Granted");
}

TEST_F(PreferencesOnX11, TheBlackoutAllHotkeyItselfCanBeRecordedBecauseHotkeysPauseWhileRecording)
{
    open();
    ASSERT_EQ(hotkeys->hotkeyActions().size(), 1u);
    KeyRecorderView* recorder = view().rows()[1]->toggleRecorder();
    record(recorder);
    EXPECT_TRUE(hotkeys->hotkeyActions().empty());
    type(x11(2), {X11Key::super, X11Key::shift});
    EXPECT_EQ(recorder->keyCombo(), KeyCombo::defaultBlackoutAll) << "recorded, not grabbed as a hotkey";
    EXPECT_EQ(state->displayToggleHotkeys.get().at("2"), KeyCombo::defaultBlackoutAll);
    // Every hotkey is back; the toggle repeats the blackout-all combination, so its own
    // registration is refused and the first one keeps it.
    ASSERT_EQ(hotkeys->hotkeyActions().size(), 1u);
    EXPECT_EQ(hotkeys->hotkeyActions().at(1), HotkeyAction::blackoutAll());
    loop.runUntilIdle();
    EXPECT_FALSE(state->isBlackoutActive.get());

    record(recorder);
    window->close();
    EXPECT_FALSE(recorder->isRecording()) << "closing the window ends the recording";
    EXPECT_FALSE(hotkeys->isSuspended());
}
