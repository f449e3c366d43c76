// The display subsystem on a real X server: real Qt screens, real override-redirect windows, pixels
// read back with GetImage and input sent with XTEST.
#include "display/DisplayManager.h"
#include "model/AppState.h"
#include "platform/NotificationCenter.h"
#include "platform/ScreenSource.h"
#include "platform/qt/QtBlackoutWindow.h"
#include "platform/qt/QtRunLoop.h"
#include "platform/qt/QtScreenSource.h"
#include "platform/x11/X11StackKeeper.h"
#include "platform/x11/XcbConnection.h"
#include "support/MemorySettingsStore.h"
#include "support/QtSpin.h"
#include "support/ThreeMonitors.h"
#include "support/XClient.h"
#include "x11/TestServer.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t red = 0xd02020;
constexpr std::uint32_t green = 0x20a040;
constexpr std::uint32_t blue = 0x2040d0;
constexpr std::uint32_t yellow = 0xe0d020;

class BlackoutOnX11 : public ::testing::Test {
protected:
    void SetUp() override
    {
        ThreeMonitors::plugIn(testServer());
        ASSERT_TRUE(spinUntil([] { return QGuiApplication::screens().size() == 3; }));
        // What the monitors show before any blackout: one coloured window each.
        clientA = client.createWindow(ThreeMonitors::a, red, false, XCB_EVENT_MASK_BUTTON_PRESS);
        clientB = client.createWindow(ThreeMonitors::b, green, false, XCB_EVENT_MASK_BUTTON_PRESS);
        clientC = client.createWindow(ThreeMonitors::c, blue, false, XCB_EVENT_MASK_BUTTON_PRESS);

        keeper = std::make_unique<X11StackKeeper>(XcbConnection::open("the test"));
        windows = std::make_unique<QtWindowService>(keeper.get());
        screens = std::make_unique<QtScreenSource>(notifications);
        state = std::make_unique<AppState>(store, notifications, *screens);
        manager = DisplayManager::create({*state, runLoop, notifications, *windows, *screens});
        spinFor(20); // the manager starts observing the state
        ASSERT_TRUE(showsContent(ThreeMonitors::a, red));
    }

    DisplayId idAt(const Rect& frame) const { return ThreeMonitors::idAt(*state, frame); }

    // Samples the corners, edge midpoints and centre of a monitor.
    std::array<std::pair<int, int>, 9> samplePoints(const Rect& r)
    {
        const int x0 = static_cast<int>(r.x), y0 = static_cast<int>(r.y);
        const int x1 = x0 + static_cast<int>(r.width) - 1, y1 = y0 + static_cast<int>(r.height) - 1;
        const int xm = (x0 + x1) / 2, ym = (y0 + y1) / 2;
        return {{{x0, y0}, {x1, y0}, {x0, y1}, {x1, y1}, {xm, y0}, {xm, y1}, {x0, ym}, {x1, ym}, {xm, ym}}};
    }

    bool everyPointIs(const Rect& monitor, std::uint32_t colour)
    {
        for (auto [x, y] : samplePoints(monitor)) {
            if (client.pixel(x, y) != colour)
                return false;
        }
        return true;
    }

    // Waits for the monitor to settle to the colour; the X server draws asynchronously.
    bool isBlack(const Rect& monitor) { return spinUntil([&] { return everyPointIs(monitor, black); }, 5000); }
    bool showsContent(const Rect& monitor, std::uint32_t colour)
    {
        return spinUntil([&] { return everyPointIs(monitor, colour); }, 5000);
    }

    XClient client;
    xcb_window_t clientA = 0, clientB = 0, clientC = 0;
    QtRunLoop runLoop;
    NotificationCenter notifications;
    MemorySettingsStore store;
    std::unique_ptr<X11StackKeeper> keeper;
    std::unique_ptr<QtWindowService> windows;
    std::unique_ptr<QtScreenSource> screens;
    std::unique_ptr<AppState> state;
    std::shared_ptr<DisplayManager> manager;
};

} // namespace

