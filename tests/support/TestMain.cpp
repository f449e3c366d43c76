// Tests on a real display server: each test process starts its own session bus, its own server on
// it (SERVER: Xvfb, sway, KWin or GNOME Shell) and a Qt application that is a client of that server.
#include "support/Daemon.h"
#include SERVER_HEADER

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <unistd.h>

namespace {
std::unique_ptr<vesperon::testing::TestServer> server;
volatile int status = 0;
} // namespace

vesperon::testing::TestServer& vesperon::testing::testServer() { return *server; }

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) // CTest asks before running them: no server needed
        return RUN_ALL_TESTS();
    vesperon::testing::SessionBus bus;
    QTemporaryDir runtime; // this process's own
    setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    server = std::make_unique<vesperon::testing::SERVER>();
    server->becomeDisplay();
    {
        QApplication app(argc, argv); // gone before the server, which it would not survive on Wayland
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
