#include "model/AppState.h"

#include "platform/SettingsStore.h"

#include <algorithm>

namespace vesperon {

namespace {

DisplaySet idsOf(const std::vector<DisplayInfo>& displays)
{
    DisplaySet ids;
    for (const DisplayInfo& display : displays)
        ids.insert(display.id);
    return ids;
}

} // namespace

AppState::AppState(SettingsStore& store, const ScreenSource& screens)
    : store_(store)
    , isBlackoutActive(false)
    , blackedOutDisplays({})
    , availableDisplays({})
    , ignoreMouseMovement(loadBool(SettingsKey::ignoreMouseMovement, true),
          [this](bool value) { store_.setBool(SettingsKey::ignoreMouseMovement, value); })
    , wakeOnLitDisplays(loadBool(SettingsKey::wakeOnLitDisplays, true),
          [this](bool value) { store_.setBool(SettingsKey::wakeOnLitDisplays, value); })
    , wakeDelay(loadNumber(SettingsKey::wakeDelay, 0.0),
          [this](double value) { store_.setDouble(SettingsKey::wakeDelay, value); })
    , allowedWakeKeys(loadAllowedWakeKeys(), [this](const WakeKeySet& value) { saveAllowedWakeKeys(value); })
    , blackoutAllHotkey(std::nullopt,
          [this](const std::optional<KeyCombo>& value) {
              saveHotkey(value, SettingsKey::blackoutAllHotkey);
              hotkeysChanged.emit();
          })
    , displayToggleHotkeys({},
          [this](const HotkeyMap& value) {
              saveHotkeyDict(value, SettingsKey::displayToggleHotkeys);
              hotkeysChanged.emit();
          })
    , displayKeepOnlyHotkeys({},
          [this](const HotkeyMap& value) {
              saveHotkeyDict(value, SettingsKey::displayKeepOnlyHotkeys);
              hotkeysChanged.emit();
          })
    , blackoutOpacity(loadNumber(SettingsKey::blackoutOpacity, 1.0),
          [this](double value) { store_.setDouble(SettingsKey::blackoutOpacity, value); })
    , idleBlackoutMinutes(
          loadIdleBlackoutMinutes(), [this](int value) { store_.setObject(SettingsKey::idleBlackoutMinutes, value); })
    , idleBlackoutScope(loadIdleBlackoutScope(),
          [this](IdleScope value) { store_.setObject(SettingsKey::idleBlackoutScope, idleScopeName(value)); })
    , idleHeldBy(std::nullopt)
    , restingDisplays(DisplaySet{})
{
    // Assigned through the properties: each is written back, which normalises the store.
    blackoutAllHotkey.set(loadHotkey(SettingsKey::blackoutAllHotkey));
    displayToggleHotkeys.set(loadHotkeyDict(SettingsKey::displayToggleHotkeys));
    displayKeepOnlyHotkeys.set(loadHotkeyDict(SettingsKey::displayKeepOnlyHotkeys));
    availableDisplays.set(DisplayInfo::getAllDisplays(screens));
}

void AppState::blackoutAll()
{
    restingDisplays.set({});
    blackedOutDisplays.set(idsOf(availableDisplays.get()));
    isBlackoutActive.set(!blackedOutDisplays.get().empty());
}

// A command for a monitor that is not connected (a hotkey kept from another day) does nothing.
void AppState::blackoutDisplay(DisplayId id)
{
    if (!idsOf(availableDisplays.get()).contains(id))
        return;
    restingDisplays.set({});
    blackedOutDisplays.modify([id](DisplaySet& set) { set.insert(id); });
    isBlackoutActive.set(!blackedOutDisplays.get().empty());
}

void AppState::blackoutAllExcept(DisplayId id)
{
    if (!idsOf(availableDisplays.get()).contains(id))
        return;
    restingDisplays.set({});
    DisplaySet others = idsOf(availableDisplays.get());
    others.erase(id);
    blackedOutDisplays.set(std::move(others));
    isBlackoutActive.set(!blackedOutDisplays.get().empty());
}

void AppState::wakeDisplay(DisplayId id)
{
    restingDisplays.set({});
    blackedOutDisplays.modify([id](DisplaySet& set) { set.erase(id); });
    isBlackoutActive.set(!blackedOutDisplays.get().empty());
}

void AppState::wakeAll()
{
    restingDisplays.set({});
    blackedOutDisplays.set({});
    isBlackoutActive.set(false);
}

void AppState::rest(DisplayId id)
{
    if (!idsOf(availableDisplays.get()).contains(id) || blackedOutDisplays.get().contains(id))
        return;
    restingDisplays.modify([id](DisplaySet& set) { set.insert(id); });
    blackedOutDisplays.modify([id](DisplaySet& set) { set.insert(id); });
    isBlackoutActive.set(true);
}

void AppState::stopResting(DisplayId id)
{
    if (!restingDisplays.get().contains(id))
        return;
    restingDisplays.modify([id](DisplaySet& set) { set.erase(id); });
    blackedOutDisplays.modify([id](DisplaySet& set) { set.erase(id); });
    isBlackoutActive.set(!blackedOutDisplays.get().empty());
}

bool AppState::userBlackoutActive() const
{
    return std::ranges::any_of(
        blackedOutDisplays.get(), [this](DisplayId id) { return !restingDisplays.get().contains(id); });
}

void AppState::setToggleHotkey(const std::optional<KeyCombo>& combo, DisplayId id)
{
    setHotkey(displayToggleHotkeys, combo, id);
}

void AppState::setKeepOnlyHotkey(const std::optional<KeyCombo>& combo, DisplayId id)
{
    setHotkey(displayKeepOnlyHotkeys, combo, id);
}

void AppState::setHotkey(Published<HotkeyMap>& property, const std::optional<KeyCombo>& combo, DisplayId id)
{
    HotkeyMap map = property.get();
    if (combo)
        map.insert_or_assign(displayKey(id), *combo);
    else
        map.erase(displayKey(id));
    property.set(std::move(map));
}

std::optional<KeyCombo> AppState::hotkeyOf(const HotkeyMap& map, DisplayId id)
{
    const auto it = map.find(displayKey(id));
    return it != map.end() ? std::optional(it->second) : std::nullopt;
}

std::string AppState::displayKey(DisplayId id) { return std::to_string(id); }

} // namespace vesperon