TEST_F(BlackoutOnX11, ExactlyTheChosenMonitorsGoBlackAndComeBack)
{
    manager->blackoutDisplay(idAt(ThreeMonitors::b));
    EXPECT_TRUE(isBlack(ThreeMonitors::b));
    EXPECT_TRUE(showsContent(ThreeMonitors::a, red));
    EXPECT_TRUE(showsContent(ThreeMonitors::c, blue));

    manager->blackoutAll();
    EXPECT_TRUE(isBlack(ThreeMonitors::a));
    EXPECT_TRUE(isBlack(ThreeMonitors::b));
    EXPECT_TRUE(isBlack(ThreeMonitors::c));

    manager->blackoutAllExcept(idAt(ThreeMonitors::c));
    EXPECT_TRUE(showsContent(ThreeMonitors::c, blue));
    EXPECT_TRUE(isBlack(ThreeMonitors::a));
    EXPECT_TRUE(isBlack(ThreeMonitors::b));

    manager->wakeAll();
    EXPECT_TRUE(showsContent(ThreeMonitors::a, red));
    EXPECT_TRUE(showsContent(ThreeMonitors::b, green));
    EXPECT_TRUE(showsContent(ThreeMonitors::c, blue));
}

TEST_F(BlackoutOnX11, AnUnpluggedMonitorLosesItsWindowTheOthersStayDark)
{
    manager->blackoutAll();
    ASSERT_TRUE(isBlack(ThreeMonitors::c));
    const DisplayId c = idAt(ThreeMonitors::c);

    testServer().deleteMonitor("C");
    ASSERT_TRUE(spinUntil([&] { return !manager->blackoutWindows().contains(c); }));
    EXPECT_TRUE(showsContent(ThreeMonitors::c, blue)) << "no black window may survive its monitor";
    EXPECT_TRUE(state->isBlackoutActive.get());
    EXPECT_FALSE(state->blackedOutDisplays.get().contains(c));
    EXPECT_TRUE(isBlack(ThreeMonitors::a));
    EXPECT_TRUE(isBlack(ThreeMonitors::b));
}

TEST_F(BlackoutOnX11, AfterAResolutionChangeTheWindowStillCoversItsMonitorExactly)
{
    // The output's own monitor is the one whose resolution really changes: A gives it back.
    const DisplayId monitorA = idAt(ThreeMonitors::a);
    testServer().deleteMonitor("A");
    testServer().setOutputMode(1920, 1080);
    ASSERT_TRUE(spinUntil([&] {
        const auto& displays = state->availableDisplays.get();
        return displays.size() == 3 && std::ranges::none_of(displays, [&](const DisplayInfo& d) { return d.id == monitorA; });
    }));
    const DisplayId output = idAt(ThreeMonitors::a);
    manager->blackoutAll();
    ASSERT_TRUE(isBlack(ThreeMonitors::a));

    const Rect smaller{0, 0, 1600, 900};
    testServer().setOutputMode(1600, 900);
    ASSERT_TRUE(spinUntil([&] { return manager->blackoutWindows().at(output)->frame() == smaller; }));
    EXPECT_TRUE(isBlack(smaller));
    // Just outside the new frame the client's larger window shows again.
    EXPECT_TRUE(spinUntil([&] { return client.pixel(1600, 10) == red && client.pixel(10, 900) == red; }));
    EXPECT_TRUE(isBlack(ThreeMonitors::b));
    EXPECT_TRUE(isBlack(ThreeMonitors::c));
}

TEST_F(BlackoutOnX11, WindowsMappedOrRaisedLaterDoNotShowThrough)
{
    manager->blackoutDisplay(idAt(ThreeMonitors::b));
    ASSERT_TRUE(isBlack(ThreeMonitors::b));

    // A menu or notification: override-redirect, mapped on top of everything.
    const Rect popup{2700, 600, 400, 300}; // over the centre of B, which isBlack samples
    client.createWindow(popup, yellow, true);
    EXPECT_TRUE(spinUntil([&] { return keeper->restackCount() >= 1; }));
    EXPECT_TRUE(isBlack(ThreeMonitors::b));

    // A normal window raised over the blacked-out monitor.
    const int before = keeper->restackCount();
    client.raise(clientB);
    EXPECT_TRUE(spinUntil([&] { return keeper->restackCount() > before; }));
    EXPECT_TRUE(isBlack(ThreeMonitors::b));
    spinFor(100);
    EXPECT_TRUE(everyPointIs(ThreeMonitors::b, black)) << "and it stays black";
}

