// build/vesperon as a Wayland client of a private headless sway with two outputs and a bar, used
// as a user uses it: the command line, clicks, the wheel, the keyboard, a new output, a kill.
// Pixels are read back from the compositor; every wait is on a condition.
#include "support/QtSpin.h"
#include "support/StatusNotifierWatcher.h"
#include "support/SwayServer.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

using namespace vesperon;
using namespace vesperon::testing;
namespace fs = std::filesystem;

SwayServer& swayServer();

namespace {

constexpr std::uint32_t black = 0, yellow = 0xe0d020, white = 0xffffff;
const Rect left = SwayServer::output(0), right = SwayServer::output(1), added = SwayServer::output(2);

// A plain window of the test's own that counts the clicks and keys it receives.
struct Window : QWidget {
    explicit Window(std::uint32_t rgb)
    {
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor::fromRgb(rgb));
        setPalette(colours);
    }
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
    void keyPressEvent(QKeyEvent*) override { ++keys; }
    int clicks = 0, keys = 0;
};

struct SwayE2E : ::testing::Test {
    SwayServer& sway = swayServer();
    WaylandInput input {sway.socket(), 2 * SwayServer::outputWidth, SwayServer::outputHeight};
    StatusNotifierWatcher tray;
    QTemporaryDir home;
    QProcess vesperon;

    SwayE2E() { input.moveTo(100, 600); } // the pointer is in the screenshots: away from the points they check
    ~SwayE2E() override { vesperon.kill(), vesperon.waitForFinished(5000); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return environment;
    }

    // Starts Vesperon and waits until it answers on the session bus, its launch done.
    void launch(const std::string& settings = "{}")
    {
        fs::create_directories(fs::path(home.path().toStdString()) / "config" / "vesperon");
        std::ofstream(fs::path(home.path().toStdString()) / "config" / "vesperon" / "settings.json") << settings;
        vesperon.setProcessEnvironment(environment());
        vesperon.start(QStringLiteral(VESPERON_EXECUTABLE), {});
        ASSERT_TRUE(spinUntil([&] { return run({QStringLiteral("--status")}) == 0 && !tray.items().empty(); }))
            << vesperon.readAll().toStdString();
    }

