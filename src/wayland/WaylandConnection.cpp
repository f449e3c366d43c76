#include "wayland/WaylandConnection.h"

#include "wayland/WaylandProtocols.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cstring>

namespace vesperon {

namespace {

const wl_registry_listener registryListener{
    [](void* data, wl_registry*, std::uint32_t name, const char* interface, std::uint32_t version) {
        static_cast<WaylandConnection*>(data)->addGlobal(name, interface, version);
    },
    [](void* data, wl_registry*, std::uint32_t name) { static_cast<WaylandConnection*>(data)->removeGlobal(name); },
};

// A frame read from wl_output stands until xdg-output says where the output
// lies logically.
struct OutputEvents {
    static void geometry(void* data, wl_output*, std::int32_t x, std::int32_t y, std::int32_t, std::int32_t,
        std::int32_t, const char*, const char*, std::int32_t)
    {
        auto& output = *static_cast<WaylandOutput*>(data);
        if (!output.xdgOutput) {
            output.frame.x = x;
            output.frame.y = y;
        }
    }
    static void mode(void* data, wl_output*, std::uint32_t flags, std::int32_t width, std::int32_t height, std::int32_t)
    {
        auto& output = *static_cast<WaylandOutput*>(data);
        if (!output.xdgOutput && (flags & WL_OUTPUT_MODE_CURRENT)) {
            output.frame.width = width;
            output.frame.height = height;
        }
    }
    static void name(void* data, wl_output*, const char* name) { static_cast<WaylandOutput*>(data)->name = name; }
};

struct XdgOutputEvents {
    static void position(void* data, zxdg_output_v1*, std::int32_t x, std::int32_t y)
    {
        auto& output = *static_cast<WaylandOutput*>(data);
        output.frame.x = x;
        output.frame.y = y;
    }
    static void size(void* data, zxdg_output_v1*, std::int32_t width, std::int32_t height)
    {
        auto& output = *static_cast<WaylandOutput*>(data);
        output.frame.width = width;
        output.frame.height = height;
    }
    static void name(void* data, zxdg_output_v1*, const char* name)
    {
        auto& output = *static_cast<WaylandOutput*>(data);
        if (output.name.empty())
            output.name = name;
    }
};

} // namespace

std::unique_ptr<WaylandConnection> WaylandConnection::open()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    auto connection = std::unique_ptr<WaylandConnection>(new WaylandConnection(display));
    // The globals, then what each output says of itself.
    if (wl_display_roundtrip(display) < 0 || wl_display_roundtrip(display) < 0)
        return nullptr;
    return connection;
}

WaylandConnection::WaylandConnection(wl_display* display) : display_(display)
{
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &registryListener, this);
}

WaylandConnection::~WaylandConnection()
{
    notifier_.reset();
    for (const auto& output : outputs_)
        release(*output);
    kdeOutputDevices_.clear();
    // The rest goes with the connection.
    wl_display_disconnect(display_);
}

