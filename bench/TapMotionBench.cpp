// What a burst of 10,000 raw mouse-motion events costs Vesperon, with and without a blackout.
// Another process moves the pointer through XTEST on a private Xvfb; this process runs the real
// input tap and input monitor and reports the CPU time it spent while the burst went through.
#include "display/DisplayManager.h"
#include "input/InputMonitor.h"
#include "model/AppState.h"
#include "platform/NotificationCenter.h"
#include "linux/QtRunLoop.h"
#include "x11/X11InputTap.h"
#include "support/FakeScreenSource.h"
#include "support/FakeWindowService.h"
#include "support/MemorySettingsStore.h"
#include "support/QtSpin.h"
#include "support/XvfbServer.h"

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
    bool create(Handler handler) override
    {
        return tap_.create([this, handler](const InputEvent& event) {
            ++delivered;
            handler(event);
        });
    }
    void setEnabled(bool enabled) override { tap_.setEnabled(enabled); }
    void destroy() override { tap_.destroy(); }
    void setMotionWanted(bool wanted) override { tap_.setMotionWanted(wanted); }
    long delivered = 0;

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

    MemorySettingsStore store;
    NotificationCenter notifications;
    FakeScreenSource screens;
    screens.addMonitor(1);
    AppState state(store, notifications, screens); // mouse movement is ignored: the default
    QtRunLoop runLoop;
    FakeWindowService windows;
    auto displays = DisplayManager::create({state, runLoop, notifications, windows, screens});
    X11InputTap x11Tap;
    CountingTap tap(x11Tap);
    auto monitor = InputMonitor::create({[&]() -> AppState& { return state; }, runLoop, tap, [&]() -> DisplayManager& { return *displays; }, std::cout});
    monitor->start();
    if (!monitor->isRunning())
        return 1;

    std::printf("%-18s %12s %14s %16s\n", "burst of 10,000", "CPU (ms)", "events seen", "per event (us)");
    for (const bool blackout : {false, true}) {
        if (blackout)
            state.blackoutAll();
        spinFor(100);
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
    monitor->stop();
    return 0;
}
