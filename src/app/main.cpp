// Vesperon: black out chosen monitors from the tray or with global hotkeys.
#include "app/AppDelegate.h"
#include "app/LaunchAtLogin.h"
#include "app/MenuBarController.h"
#include "preferences/PreferencesWindow.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/InputMonitor.h"
#include "input/PermissionManager.h"
#include "model/AppState.h"
#include "platform/linux/SingleInstanceLock.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtTerminationSignals.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include <xcb/xcb.h>

using namespace vesperon;

int main(int argc, char** argv)
{
    QtTerminationSignals::block();
    // Vesperon speaks X11 (under Wayland, through XWayland): Qt must use the same server as xcb.
    qputenv("QT_QPA_PLATFORM", "xcb");
    const char* display = std::getenv("DISPLAY");
    if (xcb_connection_t* probe = xcb_connect(nullptr, nullptr); xcb_connection_has_error(probe)) {
        xcb_disconnect(probe);
        if (display && *display)
            std::cout << "Vesperon needs an X11 display and cannot connect to \"" << display << "\"." << std::endl;
        else
            std::cout << "Vesperon needs an X11 display: DISPLAY is not set." << std::endl;
        return 1;
    } else {
        xcb_disconnect(probe);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vesperon"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vesperon"));
    QApplication::setDesktopFileName(QStringLiteral("vesperon"));
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstanceLock instance(display ? display : "");
    if (instance.isHeldElsewhere()) {
        std::cout << "Vesperon is already running on display " << (display ? display : "") << "." << std::endl;
        return 0;
    }

    QtPlatform platform(JsonFileSettingsStore::defaultPath(), AutostartEntry::defaultPath());
    installPlatformServices(platform.services());
    InputMonitor::shared(); // watches nothing until the permission says so

    std::unique_ptr<PreferencesWindow> preferences;
    const auto showPreferences = [&] {
        if (!preferences) {
            preferences = std::make_unique<PreferencesWindow>(PreferencesWindow::Services{
                {AppState::shared(), PermissionManager::shared(), LaunchAtLogin::shared()}, HotkeyManager::shared()});
        }
        preferences->showAndActivate();
    };
    auto delegate = AppDelegate::create({platform.runLoop, platform.notifications,
        [&] {
            return MenuBarController::create({platform.runLoop, platform.statusBar,
                []() -> PermissionManager& { return PermissionManager::shared(); },
                []() -> AppState& { return AppState::shared(); },
                []() -> DisplayManager& { return DisplayManager::shared(); }, showPreferences,
                [&] { platform.application.terminate(); }});
        },
        []() -> PermissionManager& { return PermissionManager::shared(); },
        []() -> InputMonitor& { return InputMonitor::shared(); },
        []() -> HotkeyManager& { return HotkeyManager::shared(); },
        []() -> DisplayManager& { return DisplayManager::shared(); }});
    platform.application.setWillTerminate([&] { delegate->applicationWillTerminate(); });
    QtTerminationSignals signals([&] { platform.application.terminate(); });

    QTimer::singleShot(0, &app, [&] {
        delegate->applicationDidFinishLaunching();
        if (!platform.statusBar.isAvailable()) {
            std::cout << "Vesperon: this desktop has no system tray; the hotkeys work (Shift+Super+D blacks out "
                         "every monitor), and the preferences window stands in for the menu"
                      << std::endl;
            showPreferences();
        }
    });
    const int status = app.exec();
    // The termination sequence has run: input is no longer watched, the hotkeys are released and
    // every display is awake. The shared instances live until the process ends, and tearing them
    // down after the window system would only touch windows that are already gone; the X server
    // frees what is left when the connection closes.
    std::cout.flush();
    std::fflush(nullptr);
    std::_Exit(status);
}