void WaylandConnection::watch()
{
    notifier_ = std::make_unique<QSocketNotifier>(wl_display_get_fd(display_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { dispatch(); });
    flush();
}

void WaylandConnection::dispatch()
{
    while (wl_display_prepare_read(display_) != 0)
        wl_display_dispatch_pending(display_);
    if (wl_display_read_events(display_) < 0) {
        // The compositor is gone; Qt's own connection ends the program. Stop
        // reading a dead socket.
        notifier_->setEnabled(false);
        return;
    }
    wl_display_dispatch_pending(display_);
    flush();
}

void WaylandConnection::flush() { wl_display_flush(display_); }

void WaylandConnection::addGlobal(std::uint32_t name, const char* interface, std::uint32_t version)
{
    const auto is = [&](const wl_interface& which) { return std::strcmp(interface, which.name) == 0; };
    const auto bind = [&](const wl_interface& which, std::uint32_t highest) {
        return wl_registry_bind(registry_, name, &which, std::min(version, highest));
    };
    if (is(wl_compositor_interface))
        compositor_ = static_cast<wl_compositor*>(bind(wl_compositor_interface, 4));
    else if (is(wl_shm_interface))
        shm_ = static_cast<wl_shm*>(bind(wl_shm_interface, 1));
    else if (is(wl_seat_interface) && !seat_) {
        // Listened to at once: the capabilities arrive before anyone else could add a listener.
        static const wl_seat_listener listener{
            [](void* data, wl_seat*, std::uint32_t capabilities) {
                static_cast<WaylandConnection*>(data)->setSeatCapabilities(capabilities);
            },
            [](void*, wl_seat*, const char*) {},
        };
        seat_ = static_cast<wl_seat*>(bind(wl_seat_interface, 5));
        wl_seat_add_listener(seat_, &listener, this);
    } else if (is(zwlr_layer_shell_v1_interface))
        layerShell_ = static_cast<zwlr_layer_shell_v1*>(bind(zwlr_layer_shell_v1_interface, 4));
    else if (is(wp_viewporter_interface))
        viewporter_ = static_cast<wp_viewporter*>(bind(wp_viewporter_interface, 1));
    else if (is(ext_idle_notifier_v1_interface))
        idleNotifier_ = static_cast<ext_idle_notifier_v1*>(bind(ext_idle_notifier_v1_interface, 1));
    else if (is(org_kde_kwin_idle_interface))
        kdeIdle_ = static_cast<org_kde_kwin_idle*>(bind(org_kde_kwin_idle_interface, 1));
    else if (is(zxdg_output_manager_v1_interface)) {
        xdgOutputs_ = static_cast<zxdg_output_manager_v1*>(bind(zxdg_output_manager_v1_interface, 3));
        for (const auto& output : outputs_)
            describe(*output);
    } else if (is(wl_output_interface))
        addOutput(name, version);
    else if (KdeOutputDevices::isDevice(interface))
        kdeOutputDevices_.add(registry_, name, version);
}

void WaylandConnection::addOutput(std::uint32_t name, std::uint32_t version)
{
    static const wl_output_listener listener{
        OutputEvents::geometry,
        OutputEvents::mode,
        [](void* data, wl_output*) {
            auto& output = *static_cast<WaylandOutput*>(data);
            output.connection->outputDone(output);
        },
        [](void*, wl_output*, std::int32_t) {},
        OutputEvents::name,
        [](void*, wl_output*, const char*) {},
    };
    auto output = std::make_unique<WaylandOutput>();
    output->global = name;
    output->connection = this;
    // Version 3 is needed to release the output, 4 names its connector.
    output->output
        = static_cast<wl_output*>(wl_registry_bind(registry_, name, &wl_output_interface, std::min(version, 4U)));
    wl_output_add_listener(output->output, &listener, output.get());
    describe(*output);
    outputs_.push_back(std::move(output));
}

void WaylandConnection::describe(WaylandOutput& output)
{
    static const zxdg_output_v1_listener listener{
        XdgOutputEvents::position,
        XdgOutputEvents::size,
        [](void*, zxdg_output_v1*) {}, // wl_output.done closes each change
        XdgOutputEvents::name,
        [](void*, zxdg_output_v1*, const char*) {},
    };
    if (!xdgOutputs_ || output.xdgOutput)
        return;
    output.xdgOutput = zxdg_output_manager_v1_get_xdg_output(xdgOutputs_, output.output);
    zxdg_output_v1_add_listener(output.xdgOutput, &listener, &output);
}

void WaylandConnection::removeGlobal(std::uint32_t name)
{
    kdeOutputDevices_.remove(name);
    const auto it = std::ranges::find_if(outputs_, [&](const auto& output) { return output->global == name; });
    if (it == outputs_.end())
        return;
    std::unique_ptr<WaylandOutput> gone = std::move(*it);
    outputs_.erase(it);
    outputsChanged.emit();
    release(*gone);
}

void WaylandConnection::release(WaylandOutput& output)
{
    if (output.xdgOutput)
        zxdg_output_v1_destroy(output.xdgOutput);
    wl_output_release(output.output);
}

void WaylandConnection::outputDone(WaylandOutput& output)
{
    output.ready = !output.name.empty() && output.frame.width > 0 && output.frame.height > 0;
    outputsChanged.emit();
}

void WaylandConnection::setSeatCapabilities(std::uint32_t capabilities)
{
    seatCapabilities_ = capabilities;
    seatChanged.emit();
}

} // namespace vesperon
