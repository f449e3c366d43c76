#include "app/MenuBarController.h"

#include "display/DisplayManager.h"
#include "input/PermissionManager.h"
#include "model/AppState.h"
#include "platform/RunLoop.h"
#include "platform/Weak.h"

namespace vesperon {

namespace {

constexpr const char* accessibilityDescription = "Vesperon";

MenuItem item(std::string title, MenuItem::Action action)
{
    MenuItem entry;
    entry.title = std::move(title);
    entry.action = std::move(action);
    return entry;
}

} // namespace

MenuBarController::MenuBarController(Services services) : services_(std::move(services)) {}

std::shared_ptr<MenuBarController> MenuBarController::create(Services services)
{
    std::shared_ptr<MenuBarController> controller(new MenuBarController(std::move(services)));
    controller->setupStatusItem();
    controller->services_.runLoop.async(weakly(controller, [](MenuBarController& c) { c.setupObservers(); }));
    return controller;
}

void MenuBarController::setupStatusItem()
{
    statusItem_ = services_.statusBar.createStatusItem();
    if (statusItem_) {
        statusItem_->setImage("display", accessibilityDescription);
        // Built afresh whenever it opens, so checkmarks and "Wake All Displays" are never stale.
        statusItem_->setMenuWillOpenHandler(weakly(shared_from_this(), [](MenuBarController& c) { c.updateMenu(); }));
    }
    updateMenu();
}

void MenuBarController::setupObservers()
{
    AppState& state = services_.appState();
    RunLoop& loop = services_.runLoop;
    const auto self = shared_from_this();
    cancellables_.push_back(state.isBlackoutActive.subscribeOnMainQueue(
        loop, weakly(self, [](MenuBarController& c, bool active) { c.updateIcon(active); })));
    cancellables_.push_back(state.availableDisplays.subscribeOnMainQueue(
        loop, weakly(self, [](MenuBarController& c, const auto&) { c.updateMenu(); })));
    cancellables_.push_back(services_.permissionManager().hasAccessibilityPermission.subscribeOnMainQueue(
        loop, weakly(self, [](MenuBarController& c, bool) { c.updateMenu(); })));
}

void MenuBarController::updateIcon(bool isActive)
{
    if (statusItem_)
        statusItem_->setImage(isActive ? "display.trianglebadge.exclamationmark" : "display", accessibilityDescription);
}

MenuItem::Action MenuBarController::action(void (MenuBarController::*method)())
{
    return [weakSelf = weak_from_this(), method](const MenuItem&) {
        if (auto self = weakSelf.lock())
            ((*self).*method)();
    };
}

MenuItem::Action MenuBarController::action(void (MenuBarController::*method)(const MenuItem&))
{
    return [weakSelf = weak_from_this(), method](const MenuItem& sender) {
        if (auto self = weakSelf.lock())
            ((*self).*method)(sender);
    };
}

Menu MenuBarController::buildMenu()
{
    // The permission manager is reached first: at launch this creates it before AppState.
    const bool permitted = services_.permissionManager().hasAccessibilityPermission.get();
    const AppState& state = services_.appState();
    const auto& displays = state.availableDisplays.get();

    Menu menu;
    if (!permitted) {
        MenuItem warning = item("Accessibility Permission Required", nullptr);
        warning.image = "exclamationmark.triangle";
        menu.push_back(std::move(warning));
        menu.push_back(item("Grant Permission...", action(&MenuBarController::openAccessibilitySettings)));
        menu.push_back(MenuItem::separator());
    }

    MenuItem all = item("Blackout All", action(&MenuBarController::blackoutAll));
    all.shortcutHint = "Shift+Super+D";
    all.enabled = permitted;
    menu.push_back(std::move(all));
    menu.push_back(MenuItem::separator());

    MenuItem blackoutDisplay = item("Blackout Display", nullptr);
    MenuItem keepOnly = item("Keep Only This Display", nullptr);
    blackoutDisplay.submenu.emplace();
    keepOnly.submenu.emplace();
    for (const DisplayInfo& display : displays) {
        MenuItem dark = item(display.displayName(), action(&MenuBarController::blackoutDisplay));
        dark.representedObject = display.id;
        dark.enabled = permitted;
        dark.checked = state.blackedOutDisplays.get().contains(display.id);
        blackoutDisplay.submenu->push_back(std::move(dark));

        MenuItem only = item(display.displayName(), action(&MenuBarController::keepOnlyDisplay));
        only.representedObject = display.id;
        only.enabled = permitted && displays.size() >= 2;
        keepOnly.submenu->push_back(std::move(only));
    }
    menu.push_back(std::move(blackoutDisplay));
    menu.push_back(std::move(keepOnly));
    menu.push_back(MenuItem::separator());

    MenuItem wake = item("Wake All Displays", action(&MenuBarController::wakeAll));
    wake.enabled = state.isBlackoutActive.get();
    menu.push_back(std::move(wake));
    menu.push_back(MenuItem::separator());

    MenuItem preferences = item("Preferences...", action(&MenuBarController::showPreferences));
    preferences.shortcutHint = "Super+,";
    menu.push_back(std::move(preferences));
    menu.push_back(MenuItem::separator());

    MenuItem quitItem = item("Quit Vesperon", action(&MenuBarController::quit));
    quitItem.shortcutHint = "Super+Q";
    menu.push_back(std::move(quitItem));
    return menu;
}

void MenuBarController::updateMenu()
{
    Menu menu = buildMenu();
    if (statusItem_)
        statusItem_->setMenu(menu);
}

void MenuBarController::blackoutAll()
{
    services_.displayManager().blackoutAll();
}

void MenuBarController::blackoutDisplay(const MenuItem& sender)
{
    if (sender.representedObject)
        services_.displayManager().blackoutDisplay(*sender.representedObject);
}

void MenuBarController::keepOnlyDisplay(const MenuItem& sender)
{
    if (sender.representedObject)
        services_.displayManager().blackoutAllExcept(*sender.representedObject);
}

void MenuBarController::wakeAll()
{
    services_.displayManager().wakeAll();
}

void MenuBarController::openAccessibilitySettings()
{
    services_.permissionManager().openAccessibilitySettings();
}

void MenuBarController::showPreferences()
{
    if (services_.showPreferences)
        services_.showPreferences();
}

void MenuBarController::quit()
{
    services_.terminate();
}

} // namespace vesperon
