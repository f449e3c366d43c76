#include "tray/MenuBarController.h"

#include "core/RunLoop.h"
#include "core/Translation.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/PermissionManager.h"
#include "model/AppState.h"

namespace vesperon {

namespace {

constexpr const char* tooltip = "Vesperon"; // the program's name, in every language

MenuItem item(std::string title, MenuItem::Action action, std::string name = {})
{
    MenuItem entry;
    entry.title = std::move(title);
    entry.name = std::move(name);
    entry.action = std::move(action);
    return entry;
}

} // namespace

MenuBarController::MenuBarController(Services services) : services_(std::move(services)) {}

void MenuBarController::install()
{
    services_.tray.setIcon(Icon::display, tooltip);
    // Built afresh whenever it opens, so checkmarks and "Wake All Displays" are never stale; a
    // hotkey another program held may be free by now.
    services_.tray.setAboutToShow(lifetime_.guard([this]() {
        services_.hotkeys.retryRefused();
        updateMenu();
    }));
    updateMenu();
    services_.runLoop.post(lifetime_.guard([this]() { setupObservers(); }));
}

void MenuBarController::setupObservers()
{
    AppState& state = services_.appState;
    RunLoop& loop = services_.runLoop;
    // The menu follows too, also while it is open: the click that opened it may be the one that
    // wakes the blackout a turn later.
    subscriptions_.push_back(state.isBlackoutActive.subscribeQueued(loop, [this](bool active) {
        updateIcon(active);
        updateMenu();
    }));
    subscriptions_.push_back(state.availableDisplays.subscribeQueued(loop, [this](const auto&) { updateMenu(); }));
    subscriptions_.push_back(
        services_.permission.hasAccessibilityPermission.subscribeQueued(loop, [this](bool) { updateMenu(); }));
}

void MenuBarController::updateIcon(bool isActive)
{
    services_.tray.setIcon(isActive ? Icon::displayBlackedOut : Icon::display, tooltip);
}

MenuItem::Action MenuBarController::action(void (MenuBarController::*method)())
{
    return lifetime_.guard([this, method](const MenuItem&) { (this->*method)(); });
}

MenuItem::Action MenuBarController::action(void (MenuBarController::*method)(const MenuItem&))
{
    return lifetime_.guard([this, method](const MenuItem& sender) { (this->*method)(sender); });
}

Menu MenuBarController::buildMenu()
{
    const bool permitted = services_.permission.hasAccessibilityPermission.get();
    const AppState& state = services_.appState;
    const auto& displays = state.availableDisplays.get();

    Menu menu;
    if (!permitted) {
        //: Tray menu: a warning at the top when the program cannot see the keyboard and mouse.
        MenuItem warning = item(translated("MenuBarController", "Input Monitoring Unavailable"), nullptr);
        warning.icon = Icon::warning;
        menu.push_back(std::move(warning));
        //: Tray menu: opens what lets the program see the keyboard and mouse.
        menu.push_back(
            item(translated("MenuBarController", "Grant Permission..."), action(&MenuBarController::grantPermission)));
        menu.push_back(MenuItem::separator());
    }

    //: Tray menu: blacks out every monitor.
    MenuItem all = item(
        translated("MenuBarController", "Blackout All"), action(&MenuBarController::blackoutAll), "blackout-all");
    if (const auto hotkey = services_.hotkeys.workingBlackoutAllHotkey())
        all.shortcutHint = hotkey->displayString();
    all.enabled = permitted;
    menu.push_back(std::move(all));
    menu.push_back(MenuItem::separator());

    //: Tray menu: the submenu of monitors, each blacked out or woken by itself.
    MenuItem blackoutDisplay = item(translated("MenuBarController", "Blackout Display"), nullptr, "blackout-display");
    //: Tray menu: the submenu of monitors; the one chosen stays lit and every other goes dark.
    MenuItem keepOnly = item(translated("MenuBarController", "Keep Only This Display"), nullptr, "keep-only");
    blackoutDisplay.submenu.emplace();
    keepOnly.submenu.emplace();
    for (const DisplayInfo& display : displays) {
        MenuItem dark = item(display.displayName(), action(&MenuBarController::blackoutDisplay));
        dark.display = display.id;
        dark.enabled = permitted;
        dark.checked = state.blackedOutDisplays.get().contains(display.id);
        blackoutDisplay.submenu->push_back(std::move(dark));

        MenuItem only = item(display.displayName(), action(&MenuBarController::keepOnlyDisplay));
        only.display = display.id;
        only.enabled = permitted && displays.size() >= 2;
        keepOnly.submenu->push_back(std::move(only));
    }
    menu.push_back(std::move(blackoutDisplay));
    menu.push_back(std::move(keepOnly));
    menu.push_back(MenuItem::separator());

    //: Tray menu: ends the blackout on every monitor.
    MenuItem wake
        = item(translated("MenuBarController", "Wake All Displays"), action(&MenuBarController::wakeAll), "wake-all");
    wake.enabled = state.isBlackoutActive.get();
    menu.push_back(std::move(wake));
    menu.push_back(MenuItem::separator());

    //: Tray menu: opens the preferences window.
    menu.push_back(item(
        translated("MenuBarController", "Preferences..."), action(&MenuBarController::showPreferences), "preferences"));
    menu.push_back(MenuItem::separator());

    //: Tray menu: wakes every monitor and ends the program.
    menu.push_back(item(translated("MenuBarController", "Quit Vesperon"), action(&MenuBarController::quit), "quit"));
    return menu;
}

void MenuBarController::updateMenu() { services_.tray.setMenu(buildMenu()); }

void MenuBarController::blackoutAll() { services_.displays.blackoutAll(); }

void MenuBarController::blackoutDisplay(const MenuItem& sender)
{
    if (sender.display)
        services_.displays.blackoutDisplay(*sender.display);
}

void MenuBarController::keepOnlyDisplay(const MenuItem& sender)
{
    if (sender.display)
        services_.displays.blackoutAllExcept(*sender.display);
}

void MenuBarController::wakeAll() { services_.displays.wakeAll(); }

void MenuBarController::grantPermission() { services_.permission.openAccessibilitySettings(); }

void MenuBarController::showPreferences()
{
    if (services_.showPreferences)
        services_.showPreferences();
}

void MenuBarController::quit() { services_.quit(); }

} // namespace vesperon
