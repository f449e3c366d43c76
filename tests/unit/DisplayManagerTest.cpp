// Black windows follow the blackout set and the screens.
#include "display/DisplayManager.h"
#include "support/FakeDesktop.h"

#include <gtest/gtest.h>

using namespace vesperon;
using namespace vesperon::testing;
using Log = std::vector<std::string>;

TEST(DisplayManager, WindowsFollowTheSetStepByStepOnTheNextTurnAndTheScreensAtOnce)
{
    FakeDesktop desktop(3);
    DisplayManager& displays = desktop.start().displays();
    AppState& state = desktop.state();
    const auto changes = [&] { return std::exchange(desktop.windows.log, {}); }; // since the last call
    displays.blackoutAll();
    EXPECT_TRUE(changes().empty()) << "never inside the command";
    desktop.loop.runOnce();
    EXPECT_EQ(changes(), (Log{"frame 1", "show 1", "frame 2", "show 2", "frame 3", "show 3"}));
    EXPECT_EQ(desktop.windows.shown(), (std::multiset<double>{0, 1920, 3840}));

    // Each delivery acts on its own value: 2 dropped, then made again.
    displays.wakeDisplay(2), displays.blackoutDisplay(2), displays.blackoutAllExcept(3);
    desktop.loop.runOnce();
    EXPECT_EQ(changes(), (Log{"hide 2", "gone 2", "frame 4", "show 4", "hide 3", "gone 3"}))
        << "a display that stays dark keeps its window untouched";

    int setWrites = 0;
    Subscription s = state.blackedOutDisplays.subscribe([&](const DisplaySet&) { ++setWrites; });
    desktop.screens.list[0].frame = Rect{0, 0, 2560, 1440};
    desktop.screens.list.erase(desktop.screens.list.begin() + 1); // display 2 unplugged
    desktop.screens.changed.emit();
    EXPECT_EQ(state.blackedOutDisplays.get(), DisplaySet{1});
    EXPECT_EQ(changes(), (Log{"frame 1"})) << "re-framed inside the handler; 2 goes a turn later";
    EXPECT_EQ(displays.blackoutWindows().at(1)->frame(), (Rect{0, 0, 2560, 1440}));
    desktop.loop.runOnce();
    EXPECT_EQ(changes(), (Log{"hide 4", "gone 4"}));

    desktop.screens.changed.emit();
    EXPECT_EQ(setWrites, 2) << "the current value, then only the change that dropped 2";
    desktop.screens.list.clear(), desktop.screens.changed.emit();
    EXPECT_FALSE(state.isBlackoutActive.get()) << "the last dark monitor going ends the blackout";
}
