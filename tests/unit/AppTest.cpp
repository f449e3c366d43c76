// The program as a whole over the fake desktop: the tray menu, quitting; and the autostart entry.
#include "desktop/AutostartEntry.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/InputMonitor.h"
#include "input/PermissionManager.h"
#include "model/LaunchAtLogin.h"
#include "support/FakeDesktop.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

using namespace vesperon;
using namespace vesperon::testing;
namespace fs = std::filesystem;

namespace {

// The menu as the user reads it: "|" between items, "-" for separators, a submenu in brackets;
// "(off)" marks what cannot be chosen (disabled, or inert) and "✓" what is checked.
std::string outline(const Menu& menu)
{
    std::string text;
    for (const MenuItem& item : menu) {
        text += text.empty() ? "" : " | ";
        text += item.isSeparator ? "-" : item.title;
        text += item.submenu ? " [" + outline(*item.submenu) + "]" : "";
        text += !item.isSeparator && !item.submenu && (!item.enabled || !item.action) ? " (off)" : "";
        text += item.checked ? " ✓" : "";
    }
    return text;
}

const MenuItem& find(const Menu& menu, const std::string& title, std::size_t sub = 0)
{
    for (const MenuItem& item : menu)
        if (item.title == title)
            return item.submenu ? item.submenu->at(sub) : item;
    throw std::runtime_error("no menu item " + title);
}

void choose(FakeTray& tray, const std::string& title, std::size_t sub = 0)
{
    const MenuItem& item = find(tray.open(), title, sub);
    item.action(item);
}

} // namespace

TEST(Menu, ShowsTheCommandsForTheDisplaysAndThePermission)
{
    FakeDesktop desktop;
    desktop.start();
    EXPECT_EQ(outline(desktop.tray.open()),
        "Blackout All | - | Blackout Display [Monitor 1 (DP-1) | Monitor 2 (DP-2)] | Keep Only This "
        "Display [Monitor 1 (DP-1) | Monitor 2 (DP-2)] | - | Wake All Displays (off) | - | "
        "Preferences... | - | Quit Vesperon");
    desktop.screens.list.pop_back(), desktop.screens.changed.emit();
    EXPECT_EQ(outline(*desktop.tray.open()[3].submenu), "Monitor 1 (DP-1) (off)")
        << "a single display cannot be kept alone";

    FakeDesktop denied(1);
    denied.access.granted = false;
    denied.screens.list[0] = {7, "Color LCD", Rect{0, 0, 1920, 1080}, true, "eDP-1", true};
    denied.screens.add(42);
    denied.start();
    EXPECT_EQ(outline(denied.tray.open()),
        "Input Monitoring Unavailable (off) | Grant Permission... | - | Blackout All (off) | - | Blackout Display "
        "[Built-in Display (off) | DP-2 (off)] | Keep Only This Display [Built-in Display (off) | DP-2 (off)] "
        "| - | Wake All Displays (off) | - | Preferences... | - | Quit Vesperon");
    choose(denied.tray, "Grant Permission...");
    EXPECT_EQ(denied.access.explanations, 1);
}

TEST(Menu, ItemsActOnTheirDisplayTheMenuAndIconFollowTheStateAndQuitEndsOnce)
{
    FakeDesktop desktop(3);
    desktop.start();
    choose(desktop.tray, "Blackout Display", 1);
    EXPECT_EQ(desktop.state().blackedOutDisplays.get(), DisplaySet{2});
    EXPECT_EQ(desktop.tray.icon, Icon::display) << "the icon follows a turn later";
    desktop.loop.runUntilIdle();
    EXPECT_EQ(desktop.tray.icon, Icon::displayBlackedOut);

    choose(desktop.tray, "Keep Only This Display", 2);
    EXPECT_EQ(desktop.state().blackedOutDisplays.get(), (DisplaySet{1, 2}));
    choose(desktop.tray, "Wake All Displays");
    EXPECT_FALSE(desktop.dark());
    desktop.app->displays().blackoutDisplay(3); // as a hotkey would: the menu learns it on opening
    EXPECT_EQ(outline(*desktop.tray.open()[2].submenu), "Monitor 1 (DP-1) | Monitor 2 (DP-2) | Monitor 3 (DP-3) ✓");
    choose(desktop.tray, "Blackout All");
    EXPECT_EQ(desktop.state().blackedOutDisplays.get(), (DisplaySet{1, 2, 3}));

    desktop.tap.send(InputEvent::Type::leftMouseDown); // the click on the icon wakes, a turn later...
    EXPECT_TRUE(find(desktop.tray.open(), "Wake All Displays").enabled); // ...than the menu it opens is built
    desktop.loop.runUntilIdle();
    EXPECT_FALSE(find(desktop.tray.menu, "Wake All Displays").enabled) << "the open menu follows";

    // Quitting during a blackout stops input, releases the hotkeys, wakes everything, then ends the loop once.
    desktop.state().wakeDelay.set(3), desktop.app->displays().blackoutAll(), desktop.loop.runUntilIdle();
    desktop.tap.send(InputEvent::Type::keyDown, 0); // a delayed wake is pending
    ASSERT_TRUE(desktop.app->inputMonitor().isWaking());
    choose(desktop.tray, "Quit Vesperon");
    EXPECT_FALSE(desktop.app->inputMonitor().isRunning() || desktop.app->inputMonitor().isWaking());
    EXPECT_TRUE(desktop.hotkeys.live.empty());
    EXPECT_FALSE(desktop.dark());
    EXPECT_EQ(desktop.application.quits, 1);
    desktop.app->quit(); // a signal arriving meanwhile
    EXPECT_EQ(desktop.application.quits, 1);
}

