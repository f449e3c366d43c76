#include "app/MenuBarController.h"
#include "display/DisplayManager.h"
#include "input/PermissionManager.h"
#include "support/AppStateHarness.h"
#include "support/FakeInputServices.h"
#include "support/FakeRunLoop.h"
#include "support/FakeStatusBar.h"
#include "support/FakeWindowService.h"

#include <gtest/gtest.h>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

// "title" for items, "-" for separators, "title >" for submenus; "(off)" marks a disabled item
// and "✓" a checked one.
std::vector<std::string> outline(const Menu& menu)
{
    std::vector<std::string> lines;
    for (const MenuItem& item : menu) {
        std::string line = item.isSeparator ? "-" : item.title;
        if (item.submenu)
            line += " >";
        if (!item.isSeparator && !item.enabled)
            line += " (off)";
        if (item.checked)
            line += " ✓";
        lines.push_back(line);
    }
    return lines;
}

class MenuBarControllerTest : public ::testing::Test {
protected:
    void build(int monitors, bool permitted)
    {
        for (int i = 1; i <= monitors; ++i)
            harness.screens.addMonitor(static_cast<std::uint32_t>(i), "Monitor " + std::to_string(i));
        trust.trusted = permitted;
        state = harness.makeState();
        permission = PermissionManager::create({loop, harness.notifications, trust});
        displays = DisplayManager::create({*state, loop, harness.notifications, windows, harness.screens});
        controller = MenuBarController::create({loop, tray, [this]() -> PermissionManager& { return *permission; },
            [this]() -> AppState& { return *state; }, [this]() -> DisplayManager& { return *displays; },
            [this] { ++preferencesShown; }, [this] { ++terminations; }});
        loop.runUntilIdle();
    }

    const MenuItem& find(const Menu& menu, const std::string& title)
    {
        for (const MenuItem& item : menu) {
            if (item.title == title)
                return item;
        }
        ADD_FAILURE() << "no item " << title;
        static MenuItem none;
        return none;
    }

    AppStateHarness harness;
    FakeRunLoop loop;
    FakeTrust trust;
    FakeWindowService windows;
    FakeStatusBar tray;
    std::unique_ptr<AppState> state;
    std::shared_ptr<PermissionManager> permission;
    std::shared_ptr<DisplayManager> displays;
    std::shared_ptr<MenuBarController> controller;
    int preferencesShown = 0;
    int terminations = 0;
};

} // namespace

TEST_F(MenuBarControllerTest, WithThePermissionAndTwoDisplaysTheMenuIsTheUsualOne)
{
    build(2, true);
    const Menu& menu = tray.open();
    EXPECT_EQ(outline(menu), (std::vector<std::string>{"Blackout All", "-", "Blackout Display >",
                                 "Keep Only This Display >", "-", "Wake All Displays (off)", "-", "Preferences...",
                                 "-", "Quit Vesperon"}));
    EXPECT_EQ(outline(*find(menu, "Blackout Display").submenu), (std::vector<std::string>{"Monitor 1", "Monitor 2"}));
    EXPECT_EQ(outline(*find(menu, "Keep Only This Display").submenu), (std::vector<std::string>{"Monitor 1", "Monitor 2"}));
    EXPECT_EQ(find(menu, "Blackout All").shortcutHint, "Shift+Super+D");
    EXPECT_EQ(find(menu, "Preferences...").shortcutHint, "Super+,");
    EXPECT_EQ(find(menu, "Quit Vesperon").shortcutHint, "Super+Q");
    EXPECT_EQ(tray.state->image, "display");
    EXPECT_EQ(tray.state->accessibilityDescription, "Vesperon");
}

TEST_F(MenuBarControllerTest, WithoutThePermissionTheMenuLeadsToItAndDisablesTheCommands)
{
    build(2, false);
    const Menu& menu = tray.open();
    EXPECT_EQ(outline(menu), (std::vector<std::string>{"Accessibility Permission Required", "Grant Permission...", "-",
                                 "Blackout All (off)", "-", "Blackout Display >", "Keep Only This Display >", "-",
                                 "Wake All Displays (off)", "-", "Preferences...", "-", "Quit Vesperon"}));
    EXPECT_FALSE(menu[0].action) << "the warning is inert";
    EXPECT_EQ(menu[0].image, "exclamationmark.triangle");
    EXPECT_EQ(outline(*find(menu, "Blackout Display").submenu), (std::vector<std::string>{"Monitor 1 (off)", "Monitor 2 (off)"}));
    EXPECT_EQ(outline(*find(menu, "Keep Only This Display").submenu), (std::vector<std::string>{"Monitor 1 (off)", "Monitor 2 (off)"}));

    find(menu, "Grant Permission...").action(find(menu, "Grant Permission..."));
    EXPECT_EQ(trust.panesOpened, 1);
}

