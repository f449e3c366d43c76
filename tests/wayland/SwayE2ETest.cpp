// What only sway shows: its way to add an output, and its output scale.
#include "conformance/Conformance.h"
#include "support/SwayServer.h"

#include <nlohmann/json.hpp>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

using SwayE2E = Conformance;

SwayServer& sway() { return static_cast<SwayServer&>(testServer()); }

TEST_F(SwayE2E, AnOutputAddedDuringABlackoutStaysLitAndTheOthersDark)
{
    launch();
    ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
    ASSERT_TRUE(dark(left) && dark(right));
    ASSERT_TRUE(sway().command("create_output"));
    EXPECT_TRUE(shows(body(TestServer::output(2)), SwayServer::outputColours[2]));
    EXPECT_TRUE(spinUntil([&] { return statusStartsWith("Blackout active: 2 of 3"); }));
    EXPECT_TRUE(dark(left) && dark(right));

    ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0); // a blackout during one: wakes all
    ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
    ASSERT_TRUE(dark(TestServer::output(2)));
    // The compositor closes the black surface of an output it takes away; it covers the output again on its return.
    ASSERT_TRUE(sway().command("output HEADLESS-3 disable"));
    ASSERT_TRUE(sway().command("output HEADLESS-3 enable"));
    EXPECT_TRUE(dark(TestServer::output(2)));
    EXPECT_TRUE(dark(left) && dark(right));
    EXPECT_TRUE(statusStartsWith("Blackout active: 3 of 3"));
}

TEST_F(SwayE2E, AtOutputScaleTwoTheBlackCoversTheOutputListedAsSwayLaysItOut)
{
    ASSERT_TRUE(sway().command("output HEADLESS-1 scale 2")); // 640×360 in the desktop's layout
    struct Restore {
        ~Restore() { sway().command("output HEADLESS-1 scale 1"); }
    } restore;
    launch();
    ASSERT_EQ(run({QStringLiteral("--blackout"), QStringLiteral("1")}), 0);
    EXPECT_TRUE(dark({0, 0, 640, 360})) << "edge to edge";
    EXPECT_TRUE(shows(body(right), SwayServer::outputColours[1]));
    QString listed;
    ASSERT_EQ(run({QStringLiteral("--list-displays"), QStringLiteral("--json")}, &listed), 0);
    const auto displays = nlohmann::json::parse(listed.toStdString());
    EXPECT_TRUE(displays[0]["width"] == 640 && displays[1]["x"] == 1280) << displays.dump();
}

} // namespace
