// What watching for idle time costs build/vesperon: CPU time and wake-ups (voluntary context
// switches) over 30 s, with the idle blackout off, on with 5 minutes, and on with a period of 1 s
// (the test scale), for every display and for each display on its own, first with nothing
// happening, then with the pointer moving ten times a second.
// On a private Xvfb with two monitors, a tray (trayer) and its own session bus.
#include "support/Daemon.h"
#include "support/QtSpin.h"
#include "support/XServer.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

using namespace vesperon::testing;

namespace {

struct Usage {
    double cpuMs = 0;
    long wakeUps = 0;
};

// Summed over the program's threads: Qt reads X and D-Bus on threads of its own.
Usage usage(qint64 pid)
{
    Usage used;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        double nanoseconds = 0;
        if (std::ifstream(task.path() / "schedstat") >> nanoseconds)
            used.cpuMs += nanoseconds / 1e6;
        std::ifstream status(task.path() / "status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                used.wakeUps += std::stol(line.substr(24));
    }
    return used;
}

bool answers()
{
    const QString name = QStringLiteral("io.github.vesperon.Vesperon");
    const auto message = QDBusMessage::createMethodCall(
        name, QStringLiteral("/io/github/vesperon/Vesperon"), name, QStringLiteral("ListDisplays"));
    return QDBusConnection::sessionBus().call(message).type() == QDBusMessage::ReplyMessage;
}

Usage measure(const char* settings, const char* scale, bool moving, XvfbServer& server)
{
    QTemporaryDir home;
    std::filesystem::create_directories(home.path().toStdString() + "/vesperon");
    std::ofstream(home.path().toStdString() + "/vesperon/settings.json") << settings;
    QProcess vesperon;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.insert(QStringLiteral("VESPERON_TEST_IDLE_SCALE"), QLatin1String(scale));
    vesperon.setProcessEnvironment(environment);
    vesperon.start(QStringLiteral(VESPERON_EXECUTABLE), {});
    // The pointer moves from the start, so that the user is never away for a whole period.
    int tick = 0;
    const auto live = [&](int ticks) {
        for (const int end = tick + ticks; tick < end; ++tick) {
            if (moving)
                server.moveTo(100 + tick % 2 * 10, 100);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    };
    if (!spinUntil([&] { return live(1), answers(); }))
        return {-1, -1};
    live(20); // start-up settles
    const Usage before = usage(vesperon.processId());
    live(300);
    const Usage after = usage(vesperon.processId());
    vesperon.kill();
    vesperon.waitForFinished(5000);
    return {after.cpuMs - before.cpuMs, after.wakeUps - before.wakeUps};
}

} // namespace

int main(int argc, char** argv)
{
    XvfbServer server("1280x480x24");
    server.setMonitor("L", {0, 0, 640, 480});
    server.setMonitor("R", {640, 0, 640, 480});
    SessionBus bus;
    QCoreApplication app(argc, argv);
    QProcess tray; // as on a desktop: without one the preferences window would open meanwhile
    tray.start(QStringLiteral("trayer"), {});
    struct Case {
        const char* name;
        const char* settings;
        const char* scale;
    };
    const Case cases[] = {
        {"idle blackout off       ", R"({"idleBlackoutMinutes": 0})", "1"},
        {"on, 5 minutes           ", R"({"idleBlackoutMinutes": 5})", "1"},
        {"on, a period of 1 second", R"({"idleBlackoutMinutes": 1})", "0.0166667"},
        {"each display, 5 minutes ", R"({"idleBlackoutMinutes": 5, "idleBlackoutScope": "eachDisplay"})", "1"},
        {"each display, 1 second  ", R"({"idleBlackoutMinutes": 1, "idleBlackoutScope": "eachDisplay"})", "0.0166667"},
    };
    std::printf("over 30 s                  nothing happening        pointer moving 10 times a second\n");
    for (const Case& c : cases) {
        const Usage still = measure(c.settings, c.scale, false, server);
        const Usage moving = measure(c.settings, c.scale, true, server);
        std::printf("%s  %6.2f ms CPU, %4ld wake-ups   %6.2f ms CPU, %4ld wake-ups\n", c.name, still.cpuMs,
            still.wakeUps, moving.cpuMs, moving.wakeUps);
    }
    tray.kill();
    tray.waitForFinished(5000);
    return 0;
}