TEST_F(MenuBarControllerTest, ASingleDisplayCannotBeKeptAloneAndNoDisplayLeavesEmptySubmenus)
{
    build(1, true);
    const Menu& one = tray.open();
    EXPECT_EQ(outline(*find(one, "Keep Only This Display").submenu), std::vector<std::string>{"Monitor 1 (off)"});
    EXPECT_EQ(outline(*find(one, "Blackout Display").submenu), std::vector<std::string>{"Monitor 1"});

    harness.screens.list.clear();
    harness.notifications.post("screenParametersDidChange");
    loop.runUntilIdle();
    const Menu& none = tray.open();
    ASSERT_TRUE(find(none, "Blackout Display").submenu);
    EXPECT_TRUE(find(none, "Blackout Display").submenu->empty());
    EXPECT_TRUE(find(none, "Keep Only This Display").submenu->empty());
}

TEST_F(MenuBarControllerTest, BuiltInAndUnnamedDisplaysAreLabelledAsUsersExpect)
{
    harness.screens.addMonitor(7, "Color LCD", true);
    harness.screens.addMonitor(42, "");
    build(0, true);
    EXPECT_EQ(outline(*find(tray.open(), "Blackout Display").submenu),
        (std::vector<std::string>{"Built-in Display", "Display 42"}));
}

TEST_F(MenuBarControllerTest, ItemsCarryTheirDisplayAndActOnIt)
{
    build(3, true);
    Menu menu = tray.open();
    const MenuItem& second = (*find(menu, "Blackout Display").submenu)[1];
    EXPECT_EQ(second.representedObject, 2u);
    second.action(second);
    loop.runUntilIdle();
    EXPECT_EQ(state->blackedOutDisplays.get(), DisplaySet{2});

    menu = tray.open();
    const MenuItem& keepThird = (*find(menu, "Keep Only This Display").submenu)[2];
    keepThird.action(keepThird);
    EXPECT_EQ(state->blackedOutDisplays.get(), (DisplaySet{1, 2}));

    MenuItem withoutDisplay = keepThird;
    withoutDisplay.representedObject.reset();
    withoutDisplay.action(withoutDisplay);
    EXPECT_EQ(state->blackedOutDisplays.get(), (DisplaySet{1, 2})) << "no display, nothing done";

    menu = tray.open();
    find(menu, "Wake All Displays").action(find(menu, "Wake All Displays"));
    EXPECT_FALSE(state->isBlackoutActive.get());
    find(menu, "Blackout All").action(find(menu, "Blackout All"));
    EXPECT_EQ(state->blackedOutDisplays.get(), (DisplaySet{1, 2, 3}));
    find(menu, "Preferences...").action(find(menu, "Preferences..."));
    find(menu, "Quit Vesperon").action(find(menu, "Quit Vesperon"));
    EXPECT_EQ(preferencesShown, 1);
    EXPECT_EQ(terminations, 1);
}

TEST_F(MenuBarControllerTest, TheMenuOpenedAfterAHotkeyBlackoutShowsTheCurrentState)
{
    build(2, true);
    displays->blackoutDisplay(2); // as a hotkey would: no display or permission change
    loop.runUntilIdle();
    const Menu& menu = tray.open();
    EXPECT_EQ(outline(*find(menu, "Blackout Display").submenu), (std::vector<std::string>{"Monitor 1", "Monitor 2 ✓"}));
    EXPECT_TRUE(find(menu, "Wake All Displays").enabled) << "the user can wake from the menu";
    EXPECT_FALSE(find(*find(menu, "Keep Only This Display").submenu, "Monitor 2").checked);
}

TEST_F(MenuBarControllerTest, TheIconFollowsTheBlackoutOnTheNextTurn)
{
    build(2, true);
    displays->blackoutAll();
    EXPECT_EQ(tray.state->image, "display");
    loop.runUntilIdle();
    EXPECT_EQ(tray.state->image, "display.trianglebadge.exclamationmark");
    EXPECT_EQ(tray.state->accessibilityDescription, "Vesperon");
    displays->wakeAll();
    loop.runUntilIdle();
    EXPECT_EQ(tray.state->image, "display");
}

TEST_F(MenuBarControllerTest, TheMenuIsRebuiltWhenTheDisplaysOrThePermissionChange)
{
    build(2, false);
    const int afterStart = tray.state->menusSet;
    EXPECT_EQ(afterStart, 3) << "the first build, then one for each subscription's current value";
    trust.trusted = true;
    loop.advance(0.5);
    EXPECT_EQ(tray.state->menusSet, afterStart + 1);
    EXPECT_EQ(tray.state->menu.front().title, "Blackout All");
}
