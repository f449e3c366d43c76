// Resident memory of build/vesperon over 2,000 blackout cycles, each a blackout and a wake through
// the control interface, on a private Xvfb with two monitors and a tray (trayer, when installed).
// Growth after the first 200 cycles would be a leak per cycle.
#include "support/Daemon.h"
#include "support/QtSpin.h"
#include "support/XServer.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

using namespace vesperon::testing;

namespace {

constexpr int cycles = 2000, warmUp = 200;

long residentKilobytes(qint64 pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

bool call(const QString& method)
{
    const QString name = QStringLiteral("io.github.vesperon.Vesperon");
    const auto message
        = QDBusMessage::createMethodCall(name, QStringLiteral("/io/github/vesperon/Vesperon"), name, method);
    return QDBusConnection::sessionBus().call(message).type() == QDBusMessage::ReplyMessage;
}

} // namespace

int main(int argc, char** argv)
{
    XvfbServer server("1280x480x24"); // small monitors: the X server's painting is not what is measured
    server.setMonitor("L", {0, 0, 640, 480});
    server.setMonitor("R", {640, 0, 640, 480});
    SessionBus bus;
    QCoreApplication app(argc, argv);
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", runtime.path().toLocal8Bit());
    QProcess tray, vesperon;
    tray.start(QStringLiteral("trayer"), {});
    vesperon.setProcessChannelMode(QProcess::ForwardedChannels);
    vesperon.start(QStringLiteral(VESPERON_EXECUTABLE), {});
    if (!spinUntil([] { return call(QStringLiteral("ListDisplays")); }))
        return 1;

    long start = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        // ListDisplays is answered after the windows of the call before have been made or hidden.
        if (!call(QStringLiteral("BlackoutAll")) || !call(QStringLiteral("ListDisplays"))
            || !call(QStringLiteral("WakeAll")) || !call(QStringLiteral("ListDisplays")))
            return 1;
        if (cycle == warmUp)
            start = residentKilobytes(vesperon.processId());
    }
    const long end = residentKilobytes(vesperon.processId());
    std::printf("resident memory after %d cycles: %.1f MB; after %d: %.1f MB; growth %+ld kB (%.2f kB a cycle)\n",
        warmUp, static_cast<double>(start) / 1024, cycles, static_cast<double>(end) / 1024, end - start,
        static_cast<double>(end - start) / (cycles - warmUp));
    call(QStringLiteral("Quit"));
    vesperon.waitForFinished(5000);
    tray.kill();
    tray.waitForFinished(5000);
    return 0;
}
