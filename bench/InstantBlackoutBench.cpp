// How fast a blackout comes and goes, against a bare xcb client doing the same job, on a private
// Xvfb with 1, 2 and 4 monitors of 1280×720: the hotkey pressed with XTEST → every monitor black
// (polled with GetImage), a click → every monitor shows again; 40 rounds each, the two programs
// running side by side and taking turns (the bare one on Shift+Super+B), so both see the same load. Then start-up
// (until the tray icon docks, the hotkeys being grabbed in the same turn) beside a bare Qt 6 tray program, resident
// memory, and Vesperon's CPU for 100,000 raw motion events during a blackout. `VESPERON=path` measures another build of
// the program; `MONITORS=n` one case only.
#include "support/QtSpin.h"
#include "support/XServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xtest.h>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

constexpr int rounds = 40, monitorWidth = 1280, monitorHeight = 720;
constexpr std::uint16_t shiftSuper = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_4;
constexpr std::uint8_t keyB = 56, keyD = 40, shift = 50, super = 133; // X key codes

// A hotkey with Shift and Super, and a click, as one burst of XTEST events each, then one wait for
// the server: what a user's devices send, with no round trip of the harness's between the events.
void pressWithShiftSuper(XClient& client, std::uint8_t key)
{
    for (const auto& [type, code] : {std::pair{XCB_KEY_PRESS, super}, {XCB_KEY_PRESS, shift}, {XCB_KEY_PRESS, key},
             {XCB_KEY_RELEASE, key}, {XCB_KEY_RELEASE, shift}, {XCB_KEY_RELEASE, super}})
        client.fake(type, code);
    client.sync();
}

void click(XClient& client, int x, int y)
{
    client.fake(XCB_MOTION_NOTIFY, 0, x, y);
    client.fake(XCB_BUTTON_PRESS, 1);
    client.fake(XCB_BUTTON_RELEASE, 1);
    client.sync();
}

// Whether a mapped window of WM_CLASS `wmClass` (instance or class), at most `maxSide` pixels on a
// side, is anywhere under `parent`: a panel once it shows, a tray icon once it docks.
bool mapped(xcb_connection_t* c, xcb_window_t parent, const std::string& wmClass, int maxSide)
{
    auto* tree = xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr);
    if (!tree)
        return false;
    const std::vector<xcb_window_t> children(
        xcb_query_tree_children(tree), xcb_query_tree_children(tree) + xcb_query_tree_children_length(tree));
    std::free(tree);
    for (const xcb_window_t window : children) {
        auto* property = xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256), nullptr);
        const std::string classes = property ? std::string(static_cast<const char*>(xcb_get_property_value(property)),
                                        static_cast<std::size_t>(xcb_get_property_value_length(property)))
                                             : std::string(); // "instance\0class\0"
        std::free(property);
        auto* attributes = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
        auto* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
        const bool found
            = (classes.starts_with(wmClass + '\0') || classes.find('\0' + wmClass + '\0') != std::string::npos)
            && attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE && geometry && geometry->width <= maxSide
            && geometry->height <= maxSide;
        std::free(attributes);
        std::free(geometry);
        if (found || mapped(c, window, wmClass, maxSide))
            return true;
    }
    return false;
}

// A plain window over the monitor at `x`, in a colour of its own.
void showWindow(XClient& client, int x)
{
    xcb_connection_t* c = client.connection();
    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t colour = 0x3a5f8a;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, client.root(), static_cast<std::int16_t>(x), 0, monitorWidth,
        monitorHeight, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL, &colour);
    xcb_map_window(c, window);
    client.sync();
}

bool mapped(XClient& client, const std::string& wmClass, int maxSide = 1 << 16)
{
    return mapped(client.connection(), client.root(), wmClass, maxSide);
}

struct Figures {
    std::vector<double> ms;
    double at(double q) const
    {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * static_cast<double>(ms.size())))];
    }
};

