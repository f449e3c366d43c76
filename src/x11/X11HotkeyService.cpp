#include "x11/X11HotkeyService.h"

#include "core/KeyCombo.h"
#include "desktop/KeyCodeTable.h"
#include "x11/XcbConnection.h"

#include <array>
#include <cstdlib>

#include "x11/XcbXkb.h"

namespace vesperon {

namespace {

constexpr std::uint16_t relevantModifiers = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

// KeyCombo bits to X modifiers; nothing when a bit has no X counterpart.
std::optional<std::uint16_t> x11Modifiers(std::uint32_t mask)
{
    constexpr std::uint32_t known
        = ModifierMask::super | ModifierMask::shift | ModifierMask::alt | ModifierMask::control;
    if (mask & ~known)
        return std::nullopt;
    std::uint16_t x = 0;
    if (mask & ModifierMask::shift)
        x |= XCB_MOD_MASK_SHIFT;
    if (mask & ModifierMask::control)
        x |= XCB_MOD_MASK_CONTROL;
    if (mask & ModifierMask::alt)
        x |= XCB_MOD_MASK_1;
    if (mask & ModifierMask::super)
        x |= XCB_MOD_MASK_4;
    return x;
}

// The modifier that Num Lock sets: the one whose keys include a key producing the Num_Lock keysym.
std::uint16_t findNumLockMask(xcb_connection_t* c)
{
    constexpr xcb_keysym_t numLockSym = 0xff7f;
    const xcb_setup_t* setup = xcb_get_setup(c);
    const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    auto* keyboard = xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, count), nullptr);
    auto* modmap = xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr);
    std::uint16_t mask = XCB_MOD_MASK_2; // where Num Lock sits in practice, should the lookup fail
    if (keyboard && modmap) {
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(keyboard);
        const int perKey = keyboard->keysyms_per_keycode;
        const xcb_keycode_t* modKeys = xcb_get_modifier_mapping_keycodes(modmap);
        const int perModifier = modmap->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8; ++modifier) {
            for (int k = 0; k < perModifier; ++k) {
                const xcb_keycode_t key = modKeys[modifier * perModifier + k];
                if (key < setup->min_keycode || key > setup->max_keycode)
                    continue;
                const int row = (key - setup->min_keycode) * perKey;
                for (int s = 0; s < perKey; ++s) {
                    if (syms[row + s] == numLockSym)
                        mask = static_cast<std::uint16_t>(1u << modifier);
                }
            }
        }
    }
    std::free(keyboard);
    std::free(modmap);
    return mask;
}

} // namespace

X11HotkeyService::X11HotkeyService(std::unique_ptr<XcbConnection> connection, bool throughXWayland)
    : connection_(std::move(connection))
    , throughXWayland_(throughXWayland)
{
    if (!connection_)
        return;
    xcb_connection_t* c = connection_->get();
    numLock_ = findNumLockMask(c);
    // With detectable auto-repeat a held key sends presses but only one release, so a repeat can be
    // told apart from a new press.
    std::free(xcb_xkb_use_extension_reply(
        c, xcb_xkb_use_extension(c, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr));
    // A client that uses XKB is told of keymap changes by XKB's own events, not MappingNotify.
    if (const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(c, &xcb_xkb_id); xkb && xkb->present) {
        xkbFirstEvent_ = xkb->first_event;
        constexpr std::uint16_t events = XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY;
        constexpr std::uint16_t parts
            = XCB_XKB_MAP_PART_KEY_SYMS | XCB_XKB_MAP_PART_MODIFIER_MAP | XCB_XKB_MAP_PART_VIRTUAL_MODS;
        xcb_xkb_select_events(c, XCB_XKB_ID_USE_CORE_KBD, events, 0, events, parts, parts, nullptr);
    }
    std::free(xcb_xkb_per_client_flags_reply(c,
        xcb_xkb_per_client_flags(c, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT,
            XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT, 0, 0, 0),
        nullptr));
    connection_->addReader([this](const xcb_generic_event_t& event) { handle(event); });
}

X11HotkeyService::~X11HotkeyService()
{
    for (const auto& [handle, grab] : grabs_)
        ungrab(grab);
    if (connection_)
        connection_->flush();
}

std::uint16_t X11HotkeyService::lockVariants(std::size_t index) const
{
    const std::array<std::uint16_t, 4> variants{
        0, XCB_MOD_MASK_LOCK, numLock_, static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLock_)};
    return variants[index];
}

