#pragma once

#include "platform/HotkeyService.h"

#include <map>
#include <memory>
#include <set>

#include <xcb/xcb.h>

namespace vesperon {

class XcbConnection;

// Global hotkeys with XGrabKey on the root window, on a connection of their own. Each combination is
// grabbed with every Caps Lock / Num Lock variant so that it works with either lock on; a
// combination another client holds already is refused, and nothing is left half-grabbed. A held
// key's auto-repeat does not fire the hotkey again. When the keymap changes (another layout,
// xmodmap, a keyboard plugged in) the lock modifiers are looked up again, and if Num Lock moved
// to another modifier every combination is grabbed with the new variants.
class X11HotkeyService : public HotkeyService {
public:
    // Inert (every registration refused) when `connection` is null. `throughXWayland`: the server
    // sees only the keys pressed in X11 windows.
    explicit X11HotkeyService(std::unique_ptr<XcbConnection> connection, bool throughXWayland = false);
    ~X11HotkeyService() override;

    void setHandler(Handler handler) override { handler_ = std::move(handler); }
    bool desktopBindsKeys() const override { return throughXWayland_; }
    std::optional<HotkeyHandle> registerHotkey(const KeyCombo& combo, std::uint32_t id, const HotkeyLabel&) override;
    void unregisterHotkey(HotkeyHandle handle) override;

private:
    struct Grab {
        xcb_keycode_t keyCode;
        std::uint16_t modifiers;
        std::uint32_t id;
    };

    void handle(const xcb_generic_event_t& event);
    void ungrab(const Grab& grab);
    void keymapChanged();
    std::uint16_t lockVariants(std::size_t index) const;

    std::unique_ptr<XcbConnection> connection_;
    bool throughXWayland_;
    Handler handler_;
    std::map<HotkeyHandle, Grab> grabs_;
    HotkeyHandle nextHandle_ = 1;
    std::uint16_t numLock_ = 0;
    std::uint8_t xkbFirstEvent_ = 0;
    std::set<xcb_keycode_t> held_;
};

} // namespace vesperon