TEST(Hotkeys, OnesAnotherProgramHoldsAreNamedLeftOutOfTheMenuAndTakenWhenFree)
{
    FakeDesktop desktop;
    const KeyCombo ctrlAlt1{18, ModifierMask::control | ModifierMask::alt};
    desktop.hotkeys.taken = {KeyCombo::defaultBlackoutAll, ctrlAlt1};
    desktop.store.setData(SettingsKey::displayToggleHotkeys, R"({"1": {"keyCode": 18, "modifiers": 6144}})");
    HotkeyManager& hotkeys = desktop.start().hotkeys();
    EXPECT_EQ(desktop.notifier.notes,
        std::vector<std::string>{"Hotkeys taken by another program: Shift+Super+D, Ctrl+Alt+1 "
                                 "are taken by another program; Vesperon will use them as soon as they are free, or "
                                 "set another in its preferences"});
    EXPECT_EQ(find(desktop.tray.open(), "Blackout All").shortcutHint, "");
    FakeDesktop wayland; // where no program may grab keys, the user is told where to bind them instead
    wayland.hotkeys.grabs = false, wayland.hotkeys.taken = {KeyCombo::defaultBlackoutAll};
    wayland.start();
    EXPECT_EQ(wayland.notifier.notes,
        std::vector<std::string>{"Hotkeys belong to the desktop: On this desktop no program can "
                                 "take keys for itself: bind Shift+Super+D to commands such as 'vesperon --toggle' in "
                                 "the desktop's keyboard settings"});

    desktop.hotkeys.taken = {ctrlAlt1};
    desktop.loop.advance(10);
    EXPECT_EQ(hotkeys.refusedHotkeys.get(), std::set{ctrlAlt1}) << "tried again every 10 s";
    EXPECT_TRUE(desktop.hotkeys.press(KeyCombo::defaultBlackoutAll));
    desktop.hotkeys.taken.clear();
    EXPECT_EQ(find(desktop.tray.open(), "Blackout All").shortcutHint, "Shift+Super+D") << "and when the menu opens";
    EXPECT_TRUE(hotkeys.refusedHotkeys.get().empty());
    desktop.loop.advance(60);
    EXPECT_EQ(desktop.loop.pendingCount(), 0u) << "no retry is left running once all are held";

    const KeyCombo ctrlD{2, ModifierMask::control};
    desktop.hotkeys.taken = {ctrlD};
    desktop.state().blackoutAllHotkey.set(ctrlD); // recorded in the preferences
    EXPECT_EQ(hotkeys.refusedHotkeys.get(), std::set{ctrlD});
}

TEST(LaunchAtLogin, WritesAndRemovesAnAutostartEntryAndReportsAFailureInOneLine)
{
    QTemporaryDir temporary;
    const fs::path folder = temporary.path().toStdString();
    const fs::path entry = folder / "autostart" / "vesperon.desktop";
    AutostartEntry autostart(entry, "/opt/vesperon/bin/vesperon", installedDesktopEntry());
    std::ostringstream messages;
    LaunchAtLogin launch(autostart, messages);
    launch.setEnabled(true);
    EXPECT_TRUE(launch.isEnabled());
    // The installed entry, with every command naming this program and autostart on in its main group.
    std::ifstream in(entry);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    for (const char* line : {"\nExec=/opt/vesperon/bin/vesperon\nX-GNOME-Autostart-enabled=true\n",
             "\nExec=/opt/vesperon/bin/vesperon --wake\n"})
        EXPECT_NE(text.find(line), std::string::npos) << text;
    EXPECT_EQ(text.find("Exec=vesperon"), std::string::npos) << text;
    EXPECT_EQ(text.find("DBusActivatable"), std::string::npos) << "activated at login, it would open its window";
    launch.setEnabled(false), launch.setEnabled(false);
    EXPECT_FALSE(fs::exists(entry) || launch.isEnabled() || !messages.str().empty())
        << "removed, and success says nothing";

    std::ofstream(folder / "blocked") << "a file where the folder should be";
    AutostartEntry blocked(folder / "blocked" / "vesperon.desktop", "/usr/bin/vesperon", installedDesktopEntry());
    LaunchAtLogin(blocked, messages).setEnabled(true);
    std::error_code reason; // what the system says of a folder where a file is
    fs::create_directories(folder / "blocked", reason);
    ASSERT_TRUE(reason);
    EXPECT_EQ(messages.str(), "Failed to enable launch at login: " + reason.message() + "\n");
}
