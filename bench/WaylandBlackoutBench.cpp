// Request → both outputs black and back on a private headless sway: build/vesperon as a Wayland
// client, BlackoutAll and WakeAll sent over the session bus, the pixels polled with grim. A poll
// costs one grim capture, which this prints too: it bounds how finely the times can be read.
#include "support/Daemon.h"
#include "support/SwayServer.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

constexpr int rounds = 40;
// A one-pixel strip across both outputs: its nine sample points fall on each.
constexpr Rect strip {600, 300, 1400, 1};

bool call(const char* method)
{
    const QDBusMessage reply = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        QStringLiteral("io.github.vesperon.Vesperon"), QStringLiteral("/io/github/vesperon/Vesperon"),
        QStringLiteral("io.github.vesperon.Vesperon"), QLatin1String(method)));
    return reply.type() == QDBusMessage::ReplyMessage;
}

// Milliseconds from the request until the strip shows `rgb`; -1 if it never did within 5 s.
double timeUntil(const SwayServer& sway, const char* method, std::uint32_t rgb)
{
    QElapsedTimer timer;
    timer.start();
    if (!call(method))
        return -1;
    while (!sway.shows(strip, rgb))
        if (timer.hasExpired(5000))
            return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

void print(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const auto at = [&](double q) { return times[std::size_t(q * double(times.size() - 1))]; };
    std::printf("%-32s p50 %6.1f ms   p90 %6.1f ms   max %6.1f ms\n", what, at(0.5), at(0.9), times.back());
}

} // namespace

int main(int argc, char** argv)
{
    SwayServer sway;
    SessionBus bus;
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    QProcess vesperon;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QString::fromStdString(sway.socket()));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    environment.remove(QStringLiteral("DISPLAY"));
    vesperon.setProcessEnvironment(environment);
    vesperon.start(QStringLiteral(VESPERON_EXECUTABLE), {});
    QElapsedTimer started;
    started.start();
    while (!QDBusConnection::sessionBus().interface()->isServiceRegistered(QStringLiteral("io.github.vesperon.Vesperon")))
        if (started.hasExpired(10000)) {
            std::fprintf(stderr, "Vesperon did not start on sway\n");
            return 1;
        }

    std::vector<double> black, lit, capture;
    const std::uint32_t background = SwayServer::outputColours[0]; // both outputs read as their own colour below
    for (int i = 0; i < rounds; ++i) {
        black.push_back(timeUntil(sway, "BlackoutAll", 0));
        // Lit: the strip's points lie on two colours, so wait on the left output's alone.
        QElapsedTimer timer;
        timer.start();
        call("WakeAll");
        while (!sway.shows({strip.x, strip.y, 1, 1}, background) && !timer.hasExpired(5000)) {}
        lit.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.start();
        sway.shows(strip, background);
        capture.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    if (std::ranges::count(black, -1.0) > 0) {
        std::fprintf(stderr, "a blackout never showed\n");
        return 1;
    }
    std::printf("headless sway, 2 outputs of 1280x720, %d rounds\n", rounds);
    print("request -> both outputs black", black);
    print("wake request -> lit", lit);
    print("one grim capture (poll step)", capture);
    vesperon.kill();
    vesperon.waitForFinished(5000);
    return 0;
}
