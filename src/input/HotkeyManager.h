#pragma once

#include "input/HotkeyAction.h"
#include "model/KeyCombo.h"
#include "platform/HotkeyService.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

namespace vesperon {

class AppState;
class DisplayManager;
class RunLoop;

// Turns the hotkey settings into system-wide hotkeys, and a press of one into a blackout command
// on a later run-loop turn.
class HotkeyManager : public std::enable_shared_from_this<HotkeyManager> {
public:
    // "VSPN": the character codes of V, S, P, N, the first in the most significant byte.
    static constexpr std::uint32_t signature = 0x5653504E;

    struct Services {
        AppState& appState;
        RunLoop& runLoop;
        HotkeyService& hotkeys;
        // The display manager, created on first use.
        std::function<DisplayManager&()> displayManager;
    };

    static std::shared_ptr<HotkeyManager> create(Services services);
    static HotkeyManager& shared();
    ~HotkeyManager();

    void installEventHandler();
    // Replaces every registration by the current settings; ids start again at 1. While suspended
    // it only unregisters.
    void registerAllHotkeys();
    void unregisterAllHotkeys();

    // The body of the installed handler: schedules the hotkey's action and answers whether the id
    // was one of ours.
    bool handleHotkey(const HotkeyIdentity& identity);

    // While a key recorder records, Vesperon's own hotkeys must not swallow the keys it waits for:
    // suspending releases them all, resuming registers them again from the current settings.
    void setSuspended(bool suspended);
    bool isSuspended() const { return suspended_; }

    // A per-display key as a display identifier: decimal digits, optionally after "+"; "-" only
    // before digits that are all zero. Nothing for anything else or a value over 32 bits.
    static std::optional<DisplayId> parseDisplayKey(std::string_view key);

    const std::map<std::uint32_t, HotkeyHandle>& hotkeyRefs() const { return hotkeyRefs_; }
    const std::map<std::uint32_t, HotkeyAction>& hotkeyActions() const { return hotkeyActions_; }
    std::uint32_t nextHotkeyId() const { return nextHotkeyId_; }
    bool isEventHandlerInstalled() const { return eventHandlerInstalled_; }

private:
    explicit HotkeyManager(Services services);
    void registerHotkey(const KeyCombo& combo, const HotkeyAction& action);
    void perform(const HotkeyAction& action);

    Services services_;
    std::map<std::uint32_t, HotkeyHandle> hotkeyRefs_;
    std::map<std::uint32_t, HotkeyAction> hotkeyActions_;
    bool eventHandlerInstalled_ = false;
    std::uint32_t nextHotkeyId_ = 1;
    bool suspended_ = false;
};

} // namespace vesperon
