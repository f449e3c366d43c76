#pragma once

#include "core/Geometry.h"
#include "core/Signal.h"
#include "wayland/KdeOutputDevices.h"

#include <memory>
#include <string>
#include <vector>

struct ext_idle_notifier_v1;
struct org_kde_kwin_idle;
struct wl_compositor;
struct wl_display;
struct wl_output;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wp_viewporter;
struct zwlr_layer_shell_v1;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;

class QSocketNotifier;

namespace vesperon {

// One output as this connection knows it: its connector name and where it lies
// on the desktop.
class WaylandConnection;

struct WaylandOutput {
    WaylandConnection* connection = nullptr;
    std::uint32_t global = 0;
    wl_output* output = nullptr;
    zxdg_output_v1* xdgOutput = nullptr;
    std::string name;
    Rect frame; // logical coordinates, as Qt reports the screen
    bool ready = false; // named and placed
};

// Vesperon's own connection to the Wayland compositor, read from the Qt event
// loop: the globals the backend binds, and the outputs with their names and
// logical frames.
class WaylandConnection {
public:
    // Connects to $WAYLAND_DISPLAY and waits until the globals and outputs are
    // known; nothing when there is no compositor to talk to.
    static std::unique_ptr<WaylandConnection> open();
    ~WaylandConnection();
    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    wl_display* display() const { return display_; }
    wl_compositor* compositor() const { return compositor_; }
    wl_shm* shm() const { return shm_; }
    wl_seat* seat() const { return seat_; }
    zwlr_layer_shell_v1* layerShell() const { return layerShell_; }
    wp_viewporter* viewporter() const { return viewporter_; } // may be null
    // Idle time: the standard notifier, or KWin's and older wlroots' own; either may be null.
    ext_idle_notifier_v1* idleNotifier() const { return idleNotifier_; }
    org_kde_kwin_idle* kdeIdle() const { return kdeIdle_; }
    const std::vector<std::unique_ptr<WaylandOutput>>& outputs() const { return outputs_; }
    // What KWin reads from the monitors' EDID; nothing on other compositors.
    KdeOutputDevices& kdeOutputDevices() { return kdeOutputDevices_; }

    // Starts reading events from the Qt event loop (the constructor reads
    // synchronously).
    void watch();
    // Sends what was requested.
    void flush();

    // An output appeared, went, or was renamed or moved.
    Signal<> outputsChanged;
    // The seat's devices: WL_SEAT_CAPABILITY_POINTER and _KEYBOARD bits, known from the start.
    std::uint32_t seatCapabilities() const { return seatCapabilities_; }
    Signal<> seatChanged;

    // Registry callbacks.
    void addGlobal(std::uint32_t name, const char* interface, std::uint32_t version);
    void removeGlobal(std::uint32_t name);
    void outputDone(WaylandOutput& output);
    void setSeatCapabilities(std::uint32_t capabilities);

private:
    explicit WaylandConnection(wl_display* display);
    void dispatch();
    void addOutput(std::uint32_t name, std::uint32_t version);
    void describe(WaylandOutput& output);
    void release(WaylandOutput& output);

    wl_display* display_;
    wl_registry* registry_ = nullptr;
    wl_compositor* compositor_ = nullptr;
    wl_shm* shm_ = nullptr;
    wl_seat* seat_ = nullptr;
    zwlr_layer_shell_v1* layerShell_ = nullptr;
    wp_viewporter* viewporter_ = nullptr;
    ext_idle_notifier_v1* idleNotifier_ = nullptr;
    org_kde_kwin_idle* kdeIdle_ = nullptr;
    zxdg_output_manager_v1* xdgOutputs_ = nullptr;
    std::uint32_t seatCapabilities_ = 0;
    std::vector<std::unique_ptr<WaylandOutput>> outputs_;
    KdeOutputDevices kdeOutputDevices_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace vesperon
