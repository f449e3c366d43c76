#pragma once

#include "core/KeyCombo.h"
#include "core/Lifetime.h"
#include "core/Published.h"
#include "model/HotkeyAction.h"
#include "platform/HotkeyService.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

namespace vesperon {

class AppState;
class DisplayManager;
class RunLoop;
class Timer;

// Turns the hotkey settings into system-wide hotkeys, and a press of one into a blackout command
// on a later run-loop turn.
class HotkeyManager {
public:
    struct Services {
        AppState& appState;
        RunLoop& runLoop;
        HotkeyService& hotkeys;
        DisplayManager& displayManager;
    };

    explicit HotkeyManager(const Services& services);
    ~HotkeyManager();

    void installEventHandler();
    // Replaces every registration by the current settings; ids start again at 1. While suspended
    // it only unregisters.
    void registerAllHotkeys();
    void unregisterAllHotkeys();

    // The body of the installed handler: schedules the hotkey's action and answers whether the id
    // was one of ours.
    bool handleHotkey(std::uint32_t id);

    // While a key recorder records, Vesperon's own hotkeys must not swallow the keys it waits for:
    // suspending releases them all, resuming registers them again from the current settings.
    void setSuspended(bool suspended);
    bool isSuspended() const { return suspended_; }
    bool grabsKeys() const;
    bool desktopBindsKeys() const;

    // Combinations the desktop refused because another program holds them; a row, the menu and the
    // recorder show them as taken.
    Published<std::set<KeyCombo>> refusedHotkeys{{}};
    // Tries the refused ones again: when the user opens the menu or the preferences, and every
    // 10 s while any is refused. One grab attempt each: cheap.
    void retryRefused();
    // The blackout-all hotkey in force (the default when none is set), unless another program
    // holds it: what the menu and the messages may promise.
    std::optional<KeyCombo> workingBlackoutAllHotkey() const;

    // A per-display key as a display identifier: decimal digits, optionally after "+"; "-" only
    // before digits that are all zero. Nothing for anything else or a value over 32 bits.
    static std::optional<DisplayId> parseDisplayKey(std::string_view key);

    // The combination that always wakes at once on this desktop.
    KeyCombo safetyWakeHotkey() const;

    // The registered hotkeys' actions by id.
    const std::map<std::uint32_t, HotkeyAction>& hotkeyActions() const { return hotkeyActions_; }

    // How a desktop that lists programs' shortcuts names `action`: a name that stays the same from
    // run to run, and a title.
    HotkeyLabel label(const HotkeyAction& action) const;

private:
    bool registerHotkey(const KeyCombo& combo, const HotkeyAction& action);
    void perform(const HotkeyAction& action);
    void changedByDesktop(std::uint32_t id, const std::optional<KeyCombo>& combo);
    void store(const HotkeyAction& action, const std::optional<KeyCombo>& combo);
    void publishRefused();

    Services services_;
    std::map<std::uint32_t, HotkeyHandle> hotkeyRefs_;
    std::map<std::uint32_t, HotkeyAction> hotkeyActions_;
    std::map<std::uint32_t, KeyCombo> hotkeyCombos_;
    std::vector<std::pair<KeyCombo, HotkeyAction>> refused_;
    std::shared_ptr<Timer> retryTimer_;
    bool eventHandlerInstalled_ = false;
    std::uint32_t nextHotkeyId_ = 1;
    bool suspended_ = false;
    Lifetime lifetime_;
};

} // namespace vesperon
