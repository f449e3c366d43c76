#include "input/HotkeyManager.h"

#include "core/RunLoop.h"
#include "core/Translation.h"
#include "display/DisplayManager.h"
#include "model/AppState.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace vesperon {

HotkeyManager::HotkeyManager(const Services& services) : services_(services) {}

HotkeyManager::~HotkeyManager()
{
    unregisterAllHotkeys();
    if (eventHandlerInstalled_) {
        services_.hotkeys.setHandler(nullptr);
        services_.hotkeys.setChangeHandler(nullptr);
    }
}

void HotkeyManager::installEventHandler()
{
    if (eventHandlerInstalled_)
        return;
    // Both handlers are taken back in the destructor.
    services_.hotkeys.setHandler([this](std::uint32_t id) { return handleHotkey(id); });
    // A change made in the desktop's settings is stored like one made in the preferences, a turn
    // later: storing registers every hotkey again.
    services_.hotkeys.setChangeHandler(
        [this](std::uint32_t id, std::optional<KeyCombo> combo) { changedByDesktop(id, combo); });
    eventHandlerInstalled_ = true;
}

void HotkeyManager::registerAllHotkeys()
{
    unregisterAllHotkeys();
    if (suspended_)
        return; // what was refused stays shown as refused while a recorder records
    refused_.clear();
    const AppState& state = services_.appState;
    const auto add = [this](const KeyCombo& combo, const HotkeyAction& action) {
        if (!registerHotkey(combo, action))
            refused_.emplace_back(combo, action);
    };
    add(state.blackoutAllHotkey.get().value_or(KeyCombo::defaultBlackoutAll), HotkeyAction::blackoutAll());
    for (const auto& [key, combo] : state.displayToggleHotkeys.get()) {
        if (auto id = parseDisplayKey(key))
            add(combo, HotkeyAction::toggleDisplay(*id));
    }
    for (const auto& [key, combo] : state.displayKeepOnlyHotkeys.get()) {
        if (auto id = parseDisplayKey(key))
            add(combo, HotkeyAction::keepOnlyDisplay(*id));
    }
    if (const auto safety = services_.hotkeys.safetyWakeHotkey())
        add(*safety, HotkeyAction::safetyWake());
    publishRefused();
}

void HotkeyManager::retryRefused()
{
    if (suspended_ || refused_.empty() || !grabsKeys())
        return;
    std::erase_if(refused_, [this](const auto& entry) { return registerHotkey(entry.first, entry.second); });
    publishRefused();
}

std::optional<KeyCombo> HotkeyManager::workingBlackoutAllHotkey() const
{
    const KeyCombo hotkey = services_.appState.blackoutAllHotkey.get().value_or(KeyCombo::defaultBlackoutAll);
    return refusedHotkeys.get().contains(hotkey) ? std::nullopt : std::optional(hotkey);
}

// A combination Vesperon holds for another action is not taken by another program.
void HotkeyManager::publishRefused()
{
    std::set<KeyCombo> refused;
    for (const auto& [combo, action] : refused_) {
        if (std::ranges::none_of(hotkeyCombos_, [&](const auto& held) { return held.second == combo; }))
            refused.insert(combo);
    }
    if (refused != refusedHotkeys.get())
        refusedHotkeys.set(std::move(refused));
    if (refused_.empty() && retryTimer_) {
        std::exchange(retryTimer_, nullptr)->stop();
    } else if (!refused_.empty() && !retryTimer_ && grabsKeys()) {
        retryTimer_ = services_.runLoop.startTimer(10, true, lifetime_.guard([this]() { retryRefused(); }));
    }
}

void HotkeyManager::setSuspended(bool suspended)
{
    if (suspended == suspended_)
        return;
    suspended_ = suspended;
    registerAllHotkeys();
}

bool HotkeyManager::registerHotkey(const KeyCombo& combo, const HotkeyAction& action)
{
    const std::uint32_t id = nextHotkeyId_++; // used up even when the registration is refused
    auto handle = services_.hotkeys.registerHotkey(combo, id, label(action));
    if (!handle)
        return false;
    hotkeyRefs_[id] = *handle;
    hotkeyActions_[id] = action;
    hotkeyCombos_[id] = combo;
    return true;
}

