// Vesperon: black out chosen monitors from the tray, with global hotkeys or from the command line.
#include "app/DisplayServerChoice.h"
#include "app/Vesperon.h"
#include "control/CommandLine.h"
#include "control/dbus/DBusControlClient.h"
#include "control/dbus/DBusControlServer.h"
#include "core/ApplicationId.h"
#include "core/Translation.h"
#include "desktop/LinuxDesktop.h"
#include "desktop/QtTerminationSignals.h"
#include "desktop/Translations.h"
#include "keybinding/DesktopKeyBinding.h"
#include "platform/Backend.h"
#include "platform/InstanceClaim.h"
#include "preferences/PreferencesWindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <iostream>

using namespace vesperon;

namespace {

// Commands for the running Vesperon: a plain Qt core application, never a display connection.
int control(int argc, char** argv, const CommandLine& line, Translations& translations)
{
    QCoreApplication app(argc, argv);
    translations.install();
    return DBusControlClient(std::cout, std::cerr).run(line);
}

// Starting again from the launcher brings the running one's preferences to the front, with the
// launcher's token so that the desktop lets it.
int alreadyRunning(int argc, char** argv, const std::string& display, Translations& translations)
{
    //: Said when Vesperon is started again; %1 is the display it runs on, such as ":0" or "wayland-0".
    std::cout << substitute(translated("main", "Vesperon is already running on display %1."), {display}) << std::endl;
    QCoreApplication app(argc, argv);
    translations.install();
    std::ostream nowhere(nullptr);
    DBusControlClient(std::cout, nowhere)
        .activate(qEnvironmentVariable("XDG_ACTIVATION_TOKEN").toStdString(),
            qEnvironmentVariable("DESKTOP_STARTUP_ID").toStdString());
    return 0;
}

int runVesperon(int argc, char** argv, CommandLine::Backend backendChoice, Translations& translations)
{
    // Before the choice: asking GNOME Shell about its extension starts Qt's D-Bus thread, which
    // would otherwise take a SIGTERM itself and end the program before it wakes the displays.
    QtTerminationSignals::block();
    const DisplayServerChoice displayServer = chooseDisplayServer(std::cout, backendChoice);
    if (!displayServer)
        return 1;
    const std::unique_ptr<InstanceClaim> instance = displayServer.claim();
    if (!instance->isOurs()) {
        return alreadyRunning(argc, argv, displayServer.display, translations);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vesperon"));
    QApplication::setDesktopFileName(QString::fromLatin1(applicationId));
    QApplication::setQuitOnLastWindowClosed(false);
    translations.install();

    // Declared in the order they are needed: each is taken down before what it uses.
    LinuxDesktop desktop(JsonFileSettingsStore::defaultPath(), AutostartEntry::defaultPath());
    const std::unique_ptr<DisplayServer> server = displayServer.make();
    const Backend backend = desktop.backend(*server);
    std::function<void(const std::string&)> showPreferences;
    std::function<void()> hidePreferences;
    Vesperon vesperon(
        backend, std::cout, [&](const std::string& token) { showPreferences(token); }, [&] { hidePreferences(); });
    const DesktopKeyBinding binding = DesktopKeyBinding::forDesktop(
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").toStdString(), LinuxDesktop::commandName());
    std::unique_ptr<PreferencesWindow> preferences;
    showPreferences = [&](const std::string& token) {
        if (!preferences) {
            preferences = std::make_unique<PreferencesWindow>(
                PreferencesWindow::Services{vesperon.appState(), vesperon.permission(), vesperon.launchAtLogin(),
                    backend.keyboard, vesperon.hotkeys(), binding, backend.windows, vesperon.idleBlackout()});
        }
        preferences->showAndActivate([&](std::uintptr_t window) { server->bringToFront(window, token); });
    };
    hidePreferences = [&] {
        if (preferences)
            preferences->hide();
    };
    QtTerminationSignals signals([&] { vesperon.quit(); });
    DBusControlServer controlServer(
        vesperon.control(), std::cout, [&](const std::string& token) { server->bringToFront(0, token); });

    QTimer::singleShot(0, &app, [&] {
        vesperon.launch();
        controlServer.start();
    });
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    Translations translations;
    const CommandLine line = CommandLine::parse(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    switch (line.mode) {
    case CommandLine::Mode::help:
        std::cout << CommandLine::help();
        return 0;
    case CommandLine::Mode::version:
        std::cout << "Vesperon " << applicationVersion << std::endl;
        return 0;
    case CommandLine::Mode::usageError:
        std::cerr << "vesperon: " << line.error << "\n" << CommandLine::usage() << std::endl;
        return DBusControlClient::badUsage;
    case CommandLine::Mode::control:
        return control(argc, argv, line, translations);
    case CommandLine::Mode::run:
        break;
    }
    return runVesperon(argc, argv, line.backend, translations);
}
