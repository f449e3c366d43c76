#include "platform/ScreenIdentity.h"

#include <gtest/gtest.h>

#include <set>

using namespace vesperon;

TEST(ScreenIdentity, TheSameMonitorOnTheSameConnectorAlwaysGetsTheSameNumber)
{
    const ScreenIdentity dell{"DEL", "DELL U2720Q", "7XK2M13", "DP-1"};
    const auto first = stableScreenIdentifiers({dell});
    EXPECT_EQ(stableScreenIdentifiers({dell}), first);
    // A fixed value: the number is stored in settings, so it must not change between builds.
    EXPECT_EQ(stableScreenIdentifiers({ScreenIdentity{"", "", "", "A"}})[0], 321440879u); // FNV-1a of "\x1f\x1f\x1fA"
}

TEST(ScreenIdentity, EveryFieldTakesPartAndFieldBoundariesCount)
{
    const std::vector<ScreenIdentity> screens{
        {"DEL", "U2720Q", "1", "DP-1"},
        {"DEL", "U2720Q", "1", "DP-2"},
        {"DEL", "U2720Q", "2", "DP-1"},
        {"DEL", "U2721Q", "1", "DP-1"},
        {"DEM", "U2720Q", "1", "DP-1"},
        {"DELU", "2720Q", "1", "DP-1"},
    };
    std::set<std::uint32_t> distinct;
    for (const auto& screen : screens)
        distinct.insert(stableScreenIdentifiers({screen})[0]);
    EXPECT_EQ(distinct.size(), screens.size());
}

TEST(ScreenIdentity, IdenticalIdentitiesStillGetDistinctNumbersInAStableWay)
{
    const ScreenIdentity twin{"", "", "", "same"};
    const auto ids = stableScreenIdentifiers({twin, twin, twin});
    EXPECT_EQ(std::set<std::uint32_t>(ids.begin(), ids.end()).size(), 3u);
    EXPECT_EQ(ids[0], stableScreenIdentifiers({twin})[0]) << "the first keeps its plain hash";
    EXPECT_EQ(stableScreenIdentifiers({twin, twin, twin}), ids);
}

TEST(ScreenIdentity, LaptopPanelsAreRecognisedByTheirConnector)
{
    for (const char* name : {"eDP-1", "eDP1", "LVDS-1", "LVDS1", "DSI-1", "edp-2"})
        EXPECT_TRUE(isBuiltInConnector(name)) << name;
    for (const char* name : {"DP-1", "HDMI-A-1", "DVI-D-1", "VGA-1", "Virtual-1", "", "e"})
        EXPECT_FALSE(isBuiltInConnector(name)) << name;
}
