#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <sys/types.h>

struct wl_display;
struct xkb_keymap;
struct xkb_state;
struct zwlr_virtual_pointer_v1;
struct zwp_virtual_keyboard_v1;

namespace vesperon::testing {

// A private headless sway for the test process, with `outputs` outputs of 1280×720 side by side,
// each filled with its own colour, and a bar along the top. sway will not run as root: it runs as
// nobody, in a folder of its own; root's clients may use its socket. Ended on destruction, or by
// the kernel should the test die.
class SwayServer {
public:
    static constexpr std::uint32_t barColour = 0x102030;
    static constexpr std::uint32_t outputColours[] = {0x3a5f8a, 0x4f7f6a, 0x8a5f3a};
    static constexpr int outputWidth = 1280, outputHeight = 720;

    explicit SwayServer(int outputs = 2);
    ~SwayServer();
    SwayServer(const SwayServer&) = delete;
    SwayServer& operator=(const SwayServer&) = delete;

    // The socket's absolute path: what WAYLAND_DISPLAY names for a client of this server.
    const std::string& socket() const { return socket_; }
    // A sway command (swaymsg); whether it succeeded.
    bool command(const std::string& command) const;
    // Whether nine points across `area` (corners, edge middles, centre) all show `rgb` now.
    bool shows(const Rect& area, std::uint32_t rgb) const;
    static Rect output(int index) { return {double(index * outputWidth), 0, outputWidth, outputHeight}; }

private:
    std::string environment() const;

    std::filesystem::path folder_;
    std::string socket_;
    pid_t pid_ = -1;
};

// Real input on the server's seat, through a virtual pointer and a virtual keyboard of this
// process's own connection, as a user's devices would send it. Kept for a whole test: the seat
// loses the devices when their client goes.
class WaylandInput {
public:
    // `width` × `height`: the whole desktop, which absolute pointer positions span.
    WaylandInput(const std::string& socket, int width, int height);
    ~WaylandInput();
    WaylandInput(const WaylandInput&) = delete;
    WaylandInput& operator=(const WaylandInput&) = delete;

    void moveTo(int x, int y);
    void click(int x, int y, std::uint32_t button = 0x110); // BTN_LEFT
    void scroll();
    // Presses and releases a key (evdev code), holding the modifier keys around it.
    void typeKey(std::uint32_t key, std::initializer_list<std::uint32_t> modifiers = {});

private:
    void pressKey(std::uint32_t key, bool down);
    void sync();

    wl_display* display_ = nullptr;
    zwlr_virtual_pointer_v1* pointer_ = nullptr;
    zwp_virtual_keyboard_v1* keyboard_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
    xkb_state* state_ = nullptr;
    int width_, height_;
    std::uint32_t time_ = 1;
};

// evdev codes the tests type.
namespace EvdevKey {
inline constexpr std::uint32_t escape = 1, a = 30, d = 32, space = 57, leftControl = 29, leftShift = 42, leftSuper = 125;
}

} // namespace vesperon::testing
