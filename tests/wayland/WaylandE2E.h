#pragma once

// build/vesperon as a Wayland client of the test process's compositor, used as a user uses it:
// the command line, clicks, the wheel, the keyboard, windows of the test's own on each output.
// Pixels are read back from the compositor; every wait is on a condition.
#include "support/QtSpin.h"
#include "support/StatusNotifierWatcher.h"
#include "support/TestServer.h"

#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vesperon::testing {

inline constexpr std::uint32_t black = 0, yellow = 0xe0d020, white = 0xffffff;
inline const Rect left = TestServer::output(0), right = TestServer::output(1);

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
    void keyPressEvent(QKeyEvent* event) override { ++keys, typed += event->text(); }
    int clicks = 0, keys = 0;
    QString typed;
};

struct WaylandE2E : ::testing::Test {
    TestServer& server = testServer();
    StatusNotifierWatcher tray;
    QTemporaryDir home;
    QProcess vesperon;

    WaylandE2E() { server.moveTo(100, 600); } // the pointer may show in screenshots: away from the points they check
    ~WaylandE2E() override { vesperon.kill(), vesperon.waitForFinished(5000); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return environment;
    }

    // Starts Vesperon and waits until its tray icon is registered and it answers on the bus.
    void launch(const std::string& settings = "{}")
    {
        const std::filesystem::path folder = std::filesystem::path(home.path().toStdString()) / "config" / "vesperon";
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "settings.json") << settings;
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
        // Not a blocking wait: this process is the tray's host, which Vesperon may be asking.
        EXPECT_TRUE(spinUntil([&] { return process.state() == QProcess::NotRunning; }));
        if (output)
            *output = QString::fromLocal8Bit(process.readAllStandardOutput());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    bool statusStartsWith(const char* text)
    {
        QString status;
        return run({QStringLiteral("--status")}, &status) == 0 && status.startsWith(QLatin1String(text));
    }

    // A window over `output` (below a bar, if there is one), shown once it is there.
    std::unique_ptr<Window> openWindow(int output, std::uint32_t rgb, bool fullScreen = false)
    {
        server.focusOutput(output);
        auto window = std::make_unique<Window>(rgb);
        fullScreen ? window->showFullScreen() : window->showMaximized();
        EXPECT_TRUE(shows(body(TestServer::output(output)), rgb));
        return window;
    }

    bool shows(const Rect& area, std::uint32_t rgb)
    {
        return spinUntil([&] { return server.shows(area, rgb); });
    }
    // Below a bar, or the whole output with it.
    static Rect body(const Rect& output) { return {output.x, output.y + 40, output.width, output.height - 40}; }
    bool dark(const Rect& output) { return shows(output, black); }
};

} // namespace vesperon::testing
