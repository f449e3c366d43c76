#pragma once

// build/vesperon on the test process's server (Xvfb, sway, KWin or GNOME Shell), used as a user uses
// it: the command line, clicks, the wheel, the keyboard, windows of the test's own on each output,
// a tray on the session bus. Pixels are read back from the server; every wait is on a condition.
#include "support/QtSpin.h"
#include "support/StatusNotifierWatcher.h"
#include "support/TestServer.h"
#include "support/TestWindow.h"
#include "support/VesperonProcess.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace vesperon::testing {

inline constexpr std::uint32_t black = 0, yellow = 0xe0d020, white = 0xffffff;
inline const Rect left = TestServer::output(0), right = TestServer::output(1);

struct Conformance : ::testing::Test {
    TestServer& server = testServer();
    std::optional<StatusNotifierWatcher> tray{std::in_place}; // reset, the desktop has none
    VesperonHome home;
    std::unique_ptr<VesperonProcess> vesperon;

    const TestServer::Traits traits = server.traits();

    Conformance()
    {
        server.prepare();
        server.moveTo(100, 600); // the pointer may show in screenshots: away from the points they check
    }

    // Starts Vesperon and waits until it answers on the bus and its tray icon is registered, if
    // there is a tray.
    void launch(const std::string& settings = "{}", const VesperonProcess::Adjust& adjust = {})
    {
        home.writeSettings(settings);
        vesperon.reset(); // gone before the next starts, which would find it running and leave
        vesperon = std::make_unique<VesperonProcess>(home, adjust);
        ASSERT_TRUE(spinUntil([&] {
            return run({QStringLiteral("--status")}) == 0 && (!tray || !tray->items().empty());
        })) << vesperon->output().toStdString();
    }

    // `vesperon ARGUMENTS…`, to the end; its exit status.
    int run(const QStringList& arguments, QString* output = nullptr)
    {
        const Answer answer = home.command(arguments);
        if (output)
            *output = QString::fromStdString(answer.out);
        return answer.status;
    }
    bool statusStartsWith(const char* text) { return home.statusStartsWith(text); }

    // A window over `output` (below a bar, if there is one), shown once it is there.
    std::unique_ptr<Window> openWindow(int output, std::uint32_t rgb, bool fullScreen = false)
    {
        server.focusOutput(output);
        std::unique_ptr<Window> window;
        if (traits.placesWindows) {
            window = std::make_unique<Window>(rgb);
            fullScreen ? window->showFullScreen() : window->showMaximized();
        } else {
            window = Window::at(fullScreen ? TestServer::output(output) : body(TestServer::output(output)), rgb);
        }
        EXPECT_TRUE(shows(body(TestServer::output(output)), rgb));
        return window;
    }

    // Clicks `window` at `at` until a key reaches it: active is not yet the keyboard's, and a shell
    // may still hold it from its start-up Overview. A bare X server focuses no window by itself.
    bool takesKeyboard(Window& window, const Point& at)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            server.click(int(at.x), int(at.y));
            if (!traits.placesWindows)
                window.activateWindow();
            server.typeKey(EvdevKey::leftShift);
            if (spinUntil([&] { return window.keys > 0; }, 3000))
                return true;
        }
        return false;
    }

    bool shows(const Rect& area, std::uint32_t rgb)
    {
        return spinUntil([&] { return server.shows(area, rgb); });
    }
    // Below a bar, or the whole output with it.
    static Rect body(const Rect& output) { return {output.x, output.y + 40, output.width, output.height - 40}; }
    bool dark(const Rect& output) { return shows(output, black); }
};

} // namespace vesperon::testing