TEST_F(BlackoutOnX11, ClicksOnABlackedOutMonitorStopAtTheBlackWindowAndFocusStaysPut)
{
    client.setInputFocus(clientA);
    manager->blackoutDisplay(idAt(ThreeMonitors::b));
    ASSERT_TRUE(isBlack(ThreeMonitors::b));
    EXPECT_EQ(client.inputFocus(), clientA);

    client.click(2880, 700);
    client.click(1930, 10);
    EXPECT_EQ(client.buttonPresses(clientB), 0);
    // The same click on a lit monitor does arrive: the test can see clicks.
    client.click(3000 + 1920, 700);
    EXPECT_EQ(client.buttonPresses(clientC), 1);

    manager->blackoutAll();
    ASSERT_TRUE(isBlack(ThreeMonitors::a));
    EXPECT_EQ(client.inputFocus(), clientA);
    manager->wakeAll();
    ASSERT_TRUE(showsContent(ThreeMonitors::b, green));
    EXPECT_EQ(client.inputFocus(), clientA);
}

TEST_F(BlackoutOnX11, BlackWindowsAreOverrideRedirectAndTakeNoFocus)
{
    manager->blackoutDisplay(idAt(ThreeMonitors::a));
    ASSERT_TRUE(isBlack(ThreeMonitors::a));
    const auto& window = manager->blackoutWindows().begin()->second;
    ASSERT_NE(window, nullptr);
    // Find the X window covering monitor A: the topmost child of the root at that point.
    xcb_translate_coordinates_reply_t* at = xcb_translate_coordinates_reply(client.connection(),
        xcb_translate_coordinates(client.connection(), client.root(), client.root(), 100, 100), nullptr);
    ASSERT_NE(at, nullptr);
    const xcb_window_t top = at->child;
    std::free(at);
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        client.connection(), xcb_get_window_attributes(client.connection(), top), nullptr);
    ASSERT_NE(attributes, nullptr);
    EXPECT_TRUE(attributes->override_redirect);
    EXPECT_EQ(attributes->map_state, XCB_MAP_STATE_VIEWABLE);
    std::free(attributes);
    EXPECT_NE(top, clientA);
    EXPECT_FALSE(QGuiApplication::focusWindow()) << "Vesperon took keyboard focus";
}

TEST_F(BlackoutOnX11, AMonitorKeepsItsIdentifierFromOneRunToTheNext)
{
    const auto runOnce = [] {
        std::string output;
        FILE* pipe = popen(PRINT_DISPLAYS " 2>/dev/null", "r");
        char buffer[256];
        while (pipe && fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        if (pipe)
            pclose(pipe);
        return output;
    };
    const std::string first = runOnce();
    const std::string second = runOnce();
    EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 3) << first;
    EXPECT_EQ(first, second);
    // And this process, which has run for a while, agrees.
    EXPECT_NE(first.find(std::to_string(idAt(ThreeMonitors::b)) + " "), std::string::npos) << first;
}

TEST_F(BlackoutOnX11, OneScreenChangeIsAnnouncedOnce)
{
    int announcements = 0;
    Subscription counter = notifications.addObserver(screenParametersDidChange, [&] { ++announcements; });
    const DisplayId monitorA = idAt(ThreeMonitors::a);
    // Qt reports this one change as several signals: A removed, the output's own monitor added,
    // a new primary screen.
    testServer().deleteMonitor("A");
    ASSERT_TRUE(spinUntil([&] { return announcements > 0; }));
    spinFor(300);
    EXPECT_EQ(announcements, 1);
    // The manager refreshed the list from it.
    EXPECT_TRUE(std::ranges::none_of(state->availableDisplays.get(), [&](const DisplayInfo& d) { return d.id == monitorA; }));

    testServer().deleteMonitor("C");
    ASSERT_TRUE(spinUntil([&] { return announcements > 1; }));
    spinFor(300);
    EXPECT_EQ(announcements, 2);
}

TEST(XcbConnectionTest, ALostServerIsReportedOnceAndTheConnectionStopsReading)
{
    auto doomed = std::make_unique<XvfbServer>("640x480x24", false);
    ::testing::internal::CaptureStdout();
    auto connection = XcbConnection::open("the doomed server", doomed->display().c_str());
    ASSERT_TRUE(connection);
    int events = 0;
    connection->setEventHandler([&](const xcb_generic_event_t&) { ++events; });
    doomed.reset(); // the server goes away
    const bool stopped = spinUntil([&] { return !connection->isWatching(); }, 5000);
    spinFor(200); // a spinning connection would keep saying so
    const std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(stopped);
    EXPECT_EQ(said, "Vesperon: lost the X server connection for the doomed server\n");
}
