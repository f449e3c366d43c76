// How long `vesperon --status` and `vesperon --toggle` take, from starting the client process to
// its exit, against the real control server on a private session bus. The server runs in this
// process over the fake desktop, so the time is the client's and the bus's, not a display's.
#include "app/Vesperon.h"
#include "control/dbus/DBusControlServer.h"
#include "desktop/QtRunLoop.h"
#include "support/Daemon.h"
#include "support/FakeDesktop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <iostream>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

constexpr int rounds = 50;

// Milliseconds from start to exit of each run; the event loop keeps serving meanwhile.
std::vector<double> timeClient(const QStringList& arguments)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QProcess client;
        client.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QEventLoop untilExit;
        QObject::connect(&client, &QProcess::finished, &untilExit, &QEventLoop::quit);
        QObject::connect(&client, &QProcess::errorOccurred, &untilExit, &QEventLoop::quit);
        QElapsedTimer timer;
        timer.start();
        client.start(QStringLiteral(VESPERON_EXECUTABLE), arguments);
        untilExit.exec();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (client.exitCode() != 0)
            std::fprintf(stderr, "%s failed\n", qPrintable(arguments.join(QLatin1Char(' '))));
    }
    std::sort(times.begin(), times.end());
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    SessionBus bus;
    QCoreApplication app(argc, argv);
    FakeDesktop desktop(3);
    QtRunLoop runLoop;
    Backend backend = desktop.backend();
    Vesperon vesperon(Backend{runLoop, backend.application, backend.settings, backend.autostart, backend.screens,
                          backend.tray, backend.notifier, backend.windows, backend.hotkeys, backend.inputTap,
                          backend.inputAccess, backend.keyboard, backend.idle, backend.idleInhibition},
        std::cout, {});
    vesperon.launch();
    DBusControlServer server(vesperon.control(), std::cout);
    if (!server.start())
        return 1;

    std::printf("%-28s %12s %12s %12s\n", "50 runs, 3 displays", "median (ms)", "90% (ms)", "slowest (ms)");
    for (const QStringList& arguments :
        {QStringList{QStringLiteral("--status")}, QStringList{QStringLiteral("--toggle")},
            QStringList{QStringLiteral("--blackout"), QStringLiteral("DP-2")}}) {
        const std::vector<double> times = timeClient(arguments);
        std::printf("%-28s %12.1f %12.1f %12.1f\n",
            qPrintable(QStringLiteral("vesperon ") + arguments.join(QLatin1Char(' '))), times[rounds / 2],
            times[rounds * 9 / 10], times.back());
    }
    return 0;
}