    // `vesperon ARGUMENTS…`, to the end; its exit status.
    int run(const QStringList& arguments, QString* output = nullptr, const QProcessEnvironment& environment = {})
    {
        QProcess process;
        process.setProcessEnvironment(environment.isEmpty() ? this->environment() : environment);
        process.start(QStringLiteral(VESPERON_EXECUTABLE), arguments);
        EXPECT_TRUE(process.waitForFinished(10000));
        if (output)
            *output = QString::fromLocal8Bit(process.readAllStandardOutput());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    // A window on `output`'s workspace, tiled below the bar or over the whole output.
    std::unique_ptr<Window> openWindow(const char* output, std::uint32_t rgb, bool fullScreen = false)
    {
        EXPECT_TRUE(sway.command(std::string("focus output ") + output));
        auto window = std::make_unique<Window>(rgb);
        fullScreen ? window->showFullScreen() : window->show();
        return window;
    }

    bool shows(const Rect& area, std::uint32_t rgb)
    {
        return spinUntil([&] { return sway.shows(area, rgb); });
    }
    // Below the bar, or the whole output with it.
    static Rect body(const Rect& output) { return {output.x, output.y + 40, output.width, output.height - 40}; }
    static Rect bar(const Rect& output) { return {output.x + output.width / 2, output.y + 2, 100, 4}; }
    bool rightLit() { return shows(body(right), SwayServer::outputColours[1]) && shows(bar(right), SwayServer::barColour); }
    bool dark(const Rect& output) { return shows(output, black); }
};

TEST_F(SwayE2E, OverlaysCoverAFullscreenWindowAndTheBarAndAClickTheWheelOrMovementWakes)
{
    const auto fullScreen = openWindow("HEADLESS-1", yellow, true);
    launch(R"({"ignoreMouseMovement": false})");
    ASSERT_TRUE(shows(left, yellow) && rightLit());
    input.moveTo(1900, 400); // where it clicks: an overlay appearing under a resting pointer is no movement

    const auto blackOutThenWake = [&](const std::function<void()>& wake) {
        EXPECT_EQ(run({QStringLiteral("--blackout-all")}), 0);
        EXPECT_TRUE(dark(left) && dark(right)) << "the fullscreen window or the bar shows through";
        wake();
        return shows(left, yellow) && rightLit();
    };
    EXPECT_TRUE(blackOutThenWake([&] { input.click(1900, 400); })) << "a click";
    EXPECT_TRUE(blackOutThenWake([&] { input.scroll(); })) << "the wheel";
    EXPECT_TRUE(blackOutThenWake([&] { input.moveTo(300, 300); })) << "movement";
    EXPECT_EQ(fullScreen->clicks, 0) << "the click woke and went no further";

    QString said;
    EXPECT_EQ(run({}, &said), 0);
    EXPECT_TRUE(said.contains(QStringLiteral("already running on display"))) << said.toStdString();
}

TEST_F(SwayE2E, BesideAKeptDisplayTheProgramThereGetsItsClicksAndKeys)
{
    const auto window = openWindow("HEADLESS-2", white);
    launch();
    ASSERT_EQ(run({QStringLiteral("--keep-only"), QStringLiteral("HEADLESS-2")}), 0);
    ASSERT_TRUE(dark(left));
    ASSERT_TRUE(shows(body(right), white));

    input.click(1900, 400);
    EXPECT_TRUE(spinUntil([&] { return window->clicks == 1; }));
    input.typeKey(EvdevKey::a);
    EXPECT_TRUE(spinUntil([&] { return window->keys == 1; })) << "keys still go to the program in front";
    QString status;
    EXPECT_EQ(run({QStringLiteral("--status")}, &status), 0);
    EXPECT_TRUE(status.startsWith(QStringLiteral("Blackout active: 1 of 2"))) << status.toStdString();
    EXPECT_TRUE(dark(left));
}

TEST_F(SwayE2E, DuringAFullBlackoutAllowedKeysAndTheSafetyCombinationWakeAndNoKeyLeaks)
{
    const auto window = openWindow("HEADLESS-1", white);
    launch(R"({"allowedWakeKeys": ["space"]})");

    ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
    ASSERT_TRUE(dark(left) && dark(right));
    input.typeKey(EvdevKey::escape, {EvdevKey::leftControl, EvdevKey::leftSuper});
    EXPECT_TRUE(shows(body(left), white) && rightLit()) << "Control+Super+Escape";

    ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
    ASSERT_TRUE(dark(left) && dark(right));
    input.typeKey(EvdevKey::a);
    input.typeKey(EvdevKey::space);
    EXPECT_TRUE(shows(body(left), white) && rightLit()) << "an allowed key";
    EXPECT_EQ(window->keys, 0) << "the overlays held the keyboard";
}

TEST_F(SwayE2E, AnOutputAddedDuringABlackoutStaysLitAndAKilledVesperonLeavesEveryOutputLit)
{
    launch();
    ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
    ASSERT_TRUE(dark(left) && dark(right));

    ASSERT_TRUE(sway.command("create_output"));
    EXPECT_TRUE(shows(body(added), SwayServer::outputColours[2]));
    EXPECT_TRUE(spinUntil([&] {
        QString status;
        return run({QStringLiteral("--status")}, &status) == 0 && status.startsWith(QStringLiteral("Blackout active: 2 of 3"));
    }));
    EXPECT_TRUE(dark(left) && dark(right));

    ::kill(static_cast<pid_t>(vesperon.processId()), SIGKILL);
    EXPECT_TRUE(shows(body(left), SwayServer::outputColours[0]) && rightLit());
}

TEST_F(SwayE2E, ABackendThatCannotRunSaysWhyInOneLine)
{
    QProcessEnvironment noX = environment();
    noX.remove(QStringLiteral("DISPLAY"));
    QString said;
    EXPECT_EQ(run({QStringLiteral("--backend"), QStringLiteral("x11")}, &said, noX), 1);
    EXPECT_EQ(said, QStringLiteral("Vesperon needs an X11 display: DISPLAY is not set.\n"));

    QProcessEnvironment nowhere = noX;
    nowhere.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("/nonexistent/wayland-9"));
    EXPECT_EQ(run({QStringLiteral("--backend=wayland")}, &said, nowhere), 1);
    EXPECT_EQ(said, QStringLiteral("Vesperon cannot run on Wayland here: the compositor at \"/nonexistent/wayland-9\" cannot be "
                                   "reached or offers no layer-shell.\n"));
    // Left to choose, it falls back to X11, which is not there either.
    EXPECT_EQ(run({}, &said, nowhere), 1);
    EXPECT_EQ(said, QStringLiteral("Vesperon needs an X11 display: DISPLAY is not set.\n"));
}

} // namespace
