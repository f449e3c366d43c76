#pragma once

#include "core/KeyCombo.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vesperon {

using HotkeyHandle = std::uint64_t;

// How a desktop that lists the programs' shortcuts (KDE's settings) shows a hotkey: a name that
// stays the same from run to run, and a title.
struct HotkeyLabel {
    std::string name;
    std::string title;
};

// System-wide hotkeys that work whatever application is in front.
class HotkeyService {
public:
    // Gets the id a hotkey was registered with; answers whether it was one of the handler's.
    using Handler = std::function<bool(std::uint32_t id)>;

    virtual ~HotkeyService() = default;

    // Presses of registered hotkeys reach the handler on the main thread; an empty handler removes it.
    virtual void setHandler(Handler handler) = 0;

    // Gets a registered hotkey's id and the combination the user gave it in the desktop's own
    // shortcut settings (nothing: the user removed it there).
    using ChangeHandler = std::function<void(std::uint32_t id, std::optional<KeyCombo> combo)>;
    // Only where the desktop lets the user change programs' shortcuts (KDE).
    virtual void setChangeHandler(ChangeHandler) {}

    // Nothing when the combination cannot be had (another program holds it, or the key or a
    // modifier cannot be expressed); nothing is left half-registered then.
    virtual std::optional<HotkeyHandle> registerHotkey(
        const KeyCombo& combo, std::uint32_t id, const HotkeyLabel& label)
        = 0;
    virtual void unregisterHotkey(HotkeyHandle handle) = 0;

    // False where no program may grab keys (Wayland): the desktop binds them itself, to commands
    // such as `vesperon --toggle`, and every registration is refused.
    virtual bool grabsKeys() const { return true; }
    // Whether the user should bind the hotkeys in the desktop's own settings: where no program may
    // grab keys, and where grabs see only some windows' keys (X11 through XWayland).
    virtual bool desktopBindsKeys() const { return !grabsKeys(); }

    // Where the desktop keeps Control+Super+Escape for itself before Vesperon can see it (KWin:
    // Kill Window): another combination, registered like a hotkey, that wakes every display.
    virtual std::optional<KeyCombo> safetyWakeHotkey() const { return std::nullopt; }
};

} // namespace vesperon