std::optional<HotkeyHandle> X11HotkeyService::registerHotkey(
    const KeyCombo& combo, std::uint32_t id, const HotkeyLabel&)
{
    if (!connection_)
        return std::nullopt;
    const auto key = KeyCodeTable::toX11(combo.keyCode);
    const auto mods = x11Modifiers(combo.modifiers);
    if (!key || !mods)
        return std::nullopt;
    for (const auto& [handle, grab] : grabs_) {
        if (grab.keyCode == *key && grab.modifiers == *mods)
            return std::nullopt; // one combination, one hotkey
    }

    xcb_connection_t* c = connection_->get();
    std::array<xcb_void_cookie_t, 4> cookies{};
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        cookies[i] = xcb_grab_key_checked(c, 0, connection_->root(),
            static_cast<std::uint16_t>(*mods | lockVariants(i)), *key, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    }
    bool refused = false;
    for (xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
            refused = true; // BadAccess: another client holds it
            std::free(error);
        }
    }
    const Grab grab{*key, *mods, id};
    if (refused) {
        ungrab(grab); // releases only the variants we did get
        connection_->flush();
        return std::nullopt;
    }
    const HotkeyHandle handle = nextHandle_++;
    grabs_.emplace(handle, grab);
    return handle;
}

void X11HotkeyService::unregisterHotkey(HotkeyHandle handle)
{
    auto it = grabs_.find(handle);
    if (it == grabs_.end())
        return;
    ungrab(it->second);
    held_.erase(it->second.keyCode); // its release may never reach us now
    grabs_.erase(it);
    connection_->flush();
}

void X11HotkeyService::ungrab(const Grab& grab)
{
    for (std::size_t i = 0; i < 4; ++i)
        xcb_ungrab_key(connection_->get(), grab.keyCode, connection_->root(),
            static_cast<std::uint16_t>(grab.modifiers | lockVariants(i)));
}

void X11HotkeyService::keymapChanged()
{
    // Sent also whenever input switches to another keyboard device: only a Num Lock that moved to
    // another modifier needs new grabs.
    xcb_connection_t* c = connection_->get();
    const std::uint16_t numLock = findNumLockMask(c);
    if (numLock == numLock_)
        return;
    // The new variants are grabbed before the old ones go, so that no moment lacks a grab.
    const std::array<std::uint16_t, 2> added{numLock, static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLock)};
    const std::array<std::uint16_t, 2> removed{numLock_, static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLock_)};
    for (const auto& [handle, grab] : grabs_) {
        for (std::uint16_t locks : added)
            xcb_grab_key(c, 0, connection_->root(), static_cast<std::uint16_t>(grab.modifiers | locks), grab.keyCode,
                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        for (std::uint16_t locks : removed)
            xcb_ungrab_key(c, grab.keyCode, connection_->root(), static_cast<std::uint16_t>(grab.modifiers | locks));
    }
    numLock_ = numLock;
    connection_->flush();
}

void X11HotkeyService::handle(const xcb_generic_event_t& event)
{
    const auto type = event.response_type & 0x7f;
    if (xkbFirstEvent_ && type == xkbFirstEvent_) {
        const auto xkbType = reinterpret_cast<const xcb_xkb_map_notify_event_t&>(event).xkbType;
        if (xkbType == XCB_XKB_MAP_NOTIFY || xkbType == XCB_XKB_NEW_KEYBOARD_NOTIFY)
            keymapChanged();
        return;
    }
    if (type == XCB_MAPPING_NOTIFY) {
        // With XKB the same change was reported above already; this is for a server without it.
        const auto request = reinterpret_cast<const xcb_mapping_notify_event_t&>(event).request;
        if (!xkbFirstEvent_ && (request == XCB_MAPPING_MODIFIER || request == XCB_MAPPING_KEYBOARD))
            keymapChanged();
        return;
    }
    if (type == XCB_KEY_RELEASE) {
        held_.erase(reinterpret_cast<const xcb_key_release_event_t&>(event).detail);
        return;
    }
    if (type != XCB_KEY_PRESS)
        return;
    const auto& press = reinterpret_cast<const xcb_key_press_event_t&>(event);
    if (!held_.insert(press.detail).second)
        return; // auto-repeat of a held hotkey
    const std::uint16_t mods = press.state & relevantModifiers;
    for (const auto& [handle, grab] : grabs_) {
        if (grab.keyCode == press.detail && grab.modifiers == mods) {
            if (handler_)
                handler_(grab.id);
            return;
        }
    }
}

} // namespace vesperon
