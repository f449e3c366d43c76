#include "app/Vesperon.h"

#include "app/AppDelegate.h"
#include "app/LaunchAtLogin.h"
#include "app/MenuBarController.h"
#include "app/TrayFallback.h"
#include "control/ControlService.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/IdleBlackout.h"
#include "input/InputMonitor.h"
#include "input/PermissionManager.h"
#include "model/AppState.h"
#include "platform/Application.h"

#include <utility>

namespace vesperon {

Vesperon::Vesperon(const Backend& backend, std::ostream& messages, std::function<void()> showPreferences,
    std::function<void()> hidePreferences)
    : backend_(backend)
{
    if (!showPreferences) // a graph without a view layer (tests, benchmarks)
        showPreferences = [] {};
    if (!hidePreferences)
        hidePreferences = [] {};
    const Backend& b = backend_;
    appState_ = std::make_unique<AppState>(b.settings, b.screens);
    permission_ = PermissionManager::create({b.runLoop, b.application, b.inputAccess});
    displays_ = DisplayManager::create({*appState_, b.runLoop, b.windows, b.screens});
    hotkeys_ = HotkeyManager::create({*appState_, b.runLoop, b.hotkeys, *displays_});
    inputMonitor_ = InputMonitor::create({*appState_, b.runLoop, b.inputTap, *displays_, messages});
    idleBlackout_ = IdleBlackout::create({*appState_, b.runLoop, b.idle, b.idleInhibition, *displays_});
    launchAtLogin_ = std::make_unique<LaunchAtLogin>(b.autostart, messages);
    menuBar_ = MenuBarController::create(
        {b.runLoop, b.tray, *permission_, *appState_, *displays_, *hotkeys_, showPreferences, [this] { quit(); }});
    delegate_ = AppDelegate::create({b.runLoop, b.notifier, *appState_, *menuBar_, *permission_, *inputMonitor_, *hotkeys_, *displays_});
    control_ = ControlService::create({*appState_, *displays_, b.runLoop, showPreferences, [this] { quit(); }});
    trayFallback_ = TrayFallback::create(
        {b.runLoop, b.tray, b.notifier, *hotkeys_, std::move(showPreferences), std::move(hidePreferences)});
}

Vesperon::~Vesperon() = default;

void Vesperon::launch()
{
    delegate_->applicationDidFinishLaunching();
    trayFallback_->start();
}

void Vesperon::quit()
{
    if (std::exchange(quitting_, true))
        return; // a signal during the menu's quit, say
    delegate_->applicationWillTerminate();
    backend_.application.quit();
}

} // namespace vesperon
