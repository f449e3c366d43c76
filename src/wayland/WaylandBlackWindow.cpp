#include "wayland/WaylandBlackWindow.h"

#include "wayland/WaylandConnection.h"
#include "wayland/WaylandProtocols.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace vesperon {

namespace {

constexpr std::uint32_t allEdges = ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM
    | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;

const zwlr_layer_surface_v1_listener layerListener{
    [](void* data, zwlr_layer_surface_v1*, std::uint32_t serial, std::uint32_t width, std::uint32_t height) {
        static_cast<WaylandBlackWindow*>(data)->configure(serial, width, height);
    },
    [](void* data, zwlr_layer_surface_v1*) { static_cast<WaylandBlackWindow*>(data)->closed(); },
};

bool fillAlpha(int fd, std::size_t size, std::uint8_t alpha)
{
    void* memory = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (memory == MAP_FAILED)
        return false;
    std::fill_n(static_cast<std::uint32_t*>(memory), size / 4, std::uint32_t{alpha} << 24);
    munmap(memory, size);
    return true;
}

} // namespace

WaylandBlackWindow::WaylandBlackWindow(WaylandBlackWindowFactory& factory, const Rect& frame)
    : factory_(factory)
    , frame_(frame)
{
    factory_.windows_.push_back(this);
}

WaylandBlackWindow::~WaylandBlackWindow()
{
    unmap();
    std::erase(factory_.windows_, this);
}

void WaylandBlackWindow::setFrame(const Rect& frame)
{
    frame_ = frame;
    if (visible_)
        place();
}

void WaylandBlackWindow::show()
{
    visible_ = true;
    place();
}

void WaylandBlackWindow::hide()
{
    visible_ = false;
    unmap();
}

void WaylandBlackWindow::place()
{
    const WaylandOutput* output = visible_ ? factory_.outputFor(frame_) : nullptr;
    if (output == output_)
        return;
    unmap();
    if (output)
        map(*output);
}

void WaylandBlackWindow::map(const WaylandOutput& output)
{
    WaylandConnection& connection = factory_.connection();
    output_ = &output;
    surface_ = wl_compositor_create_surface(connection.compositor());
    // The input tap places what the pointer does over the surface on the desktop by its output.
    wl_surface_set_user_data(surface_, const_cast<WaylandOutput*>(&output));
    if (connection.viewporter())
        viewport_ = wp_viewporter_get_viewport(connection.viewporter(), surface_);
    layer_ = zwlr_layer_shell_v1_get_layer_surface(
        connection.layerShell(), surface_, output.output, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "vesperon");
    zwlr_layer_surface_v1_add_listener(layer_, &layerListener, this);
    zwlr_layer_surface_v1_set_anchor(layer_, allEdges);
    zwlr_layer_surface_v1_set_exclusive_zone(layer_, -1); // over panels too, moving nothing
    zwlr_layer_surface_v1_set_keyboard_interactivity(layer_, factory_.keyboardInteractivity());
    // The first commit carries no buffer: the compositor answers with the size to
    // fill.
    wl_surface_commit(surface_);
}

