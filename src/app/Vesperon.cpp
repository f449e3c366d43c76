#include "app/Vesperon.h"

#include "app/AppDelegate.h"
#include "control/ControlService.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/IdleBlackout.h"
#include "input/InputMonitor.h"
#include "input/PermissionManager.h"
#include "model/AppState.h"
#include "model/LaunchAtLogin.h"
#include "platform/Application.h"
#include "tray/MenuBarController.h"
#include "tray/TrayFallback.h"

#include <utility>

namespace vesperon {

Vesperon::Vesperon(const Backend& backend, std::ostream& messages,
    std::function<void(const std::string&)> showPreferencesFor, std::function<void()> hidePreferences)
    : backend_(backend)
{
    if (!showPreferencesFor) // a graph without a view layer (tests, benchmarks)
        showPreferencesFor = [](const std::string&) {};
    std::function<void()> showPreferences = [showPreferencesFor] { showPreferencesFor({}); };
    if (!hidePreferences)
        hidePreferences = [] {};
    const Backend& b = backend_;
    appState_ = std::make_unique<AppState>(b.settings, b.screens);
    permission_ = std::make_unique<PermissionManager>(b.inputAccess);
    displays_ = std::make_unique<DisplayManager>(DisplayManager::Services{*appState_, b.runLoop, b.windows, b.screens});
    hotkeys_ = std::make_unique<HotkeyManager>(HotkeyManager::Services{*appState_, b.runLoop, b.hotkeys, *displays_});
    inputMonitor_ = std::make_unique<InputMonitor>(
        InputMonitor::Services{*appState_, b.runLoop, b.inputTap, *displays_, messages});
    idleBlackout_ = std::make_unique<IdleBlackout>(
        IdleBlackout::Services{*appState_, b.runLoop, b.idle, b.idleInhibition, *displays_, *inputMonitor_});
    launchAtLogin_ = std::make_unique<LaunchAtLogin>(b.autostart, messages);
    menuBar_ = std::make_unique<MenuBarController>(MenuBarController::Services{
        b.runLoop, b.tray, *permission_, *appState_, *displays_, *hotkeys_, showPreferences, [this] { quit(); }});
    delegate_ = std::make_unique<AppDelegate>(AppDelegate::Services{
        b.runLoop, b.notifier, *appState_, *menuBar_, *permission_, *inputMonitor_, *hotkeys_, *displays_});
    control_ = std::make_unique<ControlService>(
        ControlService::Services{*appState_, *displays_, b.runLoop, std::move(showPreferencesFor), [this] { quit(); }});
    trayFallback_ = std::make_unique<TrayFallback>(TrayFallback::Services{
        b.runLoop, b.tray, b.notifier, *hotkeys_, std::move(showPreferences), std::move(hidePreferences)});
}

Vesperon::~Vesperon() = default;

void Vesperon::launch()
{
    delegate_->launch();
    trayFallback_->start();
}

void Vesperon::quit()
{
    if (std::exchange(quitting_, true))
        return; // a signal during the menu's quit, say
    delegate_->aboutToQuit();
    backend_.application.quit();
}

} // namespace vesperon
