#pragma once

#include "core/KeyCombo.h"
#include "core/Published.h"
#include "model/DisplayInfo.h"
#include "model/WakeKey.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vesperon {

class ScreenSource;
class SettingsStore;

// Settings keys, also the names of the properties they hold.
namespace SettingsKey {
inline constexpr const char* ignoreMouseMovement = "ignoreMouseMovement";
inline constexpr const char* wakeDelay = "wakeDelay";
inline constexpr const char* allowedWakeKeys = "allowedWakeKeys";
inline constexpr const char* blackoutAllHotkey = "blackoutAllHotkey";
inline constexpr const char* displayToggleHotkeys = "displayToggleHotkeys";
inline constexpr const char* displayKeepOnlyHotkeys = "displayKeepOnlyHotkeys";
inline constexpr const char* blackoutOpacity = "blackoutOpacity";
inline constexpr const char* wakeOnLitDisplays = "wakeOnLitDisplays";
inline constexpr const char* idleBlackoutMinutes = "idleBlackoutMinutes";
inline constexpr const char* idleBlackoutScope = "idleBlackoutScope";
} // namespace SettingsKey

// What an idle blackout darkens: every display, or all but the one the pointer rests on.
enum class IdleScope { all, allButPointer, eachDisplay };

// The stored name of a scope: "all", "allButPointer", "eachDisplay".
const char* idleScopeName(IdleScope scope);
std::optional<IdleScope> idleScopeFromName(const std::string& name);

// The one application state: which displays are blacked out, which exist, and the user's
// settings. Its commands change only its own properties; everything else observes them.
class AppState {
    // First: the properties' change handlers use it.
    SettingsStore& store_;

public:
    // Per-display hotkeys, keyed by the display identifier in decimal.
    using HotkeyMap = std::map<std::string, KeyCombo>;

    // Loads the settings from `store` and the displays from `screens`.
    AppState(SettingsStore& store, const ScreenSource& screens);
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // Emitted after every write of a hotkey setting.
    Signal<> hotkeysChanged;

    Published<bool> isBlackoutActive;
    Published<DisplaySet> blackedOutDisplays;
    Published<std::vector<DisplayInfo>> availableDisplays;
    Published<bool> ignoreMouseMovement;
    // False: only pointer input on a dark display wakes, so the lit ones can be worked on.
    Published<bool> wakeOnLitDisplays;
    Published<double> wakeDelay;
    Published<WakeKeySet> allowedWakeKeys;
    Published<std::optional<KeyCombo>> blackoutAllHotkey;
    Published<HotkeyMap> displayToggleHotkeys;
    Published<HotkeyMap> displayKeepOnlyHotkeys;
    // 1 is black; below it the monitors are dimmed, where the desktop can show that.
    Published<double> blackoutOpacity;
    // The stored opacity within the range offered (0.5 to 1); anything unreadable is black.
    double effectiveBlackoutOpacity() const;
    // Minutes without input before the displays black out by themselves; 0 is never.
    Published<int> idleBlackoutMinutes;
    Published<IdleScope> idleBlackoutScope;
    // The stored minutes within the range offered (1 to 120), or 0: off.
    int effectiveIdleBlackoutMinutes() const;
    // Not a setting: who kept the screen awake when the idle time last ran out ("" when the
    // desktop does not say who), or nothing.
    Published<std::optional<std::string>> idleHeldBy;
    // Not a setting: the displays dark by their own idleness, each on its own ("eachDisplay").
    // Input on another display leaves them dark; any command of the user's takes them over.
    Published<DisplaySet> restingDisplays;
    // Whether a blackout the user started is active, beside any displays at rest.
    bool userBlackoutActive() const;

    void blackoutAll();
    void blackoutDisplay(DisplayId id);
    void blackoutAllExcept(DisplayId id);
    void wakeDisplay(DisplayId id);
    void wakeAll();
    // A display goes dark by its own idleness, or lights again as the pointer returns.
    void rest(DisplayId id);
    void stopResting(DisplayId id);

    void setToggleHotkey(const std::optional<KeyCombo>& combo, DisplayId id);
    void setKeepOnlyHotkey(const std::optional<KeyCombo>& combo, DisplayId id);

    // The key of a display in the per-display hotkey maps: decimal, no sign, no leading zeros.
    static std::string displayKey(DisplayId id);
    // A display's combination in a per-display hotkey map, if it has one.
    static std::optional<KeyCombo> hotkeyOf(const HotkeyMap& map, DisplayId id);

private:
    bool loadBool(const char* key, bool fallback) const;
    // A finite number, else `fallback`.
    double loadNumber(const char* key, double fallback) const;
    int loadIdleBlackoutMinutes() const;
    IdleScope loadIdleBlackoutScope() const;
    WakeKeySet loadAllowedWakeKeys() const;
    std::optional<KeyCombo> loadHotkey(const std::string& key) const;
    void saveHotkey(const std::optional<KeyCombo>& combo, const std::string& key);
    HotkeyMap loadHotkeyDict(const std::string& key) const;
    void saveHotkeyDict(const HotkeyMap& map, const std::string& key);
    void saveAllowedWakeKeys(const WakeKeySet& keys);

    static void setHotkey(Published<HotkeyMap>& map, const std::optional<KeyCombo>& combo, DisplayId id);
};

} // namespace vesperon