// The job done on xcb alone: windows made in advance, mapped on the hotkey, unmapped on a click.
[[noreturn]] void bareClient(int monitors)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    std::vector<xcb_window_t> windows;
    for (int i = 0; i < monitors; ++i) {
        const std::uint32_t values[] = {screen->black_pixel, 1, XCB_EVENT_MASK_BUTTON_PRESS};
        windows.push_back(xcb_generate_id(c));
        xcb_create_window(c, XCB_COPY_FROM_PARENT, windows.back(), screen->root,
            static_cast<std::int16_t>(i * monitorWidth), 0, monitorWidth, monitorHeight, 0,
            XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
            XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    }
    xcb_grab_key(c, 0, screen->root, shiftSuper, keyB, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    xcb_flush(c);
    bool mapped = false;
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const auto type = event->response_type & 0x7f;
        if (type == XCB_KEY_PRESS || (type == XCB_BUTTON_PRESS && mapped)) {
            mapped = !mapped;
            for (xcb_window_t window : windows) {
                if (mapped) {
                    xcb_map_window(c, window);
                    const std::uint32_t above = XCB_STACK_MODE_ABOVE;
                    xcb_configure_window(c, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
                } else {
                    xcb_unmap_window(c, window);
                }
            }
            xcb_flush(c);
        }
        std::free(event);
    }
    _exit(0);
}

bool allBlack(XClient& client, int monitors, bool black)
{
    for (int i = 0; i < monitors; ++i)
        if ((client.pixel(i * monitorWidth + monitorWidth / 2, monitorHeight / 2) == 0) != black)
            return false;
    return true;
}

// Presses `key` until the program behind it answers with a blackout (it is ready then), and wakes it
// with a click; what did not happen, or nothing.
const char* ready(XClient& client, int monitors, std::uint8_t key)
{
    // One press per attempt, then its own wait: a second press would wake what the first blacked out.
    bool answered = false;
    for (int attempt = 0; attempt < 5 && !answered; ++attempt) {
        pressWithShiftSuper(client, key);
        answered = spinUntil([&] { return allBlack(client, monitors, true); }, 2000);
    }
    if (!answered)
        return "does not answer its hotkey";
    click(client, monitorWidth / 2, monitorHeight / 2);
    return spinUntil([&] { return allBlack(client, monitors, false); }) ? nullptr : "does not wake on a click";
}

// Busy-waits for `done`, as the measurements must; gives up after 5 s with a line saying on what.
void await(const std::function<bool()>& done, const std::string& what)
{
    QElapsedTimer waited;
    waited.start();
    while (!done())
        if (waited.elapsed() > 5000) {
            std::printf("%s did not happen within 5 s\n", what.c_str());
            std::exit(1);
        }
}

// Hotkey → every monitor black, and click → every monitor lit.
void measure(XClient& client, int monitors, std::uint8_t key, std::pair<Figures, Figures>& figures)
{
    const auto all = [&](bool black) { return allBlack(client, monitors, black); };
    const std::string who
        = std::to_string(monitors) + " monitors, " + (key == keyB ? "the bare client" : "Vesperon") + ": ";
    QElapsedTimer timer;
    timer.start();
    pressWithShiftSuper(client, key);
    await([&] { return all(true); }, who + "the blackout after the hotkey");
    figures.first.ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    timer.start();
    click(client, monitorWidth / 2, monitorHeight / 2);
    await([&] { return all(false); }, who + "the wake after a click");
    figures.second.ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
}

void print(const char* what, int monitors, const Figures& vesperon, const Figures& bare)
{
    std::printf("%-20s %d monitor%s  Vesperon p50 %5.2f p90 %5.2f max %6.2f ms   bare xcb p50 %5.2f p90 %5.2f max "
                "%6.2f ms   p90 ratio %.2f\n",
        what, monitors, monitors == 1 ? " " : "s", vesperon.at(0.5), vesperon.at(0.9), vesperon.ms.back(), bare.at(0.5),
        bare.at(0.9), bare.ms.back(), vesperon.at(0.9) / bare.at(0.9));
}

// A program run with a throw-away configuration and runtime folder.
void useHome(QProcess& process, const QTemporaryDir& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    process.setProcessEnvironment(environment);
}

QString program()
{
    const QByteArray chosen = qgetenv("VESPERON");
    return chosen.isEmpty() ? QStringLiteral(VESPERON_EXECUTABLE) : QString::fromLocal8Bit(chosen);
}

long procField(qint64 pid, const std::string& file, const std::string& key)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

double cpuSeconds(qint64 pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string skip;
    for (int i = 0; i < 11; ++i)
        fields >> skip;
    long user = 0, system = 0;
    fields >> user >> system;
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void blackoutRounds(int monitors)
{
    XvfbServer server(std::to_string(monitors * monitorWidth) + "x" + std::to_string(monitorHeight) + "x24");
    for (int i = 0; i < monitors; ++i)
        server.setMonitor("M" + std::to_string(i), Rect{i * 1280.0, 0, 1280, 720}, i == 0);
    XClient client;
    for (int i = 0; i < monitors; ++i)
        showWindow(client, i * monitorWidth);

    std::fflush(stdout); // or the child would print it again
    const pid_t bare = fork();
    if (bare == 0)
        bareClient(monitors);
    // Started after the fork: the child of a process with more threads than one may hang in malloc.
    QProcess tray; // with no tray, Vesperon would open its preferences window in its place
    tray.start(QStringLiteral("trayer"), {});
    spinUntil([&] { return mapped(client, "trayer"); });
    QTemporaryDir home;
    QProcess vesperon;
    useHome(vesperon, home);
    vesperon.start(program(), {});
    for (const auto& [key, who] : {std::pair{keyB, "the bare client"}, std::pair{keyD, "Vesperon"}}) {
        if (const char* failed = ready(client, monitors, key)) {
            std::printf("%d monitors: %s %s; Vesperon %s and said:\n%s\n", monitors, who, failed,
                vesperon.state() == QProcess::Running ? "runs" : "has ended",
                (vesperon.readAllStandardOutput() + vesperon.readAllStandardError()).constData());
            std::exit(1);
        }
    }
    std::pair<Figures, Figures> figures, bareFigures;
    for (int round = 0; round < rounds; ++round) {
        measure(client, monitors, keyB, bareFigures);
        measure(client, monitors, keyD, figures);
    }
    kill(bare, SIGTERM);
    waitpid(bare, nullptr, 0);
    for (Figures* f : {&figures.first, &figures.second, &bareFigures.first, &bareFigures.second})
        std::ranges::sort(f->ms);
    print("hotkey -> black", monitors, figures.first, bareFigures.first);
    print("click -> visible", monitors, figures.second, bareFigures.second);

    if (monitors == 2) {
        pressWithShiftSuper(client, keyD);
        const double before = cpuSeconds(vesperon.processId());
        for (int i = 0; i < 100000; ++i)
            client.fake(XCB_MOTION_NOTIFY, 0, 100 + i % 2, 100);
        client.sync();
        double after = cpuSeconds(vesperon.processId()), settled = -1;
        while (settled != after) { // until Vesperon has read the last of them
            settled = after;
            spinUntil([] { return false; }, 200);
            after = cpuSeconds(vesperon.processId());
        }
        std::printf("100,000 raw motion events during a blackout: %.2f s of Vesperon's CPU\n", after - before);
    }
    vesperon.kill();
    vesperon.waitForFinished();
    tray.kill();
    tray.waitForFinished();
}

// From the start of the process until its tray icon is docked.
double startUp(
    XClient& client, const QString& path, const QStringList& arguments, const char* wmClass, qint64* pid = nullptr)
{
    QTemporaryDir home;
    QProcess process;
    useHome(process, home);
    QElapsedTimer timer;
    timer.start();
    process.start(path, arguments);
    const auto docked = [&] { return mapped(client, wmClass, 64); };
    await(docked, std::string(wmClass) + "'s tray icon");
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (pid) {
        spinUntil([] { return false; }, 500); // settled
        *pid = process.processId();
        std::printf("resident memory with 2 monitors and a tray: %.1f MB\n",
            static_cast<double>(procField(*pid, "status", "VmRSS:")) / 1024);
    }
    process.kill();
    process.waitForFinished();
    spinUntil([&] { return !docked(); });
    return ms;
}

void startUpRounds(const char* self)
{
    XvfbServer server("2560x720x24");
    server.setMonitor("L", Rect{0, 0, 1280, 720}, true);
    server.setMonitor("R", Rect{1280, 0, 1280, 720});
    XClient client;
    QProcess tray;
    tray.start(QStringLiteral("trayer"), {});
    spinUntil([&] { return mapped(client, "trayer"); });
    Figures vesperon, bare;
    qint64 pid = 0;
    // As many runs as rounds above: with ten, the p90 would be the slowest run.
    for (int i = 0; i < rounds; ++i) {
        vesperon.ms.push_back(startUp(client, program(), {}, "vesperon", i == rounds - 1 ? &pid : nullptr));
        bare.ms.push_back(startUp(client, QString::fromLocal8Bit(self), {QStringLiteral("--bare-tray")}, "barebench"));
    }
    std::ranges::sort(vesperon.ms);
    std::ranges::sort(bare.ms);
    std::printf("start-up to docked icon, %d runs: Vesperon p50 %.1f p90 %.1f ms   bare Qt tray p50 %.1f p90 %.1f ms   "
                "p90 ratio %.2f\n",
        rounds, vesperon.at(0.5), vesperon.at(0.9), bare.at(0.5), bare.at(0.9), vesperon.at(0.9) / bare.at(0.9));
    tray.kill();
    tray.waitForFinished();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--bare-tray") { // the Qt 6 tray program to compare with
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("barebench"));
        QPixmap icon(22, 22);
        icon.fill(Qt::white);
        QSystemTrayIcon tray{QIcon(icon)};
        tray.show();
        return app.exec();
    }
    QCoreApplication app(argc, argv); // the servers come later, one after the other
    // MONITORS=4 measures only that case, without the start-up rounds.
    const int only = qEnvironmentVariableIntValue("MONITORS");
    for (int monitors : {1, 2, 4})
        if (!only || only == monitors)
            blackoutRounds(monitors);
    if (!only)
        startUpRounds(argv[0]);
    return 0;
}
