#include "wayland/WaylandInputTap.h"

#include "core/EventFlags.h"
#include "desktop/KeyCodeTable.h"
#include "wayland/WaylandConnection.h"
#include "wayland/WaylandProtocols.h"

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>

#include <xkbcommon/xkbcommon.h>

namespace vesperon {

namespace {

WaylandInputTap& tap(void* data) { return *static_cast<WaylandInputTap*>(data); }

// Set by name: later libwayland versions add events at the end, which stay null
// (they are never sent at the version bound).
wl_pointer_listener makePointerListener()
{
    wl_pointer_listener listener{};
    listener.enter = [](void* data, wl_pointer*, std::uint32_t, wl_surface* surface, wl_fixed_t x, wl_fixed_t y) {
        if (surface) // null when the surface is already gone on this side
            tap(data).pointerEntered(*static_cast<const WaylandOutput*>(wl_surface_get_user_data(surface)));
        tap(data).pointerAt(wl_fixed_to_double(x), wl_fixed_to_double(y));
    };
    listener.leave = [](void*, wl_pointer*, std::uint32_t, wl_surface*) {};
    listener.motion = [](void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) {
        tap(data).pointerAt(wl_fixed_to_double(x), wl_fixed_to_double(y));
    };
    listener.button = [](void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t button,
                          std::uint32_t state) { tap(data).button(button, state); };
    listener.axis = [](void* data, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) { tap(data).scrolled(); };
    listener.frame = [](void*, wl_pointer*) {};
    listener.axis_source = [](void*, wl_pointer*, std::uint32_t) {};
    listener.axis_stop = [](void*, wl_pointer*, std::uint32_t, std::uint32_t) {};
    listener.axis_discrete = [](void*, wl_pointer*, std::uint32_t, std::int32_t) {};
    return listener;
}

wl_keyboard_listener makeKeyboardListener()
{
    wl_keyboard_listener listener{};
    listener.keymap = [](void* data, wl_keyboard*, std::uint32_t format, int fd, std::uint32_t size) {
        tap(data).keymap(format, fd, size);
    };
    // Keys already down when the overlay takes the keyboard were pressed before
    // the blackout.
    listener.enter = [](void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {};
    listener.leave = [](void*, wl_keyboard*, std::uint32_t, wl_surface*) {};
    listener.key = [](void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t key, std::uint32_t state) {
        tap(data).key(key, state);
    };
    listener.modifiers
        = [](void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed, std::uint32_t latched,
              std::uint32_t locked, std::uint32_t group) { tap(data).modifiers(depressed, latched, locked, group); };
    listener.repeat_info = [](void*, wl_keyboard*, std::int32_t, std::int32_t) {};
    return listener;
}

} // namespace

WaylandInputTap::WaylandInputTap(WaylandConnection& connection)
    : connection_(connection)
    , xkb_(xkb_context_new(XKB_CONTEXT_NO_FLAGS))
    , seatWatch_(connection.seatChanged.connect([this] { capabilities(connection_.seatCapabilities()); }))
{
    capabilities(connection_.seatCapabilities());
}

WaylandInputTap::~WaylandInputTap()
{
    capabilities(0);
    releaseKeymap();
    xkb_context_unref(xkb_);
}

bool WaylandInputTap::start(Handler handler)
{
    if (!connection_.seat())
        return false;
    handler_ = std::move(handler);
    return true;
}

void WaylandInputTap::capabilities(std::uint32_t capabilities)
{
    const bool pointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
    const bool keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
    if (pointer && !pointer_) {
        pointer_ = wl_seat_get_pointer(connection_.seat());
        static const wl_pointer_listener listener = makePointerListener();
        wl_pointer_add_listener(pointer_, &listener, this);
    } else if (!pointer && pointer_) {
        wl_pointer_release(pointer_);
        pointer_ = nullptr;
    }
    if (keyboard && !keyboard_) {
        keyboard_ = wl_seat_get_keyboard(connection_.seat());
        static const wl_keyboard_listener listener = makeKeyboardListener();
        wl_keyboard_add_listener(keyboard_, &listener, this);
    } else if (!keyboard && keyboard_) {
        wl_keyboard_release(keyboard_);
        keyboard_ = nullptr;
    }
}

void WaylandInputTap::pointerEntered(const WaylandOutput& output) { origin_ = {output.frame.x, output.frame.y}; }

void WaylandInputTap::pointerAt(double x, double y)
{
    // Where on the desktop: an overlay appearing under a resting pointer is no movement, the
    // pointer passing from one dark output to another is.
    const std::pair<double, double> at{origin_.first + x, origin_.second + y};
    const bool moved = at_ && *at_ != at;
    at_ = at;
    if (moved && motionWanted_)
        deliver(InputEvent::Type::mouseMoved);
}

void WaylandInputTap::button(std::uint32_t button, std::uint32_t state)
{
    if (state != WL_POINTER_BUTTON_STATE_PRESSED)
        return;
    if (button == BTN_LEFT)
        deliver(InputEvent::Type::leftMouseDown);
    else if (button == BTN_RIGHT)
        deliver(InputEvent::Type::rightMouseDown);
}

void WaylandInputTap::scrolled() { deliver(InputEvent::Type::scrollWheel); }

void WaylandInputTap::keymap(std::uint32_t format, int fd, std::uint32_t size)
{
    releaseKeymap();
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) {
        void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (text != MAP_FAILED) {
            keymap_ = xkb_keymap_new_from_string(
                xkb_, static_cast<const char*>(text), XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
            munmap(text, size);
        }
        if (keymap_)
            state_ = xkb_state_new(keymap_);
    }
    close(fd);
}

void WaylandInputTap::releaseKeymap()
{
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
    state_ = nullptr;
    keymap_ = nullptr;
    flags_ = 0;
}

void WaylandInputTap::modifiers(
    std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked, std::uint32_t group)
{
    if (!state_)
        return;
    xkb_state_update_mask(state_, depressed, latched, locked, 0, 0, group);
    const auto active
        = [&](const char* name) { return xkb_state_mod_name_is_active(state_, name, XKB_STATE_MODS_EFFECTIVE) > 0; };
    flags_ = (active(XKB_MOD_NAME_SHIFT) ? EventFlags::shift : 0)
        | (active(XKB_MOD_NAME_CTRL) ? EventFlags::control : 0) | (active(XKB_MOD_NAME_ALT) ? EventFlags::alt : 0)
        | (active(XKB_MOD_NAME_LOGO) ? EventFlags::super : 0);
}

void WaylandInputTap::key(std::uint32_t key, std::uint32_t state)
{
    if (const auto code = KeyCodeTable::pressedKey(key + 8)) // evdev to XKB
        deliver(state == WL_KEYBOARD_KEY_STATE_PRESSED ? InputEvent::Type::keyDown : InputEvent::Type::keyUp, *code);
}

void WaylandInputTap::deliver(InputEvent::Type type, std::uint16_t keyCode)
{
    if (handler_)
        handler_(InputEvent{type, keyCode, flags_, {}}); // only input over the dark outputs is seen: no position needed
}

} // namespace vesperon
