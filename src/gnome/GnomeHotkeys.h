#pragma once

#include "core/Subscription.h"
#include "platform/HotkeyService.h"

#include <map>
#include <string>

namespace vesperon {

class GnomeShellExtension;

// Hotkeys bound by GNOME Shell's window manager on the extension's word: they work whatever window
// has focus, in the Overview and over the black actors. A combination the shell or another
// program has is refused.
class GnomeHotkeys : public HotkeyService {
public:
    explicit GnomeHotkeys(GnomeShellExtension& extension);

    void setHandler(Handler handler) override { handler_ = std::move(handler); }
    std::optional<HotkeyHandle> registerHotkey(
        const KeyCombo& combo, std::uint32_t id, const HotkeyLabel& label) override;
    void unregisterHotkey(HotkeyHandle handle) override;
    // Vesperon's own input watch sees no keys in other windows here: the shell binds this too.
    std::optional<KeyCombo> safetyWakeHotkey() const override { return KeyCombo::safetyWake; }

private:
    struct Registration {
        std::string accelerator;
        std::uint32_t id;
        std::uint32_t action; // the shell's number for it; 0 while the shell does not grant it
    };

    GnomeShellExtension& extension_;
    Handler handler_;
    std::map<HotkeyHandle, Registration> registrations_;
    HotkeyHandle nextHandle_ = 1;
    Subscription pressed_;
    Subscription returned_;
};

} // namespace vesperon
