#pragma once

#include "platform/NotificationCenter.h"
#include "platform/PlatformServices.h"
#include "platform/linux/AutostartEntry.h"
#include "platform/linux/JsonFileSettingsStore.h"
#include "platform/qt/QtApplicationService.h"
#include "platform/qt/QtBlackoutWindow.h"
#include "platform/qt/QtRunLoop.h"
#include "platform/qt/QtScreenSource.h"
#include "platform/qt/QtStatusItem.h"
#include "platform/x11/X11AccessibilityTrust.h"
#include "platform/x11/X11HotkeyService.h"
#include "platform/x11/X11InputTap.h"
#include "platform/x11/X11StackKeeper.h"

#include <filesystem>

namespace vesperon {

// Every platform service of the program on Qt and X11, built together. Needs a QApplication.
class QtPlatform {
public:
    QtPlatform(const std::filesystem::path& settingsFile, const std::filesystem::path& autostartEntry);
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    PlatformServices services();

    QtRunLoop runLoop;
    NotificationCenter notifications;
    JsonFileSettingsStore settings;
    QtScreenSource screens;
    X11StackKeeper stackKeeper;
    QtWindowService windows;
    X11HotkeyService hotkeys;
    X11InputTap inputTap;
    X11AccessibilityTrust trust;
    QtStatusBar statusBar;
    QtApplicationService application;
    AutostartEntry autostart;
};

} // namespace vesperon
