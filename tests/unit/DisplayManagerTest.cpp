// Black windows follow the blackout set and the screens.
#include "display/DisplayManager.h"
#include "support/FakeDesktop.h"

#include <gtest/gtest.h>

using namespace vesperon;
using namespace vesperon::testing;
using Log = std::vector<std::string>;
using Xs = std::multiset<double>;

namespace {

struct DisplayManagerTest : ::testing::Test {
    // What happened to the windows since the last call.
    Log changes() { return std::exchange(desktop.windows.log, {}); }

    FakeDesktop desktop{3};
    DisplayManager& displays = desktop.start().displays();
    AppState& state = desktop.state();
};

} // namespace

TEST_F(DisplayManagerTest, WindowsFollowTheBlackoutSetOnTheNextTurnStepByStep)
{
    displays.blackoutAll();
    EXPECT_TRUE(changes().empty()) << "never inside the command";
    desktop.loop.runOnce();
    EXPECT_EQ(changes(), (Log{"frame 1", "show 1", "frame 2", "show 2", "frame 3", "show 3"}));
    EXPECT_EQ(desktop.windows.shown(), (Xs{0, 1920, 3840}));

    displays.wakeDisplay(2);
    displays.blackoutDisplay(2); // each delivery acts on its own value: dropped, then made again
    displays.blackoutAllExcept(3);
    desktop.loop.runOnce();
    EXPECT_EQ(changes(), (Log{"hide 2", "gone 2", "frame 4", "show 4", "hide 3", "gone 3"}))
        << "a display that stays dark keeps its window untouched";

    displays.toggleBlackout(); // active: wakes all
    EXPECT_FALSE(state.isBlackoutActive.get());
    desktop.loop.runOnce();
    EXPECT_TRUE(desktop.windows.live.empty());
    displays.toggleBlackout();
    desktop.loop.runOnce();
    EXPECT_EQ(desktop.windows.shown(), (Xs{0, 1920, 3840}));
}

TEST_F(DisplayManagerTest, ScreenChangesRefreshTheListDropVanishedDisplaysAndReframeAtOnce)
{
    for (DisplayId id : {1, 3, 9}) // 9 is not connected: no window
        displays.blackoutDisplay(id);
    desktop.loop.runUntilIdle();
    EXPECT_EQ(desktop.windows.shown(), (Xs{0, 3840}));
    changes();
    int setWrites = 0;
    Subscription s = state.blackedOutDisplays.subscribe([&](const DisplaySet&) { ++setWrites; });

    desktop.screens.list[0].frame = Rect{0, 0, 2560, 1440};
    desktop.screens.list.erase(desktop.screens.list.begin() + 2); // display 3 unplugged
    desktop.screens.changed.emit();
    EXPECT_EQ(state.availableDisplays.get().size(), 2u);
    EXPECT_EQ(state.blackedOutDisplays.get(), DisplaySet{1});
    EXPECT_EQ(changes(), (Log{"frame 1"})) << "re-framed inside the handler; 3 goes a turn later";
    EXPECT_EQ(displays.blackoutWindows().at(1)->frame(), (Rect{0, 0, 2560, 1440}));
    EXPECT_EQ(displays.blackoutWindows().at(1)->displayInfo().frame, (Rect{0, 0, 1920, 1080}))
        << "the record keeps its first frame";
    desktop.loop.runOnce();
    EXPECT_EQ(changes(), (Log{"hide 2", "gone 2"}));

    desktop.screens.changed.emit();
    EXPECT_EQ(setWrites, 2) << "the current value, then only the change that dropped 3 and 9";
    desktop.screens.list.clear();
    desktop.screens.changed.emit();
    EXPECT_FALSE(state.isBlackoutActive.get()) << "the last dark monitor going ends the blackout";
}
