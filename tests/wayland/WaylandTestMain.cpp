// Tests on a real Wayland compositor: each test process starts its own session bus, its own
// headless compositor (COMPOSITOR: sway or KWin) on it, and a Qt application that is a Wayland
// client of that compositor.
#include "support/Daemon.h"
#include COMPOSITOR_HEADER

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <unistd.h>

namespace {
std::unique_ptr<vesperon::testing::WaylandCompositor> server;
volatile int status = 0;
} // namespace

vesperon::testing::WaylandCompositor& vesperon::testing::compositor() { return *server; }

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) // CTest asks before running them: no server needed
        return RUN_ALL_TESTS();
    vesperon::testing::SessionBus bus;
    QTemporaryDir runtime; // this process's own
    setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    server = std::make_unique<vesperon::testing::COMPOSITOR>();
    setenv("WAYLAND_DISPLAY", server->socket().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "wayland", 1);
    unsetenv("DISPLAY");
    {
        QApplication app(argc, argv); // gone before the compositor, which it would not survive
        QApplication::setQuitOnLastWindowClosed(false);
        status = RUN_ALL_TESTS();
        // Taking the session down must not turn the verdict into a timeout.
        std::signal(SIGALRM, [](int) {
            constexpr char said[] = "the session did not end within 40 s of the tests; leaving it\n";
            [[maybe_unused]] const auto written = write(STDERR_FILENO, said, sizeof said - 1);
            _exit(status);
        });
        alarm(40);
    }
    server.reset();
    return status;
}
