#include "platform/qt/QtPlatform.h"

#include "platform/x11/XcbConnection.h"

namespace vesperon {

QtPlatform::QtPlatform(const std::filesystem::path& settingsFile)
    : settings(settingsFile)
    , screens(notifications)
    , stackKeeper(XcbConnection::open("keeping blackout windows on top"))
    , windows(&stackKeeper)
    , hotkeys(XcbConnection::open("global hotkeys"))
{
}

PlatformServices QtPlatform::services()
{
    return PlatformServices{&runLoop, &notifications, &settings, &screens, &windows, &hotkeys, &inputTap, &trust};
}

} // namespace vesperon