HotkeyLabel HotkeyManager::label(const HotkeyAction& action) const
{
    if (action.kind == HotkeyAction::Kind::blackoutAll)
        //: a hotkey's name in the desktop's shortcut settings
        return {"blackout-all", translated("Hotkeys", "Blackout All")};
    if (action.kind == HotkeyAction::Kind::safetyWake)
        //: a hotkey's name in the desktop's shortcut settings: Control+Super+Escape, which always wakes
        return {"safety-wake", translated("Hotkeys", "Wake All Displays (Safety)")};
    const auto& displays = services_.appState.availableDisplays.get();
    const auto display = std::ranges::find(displays, action.display, &DisplayInfo::id);
    DisplayInfo unknown; // named "Display <id>"
    unknown.id = action.display;
    const std::string name = (display != displays.end() ? *display : unknown).displayName();
    if (action.kind == HotkeyAction::Kind::toggleDisplay)
        //: a hotkey's name in the desktop's shortcut settings; %1 is a display's name
        return {"toggle-display-" + std::to_string(action.display),
            substitute(translated("Hotkeys", "Blackout or Wake %1"), {name})};
    //: a hotkey's name in the desktop's shortcut settings; %1 is a display's name
    return {"keep-only-display-" + std::to_string(action.display),
        substitute(translated("Hotkeys", "Keep Only %1"), {name})};
}

void HotkeyManager::unregisterAllHotkeys()
{
    for (const auto& [id, handle] : hotkeyRefs_)
        services_.hotkeys.unregisterHotkey(handle);
    hotkeyRefs_.clear();
    hotkeyActions_.clear();
    hotkeyCombos_.clear();
    nextHotkeyId_ = 1;
    if (retryTimer_) // nothing is retried until the next registration
        std::exchange(retryTimer_, nullptr)->stop();
}

bool HotkeyManager::handleHotkey(std::uint32_t id)
{
    auto it = hotkeyActions_.find(id);
    if (it == hotkeyActions_.end())
        return false;
    services_.runLoop.post(lifetime_.guard([this, action = it->second]() { perform(action); }));
    return true;
}

void HotkeyManager::perform(const HotkeyAction& action)
{
    DisplayManager& displays = services_.displayManager;
    switch (action.kind) {
    case HotkeyAction::Kind::blackoutAll:
        displays.toggleBlackout();
        break;
    case HotkeyAction::Kind::toggleDisplay:
        displays.toggleDisplay(action.display);
        break;
    case HotkeyAction::Kind::keepOnlyDisplay:
        displays.blackoutAllExcept(action.display);
        break;
    case HotkeyAction::Kind::safetyWake:
        displays.wakeAll();
        break;
    }
}

void HotkeyManager::changedByDesktop(std::uint32_t id, const std::optional<KeyCombo>& combo)
{
    const auto it = hotkeyActions_.find(id);
    if (it == hotkeyActions_.end())
        return;
    services_.runLoop.post(lifetime_.guard([this, action = it->second, combo]() { store(action, combo); }));
}

// A blackout-all hotkey removed in the desktop's settings comes back as the default: there must
// be one.
void HotkeyManager::store(const HotkeyAction& action, const std::optional<KeyCombo>& combo)
{
    AppState& state = services_.appState;
    switch (action.kind) {
    case HotkeyAction::Kind::blackoutAll:
        state.blackoutAllHotkey.set(combo);
        break;
    case HotkeyAction::Kind::toggleDisplay:
        state.setToggleHotkey(combo, action.display);
        break;
    case HotkeyAction::Kind::keepOnlyDisplay:
        state.setKeepOnlyHotkey(combo, action.display);
        break;
    case HotkeyAction::Kind::safetyWake:
        break; // not a setting: the desktop keeps the change until Vesperon starts again
    }
}

KeyCombo HotkeyManager::safetyWakeHotkey() const
{
    return services_.hotkeys.safetyWakeHotkey().value_or(KeyCombo::safetyWake);
}

std::optional<DisplayId> HotkeyManager::parseDisplayKey(std::string_view key)
{
    bool negative = false;
    if (!key.empty() && (key.front() == '+' || key.front() == '-')) {
        negative = key.front() == '-';
        key.remove_prefix(1);
    }
    if (key.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : key) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > std::numeric_limits<DisplayId>::max())
            return std::nullopt;
    }
    if (negative && value != 0)
        return std::nullopt;
    return static_cast<DisplayId>(value);
}

bool HotkeyManager::grabsKeys() const { return services_.hotkeys.grabsKeys(); }

bool HotkeyManager::desktopBindsKeys() const { return services_.hotkeys.desktopBindsKeys(); }

} // namespace vesperon
