#pragma once

namespace vesperon {

class AccessibilityTrust;
class ApplicationService;
class LoginItemService;
class StatusBar;
class HotkeyService;
class InputTap;
class NotificationCenter;
class RunLoop;
class ScreenSource;
class SettingsStore;
class WindowService;

// The platform services that the process-wide `shared` instances are built from. The program
// installs them once at start-up, before the first `shared` access; nothing else reads them.
struct PlatformServices {
    RunLoop* runLoop = nullptr;
    NotificationCenter* notificationCenter = nullptr;
    SettingsStore* settingsStore = nullptr;
    ScreenSource* screenSource = nullptr;
    WindowService* windowService = nullptr;
    HotkeyService* hotkeyService = nullptr;
    InputTap* inputTap = nullptr;
    AccessibilityTrust* accessibilityTrust = nullptr;
    StatusBar* statusBar = nullptr;
    ApplicationService* application = nullptr;
    LoginItemService* loginItems = nullptr;
};

void installPlatformServices(const PlatformServices& services);
// The installed services; stops the program if a `shared` instance is reached before installation.
const PlatformServices& platformServices();

} // namespace vesperon
