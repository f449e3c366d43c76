#include "support/SwayServer.h"

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace vesperon::testing {

namespace {

constexpr uid_t nobody = 65534;

std::string hex(std::uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", rgb);
    return text;
}

std::string config()
{
    // The pointer stays where the test puts it: it shows in screenshots.
    std::string text = "default_border none\nfocus_follows_mouse no\nmouse_warping none\n"
                       "exec sh -c 'echo \"$WAYLAND_DISPLAY $SWAYSOCK\" >&$READY_FD'\n";
    for (int i = 0; i < 3; ++i) {
        text += "output HEADLESS-" + std::to_string(i + 1) + " mode 1280x720 pos "
            + std::to_string(i * SwayServer::outputWidth) + " 0 bg " + hex(SwayServer::outputColours[i])
            + " solid_color\n";
    }
    return text + "bar {\n  position top\n  tray_output none\n  colors {\n    background " + hex(SwayServer::barColour)
        + "\n  }\n}\n";
}

} // namespace

SwayServer::SwayServer()
{
    fs::create_directories(folder_ / "home");
    fs::create_directories(folder_ / "runtime");
    std::ofstream(folder_ / "config") << config();
    for (const fs::path& path : {folder_, folder_ / "home", folder_ / "runtime", folder_ / "config"})
        if (chown(path.c_str(), nobody, nobody) != 0)
            throw std::runtime_error("cannot hand " + path.string() + " to nobody");
    fs::permissions(folder_, fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);
    fs::permissions(folder_ / "runtime", fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);

    // As nobody, with nothing of this process's environment but what sway needs; the line it
    // writes once it serves is its two sockets.
    sway_ = std::make_unique<Daemon>(
        asUser({"WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1", "WLR_HEADLESS_OUTPUTS=2", "WLR_RENDERER=pixman",
            "READY_FD={fd}", "sway", "-c", (folder_ / "config").string()}),
        "sway");
    const std::size_t space = sway_->line().find(' ');
    socket_ = (folder_ / "runtime").string() + "/" + sway_->line().substr(0, space);
    ipcSocket_ = sway_->line().substr(space + 1);
    input_ = std::make_unique<WaylandInput>(socket_, 2 * outputWidth, outputHeight);
}

SwayServer::~SwayServer()
{
    input_.reset();
    sway_.reset();
}

std::vector<std::string> SwayServer::asUser(const std::vector<std::string>& arguments) const
{
    std::vector<std::string> words{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--pdeathsig=TERM",
        "env", "-i", "HOME=" + (folder_ / "home").string(), "PATH=/usr/bin:/bin",
        "XDG_RUNTIME_DIR=" + (folder_ / "runtime").string()};
    if (!socket_.empty())
        words.push_back("WAYLAND_DISPLAY=" + socket_);
    words.insert(words.end(), arguments.begin(), arguments.end());
    return words;
}

void SwayServer::moveTo(int x, int y) { input_->moveTo(x, y); }

void SwayServer::button(std::uint32_t button, bool pressed) { input_->button(button, pressed); }

void SwayServer::key(std::uint32_t key, bool pressed) { input_->key(key, pressed); }

void SwayServer::scroll() { input_->scroll(); }

std::string SwayServer::environment() const
{
    return "XDG_RUNTIME_DIR=" + (folder_ / "runtime").string() + " WAYLAND_DISPLAY=" + socket_
        + " SWAYSOCK=" + ipcSocket_ + " ";
}

bool SwayServer::command(const std::string& command) const
{
    return std::system((environment() + "swaymsg '" + command + "' >/dev/null").c_str()) == 0;
}

QImage SwayServer::capture(const Rect& area) const
{
    const std::string grim = environment() + "grim -g '" + std::to_string(int(area.x)) + ","
        + std::to_string(int(area.y)) + " " + std::to_string(int(area.width)) + "x" + std::to_string(int(area.height))
        + "' -s 1 -t ppm - 2>/dev/null"; // in logical pixels at any output scale
    QByteArray ppm;
    if (FILE* pipe = popen(grim.c_str(), "r")) {
        char buffer[65536];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            ppm.append(buffer, qsizetype(n));
        pclose(pipe);
    }
    return QImage::fromData(ppm, "PPM");
}

WaylandInput::WaylandInput(const std::string& socket, int width, int height) : width_(width), height_(height)
{
    struct Globals {
        wl_seat* seat = nullptr;
        zwlr_virtual_pointer_manager_v1* pointers = nullptr;
        zwp_virtual_keyboard_manager_v1* keyboards = nullptr;
    } globals;
    static const wl_registry_listener listener{
        [](void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t) {
            auto& found = *static_cast<Globals*>(data);
            if (std::strcmp(interface, wl_seat_interface.name) == 0)
                found.seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
            else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
                found.pointers = static_cast<zwlr_virtual_pointer_manager_v1*>(
                    wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
            else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
                found.keyboards = static_cast<zwp_virtual_keyboard_manager_v1*>(
                    wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
        },
        [](void*, wl_registry*, std::uint32_t) {},
    };
    display_ = wl_display_connect(socket.c_str());
    if (!display_)
        throw std::runtime_error("cannot connect to " + socket);
    wl_registry_add_listener(wl_display_get_registry(display_), &listener, &globals);
    wl_display_roundtrip(display_);
    if (!globals.seat || !globals.pointers || !globals.keyboards)
        throw std::runtime_error("the compositor offers no virtual pointer or keyboard");
    pointer_ = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.pointers, globals.seat);
    keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(globals.keyboards, globals.seat);

    // The keymap real evdev codes mean on a US keyboard.
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
    keymap_ = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    xkb_context_unref(context);
    state_ = xkb_state_new(keymap_);
    char* text = xkb_keymap_get_as_string(keymap_, XKB_KEYMAP_FORMAT_TEXT_V1);
    const std::size_t size = std::strlen(text) + 1;
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text, size) != static_cast<ssize_t>(size))
        throw std::runtime_error("cannot hand the keymap over");
    std::free(text);
    zwp_virtual_keyboard_v1_keymap(keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, static_cast<std::uint32_t>(size));
    close(fd);
    sync();
}

