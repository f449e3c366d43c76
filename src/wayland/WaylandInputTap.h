#pragma once

#include "core/Subscription.h"
#include "platform/InputTap.h"

#include <cstdint>
#include <optional>
#include <utility>

struct wl_array;
struct wl_keyboard;
struct wl_pointer;
struct wl_surface;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;

namespace vesperon {

class WaylandConnection;
struct WaylandOutput;

// The input tap on Wayland. A client sees input only over its own surfaces, so
// this watches the seat's pointer and keyboard on Vesperon's connection:
// pointer input over the black overlays, and keys while every output is dark
// (the overlays then hold the keyboard). Nothing is seen of input on a lit
// output. Modifier flags come from the compositor's keymap and state.
class WaylandInputTap : public InputTap {
public:
    explicit WaylandInputTap(WaylandConnection& connection);
    ~WaylandInputTap() override;

    bool start(Handler handler) override;
    void stop() override { handler_ = {}; }
    void setMotionWanted(bool wanted) override { motionWanted_ = wanted; }

    // Seat, pointer and keyboard events.
    void capabilities(std::uint32_t capabilities);
    void pointerEntered(const WaylandOutput& output);
    void pointerAt(double x, double y); // over the surface last entered
    void button(std::uint32_t button, std::uint32_t state);
    void scrolled();
    void keymap(std::uint32_t format, int fd, std::uint32_t size);
    void key(std::uint32_t key, std::uint32_t state);
    void modifiers(std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked, std::uint32_t group);

private:
    void deliver(InputEvent::Type type, std::uint16_t keyCode = 0);
    void releaseKeymap();

    WaylandConnection& connection_;
    Handler handler_;
    bool motionWanted_ = false;
    wl_pointer* pointer_ = nullptr;
    wl_keyboard* keyboard_ = nullptr;
    std::pair<double, double> origin_; // the entered surface's output's corner
    std::optional<std::pair<double, double>> at_; // last seen on the desktop
    xkb_context* xkb_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
    xkb_state* state_ = nullptr;
    std::uint64_t flags_ = 0;
    Subscription seatWatch_;
};

} // namespace vesperon
