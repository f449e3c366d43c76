#include "platform/qt/QtPlatform.h"

#include "platform/x11/XcbConnection.h"

#include <QCoreApplication>

namespace vesperon {

QtPlatform::QtPlatform(const std::filesystem::path& settingsFile, const std::filesystem::path& autostartEntry)
    : settings(settingsFile)
    , screens(notifications)
    , stackKeeper(XcbConnection::open("keeping blackout windows on top"))
    , windows(&stackKeeper)
    , hotkeys(XcbConnection::open("global hotkeys"))
    , application(notifications)
    , autostart(autostartEntry, QCoreApplication::applicationFilePath().toStdString())
{
}

PlatformServices QtPlatform::services()
{
    return PlatformServices{&runLoop, &notifications, &settings, &screens, &windows, &hotkeys, &inputTap, &trust,
        &statusBar, &application, &autostart};
}

} // namespace vesperon
