#include "desktop/LinuxDesktop.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <iostream>

namespace vesperon {

LinuxDesktop::LinuxDesktop(const std::filesystem::path& settingsFile, const std::filesystem::path& autostartEntry)
    : settings(settingsFile)
    , autostart(autostartEntry, QCoreApplication::applicationFilePath().toStdString(), installedDesktopEntry())
    , notifier(std::cout)
{
}

Backend LinuxDesktop::backend(DisplayServer& server)
{
    screens.completeWith(server.edids());
    screens.useDevicePixels(server.placesInDevicePixels());
    server.watchTray([this] { tray.recheck(); });
    return Backend{runLoop, application, settings, autostart, screens, server.tray(tray), notifier, server.windows(),
        server.hotkeys(), server.inputTap(), server.inputAccess(), server.keyboard(), server.idle(), idleInhibition};
}

std::string LinuxDesktop::commandName()
{
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    const QString found = QStandardPaths::findExecutable(QStringLiteral("vesperon"));
    return !found.isEmpty() && QFileInfo(found).canonicalFilePath() == self ? "vesperon" : self.toStdString();
}

} // namespace vesperon
