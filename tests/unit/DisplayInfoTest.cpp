#include "display/DisplayInfo.h"
#include "support/FakeScreenSource.h"

#include <gtest/gtest.h>

#include <unordered_set>

using namespace vesperon;
using vesperon::testing::FakeScreenSource;

TEST(DisplayInfo, DisplayNamePrefersBuiltInThenNameThenIdentifier)
{
    EXPECT_EQ((DisplayInfo{1, "Color LCD", {}, true}).displayName(), "Built-in Display");
    EXPECT_EQ((DisplayInfo{2, "DELL U2720Q", {}, false}).displayName(), "DELL U2720Q");
    EXPECT_EQ((DisplayInfo{4294967295u, "", {}, false}).displayName(), "Display 4294967295");
    EXPECT_EQ((DisplayInfo{0, "", {}, false}).displayName(), "Display 0");
}

TEST(DisplayInfo, EqualityAndHashGoByIdentifierAlone)
{
    const DisplayInfo before{7, "A", Rect{0, 0, 1920, 1080}, false};
    const DisplayInfo after{7, "B", Rect{0, 0, 2560, 1440}, true};
    EXPECT_EQ(before, after);
    EXPECT_EQ(std::hash<DisplayInfo>{}(before), std::hash<DisplayInfo>{}(after));
    EXPECT_NE(before, (DisplayInfo{8, "A", Rect{0, 0, 1920, 1080}, false}));
    std::unordered_set<DisplayInfo> set{before, after};
    EXPECT_EQ(set.size(), 1u);
}

TEST(DisplayInfo, GetAllDisplaysKeepsTheSourceOrderAndEachScreensOwnFields)
{
    FakeScreenSource screens;
    screens.addMonitor(20, "Primary");
    screens.addMonitor(10, "", true);
    const auto displays = DisplayInfo::getAllDisplays(screens);
    ASSERT_EQ(displays.size(), 2u);
    EXPECT_EQ(displays[0].id, 20u);
    EXPECT_EQ(displays[0].name, "Primary");
    EXPECT_EQ(displays[0].frame, (Rect{0, 0, 1920, 1080}));
    EXPECT_FALSE(displays[0].isBuiltIn);
    EXPECT_EQ(displays[1].id, 10u);
    EXPECT_EQ(displays[1].frame, (Rect{1920, 0, 1920, 1080}));
    EXPECT_TRUE(displays[1].isBuiltIn);
}

TEST(DisplayInfo, GetAllDisplaysSkipsScreensWithoutIdentityAndRepeatedIdentities)
{
    FakeScreenSource screens;
    screens.addMonitor(1, "first");
    screens.list.push_back(ScreenDescription{std::nullopt, "being unplugged", Rect{}, false});
    screens.addMonitor(1, "same identity again");
    screens.addMonitor(3, "third");
    const auto displays = DisplayInfo::getAllDisplays(screens);
    ASSERT_EQ(displays.size(), 2u);
    EXPECT_EQ(displays[0].name, "first");
    EXPECT_EQ(displays[1].name, "third");
}

TEST(DisplayInfo, GetAllDisplaysWithNoScreensIsAnEmptyList)
{
    FakeScreenSource screens;
    EXPECT_TRUE(DisplayInfo::getAllDisplays(screens).empty());
}
