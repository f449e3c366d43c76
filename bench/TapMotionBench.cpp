// What a burst of 10,000 raw mouse-motion events costs Vesperon, with and without a blackout.
// Another process moves the pointer through XTEST on a private Xvfb; this process runs the real
// input tap and input monitor and reports the CPU time it spent while the burst went through.
#include "app/Vesperon.h"
#include "desktop/QtRunLoop.h"
#include "display/DisplayManager.h"
#include "input/InputMonitor.h"
#include "support/FakeDesktop.h"
#include "support/QtSpin.h"
#include "support/XServer.h"
#include "x11/X11InputTap.h"
#include "x11/XcbConnection.h"

#include <QCoreApplication>

#include <cstdio>
#include <ctime>
#include <iostream>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xtest.h>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

constexpr int burst = 10000;

// Counts what the real tap delivers.
class CountingTap : public InputTap {
public:
    explicit CountingTap(InputTap& tap) : tap_(tap) {}
    bool start(Handler handler) override
    {
        return tap_.start([this, handler](const InputEvent& event) {
            ++delivered;
            handler(event);
        });
    }
    void stop() override { tap_.stop(); }
    void setMotionWanted(bool wanted) override
    {
        motionWanted = wanted;
        tap_.setMotionWanted(wanted);
    }
    long delivered = 0;
    bool motionWanted = false;

private:
    InputTap& tap_;
};

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// In a child process, so that sending costs this process nothing.
pid_t moveThePointer()
{
    const pid_t child = fork();
    if (child == 0) {
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        for (int i = 0; i < burst; ++i) {
            const auto p = static_cast<std::int16_t>(100 + i % 2);
            xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root, p, p, 0);
        }
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
        xcb_disconnect(c);
        _exit(0);
    }
    return child;
}

} // namespace

int main(int argc, char** argv)
{
    XvfbServer server("1920x1080x24");
    QCoreApplication app(argc, argv);

    // The real program's graph over fake windows and screens, with the real tap and run loop.
    FakeDesktop desktop(1); // mouse movement is ignored: the default
    QtRunLoop runLoop;
    const auto connection = XcbConnection::open("the tap");
    X11InputTap x11Tap(connection.get());
    CountingTap tap(x11Tap);
    Backend backend = desktop.backend();
    Vesperon vesperon(Backend{runLoop, backend.application, backend.settings, backend.autostart, backend.screens,
                          backend.tray, backend.notifier, backend.windows, backend.hotkeys, tap, backend.inputAccess,
                          backend.keyboard, backend.idle, backend.idleInhibition},
        std::cout, {});
    vesperon.launch();
    if (!spinUntil([&] { return vesperon.inputMonitor().isRunning(); }))
        return 1;

    std::printf("%-18s %12s %14s %16s\n", "burst of 10,000", "CPU (ms)", "events seen", "per event (us)");
    for (const bool blackout : {false, true}) {
        if (blackout)
            vesperon.displays().blackoutAll();
        spinUntil([&] { return tap.motionWanted == blackout; });
        const long seenBefore = tap.delivered;
        const double before = cpuSeconds();
        const pid_t child = moveThePointer();
        int status = 0;
        spinUntil([&] { return waitpid(child, &status, WNOHANG) == child; }, 60000);
        // Let whatever is still in flight arrive.
        spinUntil([&] { return tap.delivered - seenBefore >= burst; }, blackout ? 10000 : 300);
        const double cpu = cpuSeconds() - before;
        const long seen = tap.delivered - seenBefore;
        std::printf("%-18s %12.2f %14ld %16.2f\n", blackout ? "during a blackout" : "no blackout", cpu * 1000, seen,
            seen ? cpu * 1e6 / static_cast<double>(seen) : 0.0);
    }
    return 0;
}