WaylandInput::~WaylandInput()
{
    zwlr_virtual_pointer_v1_destroy(pointer_);
    zwp_virtual_keyboard_v1_destroy(keyboard_);
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
    wl_display_roundtrip(display_);
    wl_display_disconnect(display_);
}

void WaylandInput::sync() { wl_display_roundtrip(display_); }

void WaylandInput::moveTo(int x, int y)
{
    zwlr_virtual_pointer_v1_motion_absolute(
        pointer_, time_++, std::uint32_t(x), std::uint32_t(y), std::uint32_t(width_), std::uint32_t(height_));
    zwlr_virtual_pointer_v1_frame(pointer_);
    sync();
}

void WaylandInput::button(std::uint32_t button, bool pressed)
{
    zwlr_virtual_pointer_v1_button(
        pointer_, time_++, button, pressed ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    zwlr_virtual_pointer_v1_frame(pointer_);
    sync();
}

void WaylandInput::scroll()
{
    zwlr_virtual_pointer_v1_axis_source(pointer_, WL_POINTER_AXIS_SOURCE_WHEEL);
    zwlr_virtual_pointer_v1_axis_discrete(pointer_, time_++, WL_POINTER_AXIS_VERTICAL_SCROLL, wl_fixed_from_int(15), 1);
    zwlr_virtual_pointer_v1_frame(pointer_);
    sync();
}

void WaylandInput::key(std::uint32_t key, bool down)
{
    // The key, then the modifier state it leaves, as a keyboard's driver reports them.
    zwp_virtual_keyboard_v1_key(
        keyboard_, time_++, key, down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    xkb_state_update_key(state_, key + 8, down ? XKB_KEY_DOWN : XKB_KEY_UP);
    zwp_virtual_keyboard_v1_modifiers(keyboard_, xkb_state_serialize_mods(state_, XKB_STATE_MODS_DEPRESSED),
        xkb_state_serialize_mods(state_, XKB_STATE_MODS_LATCHED),
        xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED),
        xkb_state_serialize_layout(state_, XKB_STATE_LAYOUT_EFFECTIVE));
    sync();
}

} // namespace vesperon::testing
