// Request → both outputs black and back on a private headless compositor (COMPOSITOR: sway or
// KWin), build/vesperon as its Wayland client, BlackoutAll and WakeAll sent over the session bus,
// the pixels polled (grim on sway, KWin's screenshot interface) over a window of the bench's own on
// each output. One poll's time is printed too: it bounds how finely the times can be read.
#include "support/Daemon.h"
#include COMPOSITOR_HEADER

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

constexpr int rounds = 40;
// A one-pixel strip across both outputs: its nine sample points fall on each.
constexpr Rect strip{600, 300, 1400, 1};

bool call(const char* method)
{
    const QDBusMessage reply = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        QStringLiteral("io.github.vesperon.Vesperon"), QStringLiteral("/io/github/vesperon/Vesperon"),
        QStringLiteral("io.github.vesperon.Vesperon"), QLatin1String(method)));
    return reply.type() == QDBusMessage::ReplyMessage;
}

// Milliseconds from the request until the strip shows `rgb`; -1 if it never did within 5 s.
double timeUntil(const TestServer& server, const char* method, std::uint32_t rgb)
{
    QElapsedTimer timer;
    timer.start();
    if (!call(method))
        return -1;
    while (!server.shows(strip, rgb))
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

// Runs the rounds against Vesperon on `server`, whose left output shows `lit` when awake.
int measure(const char* name, TestServer& server, std::uint32_t lit)
{
    QTemporaryDir home;
    QProcess vesperon;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    environment.remove(QStringLiteral("DISPLAY"));
    vesperon.setProcessEnvironment(environment);
    vesperon.start(QStringLiteral(VESPERON_EXECUTABLE), {});
    QElapsedTimer started;
    started.start();
    while (
        !QDBusConnection::sessionBus().interface()->isServiceRegistered(QStringLiteral("io.github.vesperon.Vesperon")))
        if (started.hasExpired(10000)) {
            std::fprintf(stderr, "Vesperon did not start on %s\n", name);
            return 1;
        }

    std::vector<double> black, awake, capture;
    for (int i = 0; i < rounds; ++i) {
        black.push_back(timeUntil(server, "BlackoutAll", 0));
        // Lit: the strip's points lie on two outputs, so wait on the left one's alone.
        QElapsedTimer timer;
        timer.start();
        call("WakeAll");
        while (!server.shows({strip.x, strip.y, 1, 1}, lit) && !timer.hasExpired(5000)) {}
        awake.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.start();
        server.shows(strip, lit);
        capture.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    vesperon.kill();
    vesperon.waitForFinished(5000);
    if (std::ranges::count(black, -1.0) > 0) {
        std::fprintf(stderr, "a blackout never showed on %s\n", name);
        return 1;
    }
    std::printf("headless %s, 2 outputs of 1280x720, %d rounds\n", name, rounds);
    print("  request -> both outputs black", black);
    print("  wake request -> lit", awake);
    print("  one capture (the poll step)", capture);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    SessionBus bus; // KWin serves its screenshots on it
    QTemporaryDir runtime;
    setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    COMPOSITOR server;
    server.becomeDisplay();
    int failed = 0;
    {
        QApplication app(argc, argv);
        // The same picture whatever the compositor draws beneath: a window over each output.
        constexpr std::uint32_t colours[] = {0xe0d020, 0xffffff};
        QWidget windows[2];
        for (int i = 0; i < 2; ++i) {
            server.focusOutput(i);
            windows[i].setStyleSheet(QStringLiteral("background: #%1").arg(colours[i], 6, 16, QLatin1Char('0')));
            windows[i].showMaximized();
            QElapsedTimer shown;
            shown.start();
            while (!server.shows({TestServer::output(i).x + 600, 300, 1, 1}, colours[i]) && !shown.hasExpired(5000))
                app.processEvents();
        }
        failed = measure(COMPOSITOR_NAME, server, colours[0]);
    }
    return failed;
}