void WaylandBlackWindow::configure(std::uint32_t serial, std::uint32_t width, std::uint32_t height)
{
    zwlr_layer_surface_v1_ack_configure(layer_, serial);
    width_ = width, height_ = height;
    if (viewport_ && width && height)
        wp_viewport_set_destination(viewport_, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    paint();
}

void WaylandBlackWindow::paint()
{
    if (!layer_ || width_ == 0 || height_ == 0)
        return;
    wl_buffer* buffer = nullptr;
    if (viewport_) {
        buffer = factory_.blackPixel();
    } else {
        if (ownBuffer_)
            wl_buffer_destroy(ownBuffer_);
        buffer = ownBuffer_ = factory_.makeBlackBuffer(width_, height_);
    }
    wl_surface_attach(surface_, buffer, 0, 0);
    wl_surface_damage(surface_, 0, 0, static_cast<std::int32_t>(width_), static_cast<std::int32_t>(height_));
    wl_surface_commit(surface_); // sent when the dispatch that brought the configure ends
}

void WaylandBlackWindow::closed()
{
    // The compositor took the surface away (its output went): show again when the
    // output is back.
    unmap();
}

void WaylandBlackWindow::setKeyboardInteractivity(std::uint32_t interactivity)
{
    if (!layer_)
        return;
    zwlr_layer_surface_v1_set_keyboard_interactivity(layer_, interactivity);
    wl_surface_commit(surface_);
}

void WaylandBlackWindow::unmap()
{
    if (layer_)
        zwlr_layer_surface_v1_destroy(layer_);
    if (viewport_)
        wp_viewport_destroy(viewport_);
    if (surface_)
        wl_surface_destroy(surface_);
    if (ownBuffer_)
        wl_buffer_destroy(ownBuffer_);
    layer_ = nullptr;
    viewport_ = nullptr;
    surface_ = nullptr;
    ownBuffer_ = nullptr;
    output_ = nullptr;
}

WaylandBlackWindowFactory::WaylandBlackWindowFactory(WaylandConnection& connection)
    : connection_(connection)
    , outputsWatch_(connection.outputsChanged.connect([this] {
        for (WaylandBlackWindow* window : windows_)
            window->place();
        commit();
    }))
{
}

WaylandBlackWindowFactory::~WaylandBlackWindowFactory()
{
    for (const auto& [alpha, pixel] : pixels_)
        wl_buffer_destroy(pixel);
}

void WaylandBlackWindowFactory::setOpacity(double opacity)
{
    const auto alpha = static_cast<std::uint8_t>(std::lround(std::clamp(opacity, 0.0, 1.0) * 255));
    if (std::exchange(alpha_, alpha) == alpha)
        return;
    for (WaylandBlackWindow* window : windows_)
        window->paint();
}

std::unique_ptr<BlackWindow> WaylandBlackWindowFactory::create(const Rect& frame)
{
    return std::make_unique<WaylandBlackWindow>(*this, frame);
}

void WaylandBlackWindowFactory::commit()
{
    const auto& outputs = connection_.outputs();
    const bool everyOutputDark = !outputs.empty() && std::ranges::all_of(outputs, [&](const auto& output) {
        return !output->ready
            || std::ranges::any_of(windows_, [&](const WaylandBlackWindow* w) { return w->output() == output.get(); });
    });
    const std::uint32_t interactivity = everyOutputDark ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                                                        : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE;
    if (interactivity != interactivity_) {
        interactivity_ = interactivity;
        for (WaylandBlackWindow* window : windows_)
            window->setKeyboardInteractivity(interactivity);
    }
    connection_.flush();
}

const WaylandOutput* WaylandBlackWindowFactory::outputFor(const Rect& frame) const
{
    const auto& outputs = connection_.outputs();
    const auto exact = std::ranges::find_if(outputs, [&](const auto& o) { return o->ready && o->frame == frame; });
    if (exact != outputs.end())
        return exact->get();
    const double cx = frame.x + frame.width / 2;
    const double cy = frame.y + frame.height / 2;
    const auto holding = std::ranges::find_if(outputs, [&](const auto& o) {
        const Rect& r = o->frame;
        return o->ready && cx >= r.x && cx < r.x + r.width && cy >= r.y && cy < r.y + r.height;
    });
    return holding != outputs.end() ? holding->get() : nullptr;
}

wl_buffer* WaylandBlackWindowFactory::blackPixel()
{
    wl_buffer*& pixel = pixels_[alpha_];
    if (!pixel)
        pixel = makeBlackBuffer(1, 1);
    return pixel;
}

wl_buffer* WaylandBlackWindowFactory::makeBlackBuffer(std::uint32_t width, std::uint32_t height) const
{
    // A new memory file reads as zeros: black in XRGB8888, with nothing written. Dimmed, every
    // pixel is black premultiplied by its alpha: the alpha alone.
    const std::size_t size = std::size_t{width} * height * 4;
    const int fd = memfd_create("vesperon-black", MFD_CLOEXEC);
    if (fd < 0)
        return nullptr;
    // The stretched pixel always has an alpha channel: KWin keeps a surface opaque once its
    // buffer had none, and would not dim it later.
    const bool withAlpha = alpha_ != 255 || size == 4;
    if (ftruncate(fd, static_cast<off_t>(size)) != 0 || (withAlpha && !fillAlpha(fd, size, alpha_))) {
        close(fd);
        return nullptr;
    }
    wl_shm_pool* pool = wl_shm_create_pool(connection_.shm(), fd, static_cast<std::int32_t>(size));
    wl_buffer* buffer
        = wl_shm_pool_create_buffer(pool, 0, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height),
            static_cast<std::int32_t>(width * 4), withAlpha ? WL_SHM_FORMAT_ARGB8888 : WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    return buffer;
}

} // namespace vesperon
