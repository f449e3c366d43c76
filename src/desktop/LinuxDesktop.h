#pragma once

#include "desktop/AutostartEntry.h"
#include "desktop/DBusNotifier.h"
#include "desktop/JsonFileSettingsStore.h"
#include "desktop/QtApplication.h"
#include "desktop/QtRunLoop.h"
#include "desktop/QtScreenSource.h"
#include "desktop/ScreenSaverInhibition.h"
#include "platform/Backend.h"
#include "tray/QtTray.h"

#include <filesystem>

namespace vesperon {

// The services every Linux desktop shares, whatever its display server: the Qt run loop and
// application, the screens, the tray, the settings file and the autostart entry. Needs a
// QApplication.
class LinuxDesktop {
public:
    LinuxDesktop(const std::filesystem::path& settingsFile, const std::filesystem::path& autostartEntry);
    LinuxDesktop(const LinuxDesktop&) = delete;
    LinuxDesktop& operator=(const LinuxDesktop&) = delete;

    // These services and the display server's, as one backend.
    Backend backend(DisplayServer& server);

    // How a command line names this program: "vesperon" where PATH finds this very program, else
    // its path.
    static std::string commandName();

    QtRunLoop runLoop;
    QtApplication application;
    JsonFileSettingsStore settings;
    AutostartEntry autostart;
    QtScreenSource screens;
    QtTray tray;
    DBusNotifier notifier;
    ScreenSaverInhibition idleInhibition;
};

} // namespace vesperon
