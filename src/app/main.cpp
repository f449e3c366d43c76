// Vesperon: black out chosen monitors from the tray or with global hotkeys.
#include "app/DisplayServerChoice.h"
#include "app/Vesperon.h"
#include "linux/LinuxDesktop.h"
#include "linux/QtTerminationSignals.h"
#include "linux/SingleInstanceLock.h"
#include "platform/Backend.h"
#include "preferences/PreferencesWindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <iostream>

using namespace vesperon;

int main(int argc, char** argv)
{
    QtTerminationSignals::block();
    const auto makeDisplayServer = chooseDisplayServer(std::cout);
    if (!makeDisplayServer)
        return 1;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vesperon"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vesperon"));
    QApplication::setDesktopFileName(QStringLiteral("vesperon"));
    QApplication::setQuitOnLastWindowClosed(false);

    const char* display = std::getenv("DISPLAY");
    SingleInstanceLock instance(display ? display : "");
    if (instance.isHeldElsewhere()) {
        std::cout << "Vesperon is already running on display " << (display ? display : "") << "." << std::endl;
        return 0;
    }

    // Declared in the order they are needed: each is taken down before what it uses.
    LinuxDesktop desktop(JsonFileSettingsStore::defaultPath(), AutostartEntry::defaultPath());
    const std::unique_ptr<DisplayServer> server = makeDisplayServer();
    const Backend backend = desktop.backend(*server);
    std::function<void()> showPreferences;
    Vesperon vesperon(backend, std::cout, [&] { showPreferences(); });
    std::unique_ptr<PreferencesWindow> preferences;
    showPreferences = [&] {
        if (!preferences) {
            preferences = std::make_unique<PreferencesWindow>(PreferencesWindow::Services{
                {vesperon.appState(), vesperon.permission(), vesperon.launchAtLogin(), backend.keyboard},
                vesperon.hotkeys()});
        }
        preferences->showAndActivate();
    };
    QtTerminationSignals signals([&] { vesperon.quit(); });

    QTimer::singleShot(0, &app, [&] {
        vesperon.launch();
        if (!backend.tray.isAvailable()) {
            std::cout << "Vesperon: this desktop has no system tray; the hotkeys work (Shift+Super+D blacks out "
                         "every monitor), and the preferences window stands in for the menu"
                      << std::endl;
            showPreferences();
        }
    });
    return app.exec();
}
