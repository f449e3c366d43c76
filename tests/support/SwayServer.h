#pragma once

#include "support/Daemon.h"
#include "support/TestServer.h"

#include <QTemporaryDir>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

struct wl_display;
struct xkb_keymap;
struct xkb_state;
struct zwlr_virtual_pointer_v1;
struct zwp_virtual_keyboard_v1;

namespace vesperon::testing {

class WaylandInput;

// A private headless sway with two outputs side by side, each filled with its own colour, and a
// bar along the top. sway will not run as root: it runs as nobody, in a folder of its own; root's
// clients may use its socket. Input comes from a virtual pointer and keyboard of this process's.
class SwayServer : public TestServer {
public:
    static constexpr std::uint32_t barColour = 0x102030;
    static constexpr std::uint32_t outputColours[] = {0x3a5f8a, 0x4f7f6a, 0x8a5f3a};

    SwayServer();
    ~SwayServer() override;
    SwayServer(const SwayServer&) = delete;
    SwayServer& operator=(const SwayServer&) = delete;

    void becomeDisplay() const override { useWayland(socket_); }
    QImage capture(const Rect& area) const override;
    void focusOutput(int index) override { command("focus output HEADLESS-" + std::to_string(index + 1)); }
    void moveTo(int x, int y) override;
    void button(std::uint32_t button, bool pressed) override;
    void key(std::uint32_t key, bool pressed) override;
    void scroll() override;

    // A sway command (swaymsg); whether it succeeded.
    bool command(const std::string& command) const;

    // The words that run `arguments` as sway's user, in sway's environment.
    std::vector<std::string> asUser(const std::vector<std::string>& arguments) const;

private:
    std::string environment() const;

    QTemporaryDir scratch_{QStringLiteral("/tmp/vesperon-sway-XXXXXX")}; // removed with all it holds
    const std::filesystem::path folder_ = scratch_.path().toStdString();
    std::string socket_, ipcSocket_;
    std::unique_ptr<Daemon> sway_;
    std::unique_ptr<WaylandInput> input_;
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
    void button(std::uint32_t button, bool pressed);
    void scroll();
    void key(std::uint32_t key, bool pressed); // an evdev code

private:
    void sync();

    wl_display* display_ = nullptr;
    zwlr_virtual_pointer_v1* pointer_ = nullptr;
    zwp_virtual_keyboard_v1* keyboard_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
    xkb_state* state_ = nullptr;
    int width_, height_;
    std::uint32_t time_ = 1;
};

} // namespace vesperon::testing
