#pragma once

#include "core/Subscription.h"
#include "platform/BlackWindow.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

struct wl_buffer;
struct wl_surface;
struct wp_viewport;
struct zwlr_layer_surface_v1;

namespace vesperon {

class WaylandBlackWindowFactory;
class WaylandConnection;
struct WaylandOutput;

// The black window: a layer-shell surface on the overlay layer of the output
// under its frame, anchored to all four edges, so the compositor sizes it and
// keeps it above windows, panels and notifications. One black pixel stretched
// by the viewporter fills it. It exists on the compositor only while shown.
class WaylandBlackWindow : public BlackWindow {
public:
    WaylandBlackWindow(WaylandBlackWindowFactory& factory, const Rect& frame);
    ~WaylandBlackWindow() override;

    void setFrame(const Rect& frame) override;
    void show() override;
    void hide() override;
    bool isVisible() const override { return visible_; }
    Rect frame() const override { return frame_; }

    // The output it covers; null while hidden or while its output is not (yet)
    // known.
    const WaylandOutput* output() const { return output_; }
    // Follows the outputs: a window whose output went, or whose frame now names
    // another, moves.
    void place();
    void setKeyboardInteractivity(std::uint32_t interactivity);

    void configure(std::uint32_t serial, std::uint32_t width, std::uint32_t height);
    void closed();
    // Draws its black again, at the factory's opacity, if it shows.
    void paint();

private:
    void map(const WaylandOutput& output);
    void unmap();

    WaylandBlackWindowFactory& factory_;
    Rect frame_;
    bool visible_ = false;
    const WaylandOutput* output_ = nullptr;
    wl_surface* surface_ = nullptr;
    zwlr_layer_surface_v1* layer_ = nullptr;
    wp_viewport* viewport_ = nullptr;
    wl_buffer* ownBuffer_ = nullptr; // full size, without a viewporter
    std::uint32_t width_ = 0, height_ = 0; // as configured
};

class WaylandBlackWindowFactory : public BlackWindowFactory {
public:
    explicit WaylandBlackWindowFactory(WaylandConnection& connection);
    ~WaylandBlackWindowFactory() override;

    std::unique_ptr<BlackWindow> create(const Rect& frame) override;
    // Keys go to the overlays only while every output is dark; then sends it all.
    void commit() override;
    // Black with that alpha, which the compositor always blends.
    void setOpacity(double opacity) override;

    WaylandConnection& connection() const { return connection_; }
    // The output whose frame is `frame`, else the one holding its centre; null if
    // none.
    const WaylandOutput* outputFor(const Rect& frame) const;
    // A black buffer at the current opacity: one pixel (to be stretched) or
    // `width` × `height`; null when it cannot be had.
    wl_buffer* blackPixel();
    wl_buffer* makeBlackBuffer(std::uint32_t width, std::uint32_t height) const;
    std::uint32_t keyboardInteractivity() const { return interactivity_; }

private:
    friend class WaylandBlackWindow;

    WaylandConnection& connection_;
    std::vector<WaylandBlackWindow*> windows_;
    std::map<std::uint8_t, wl_buffer*> pixels_; // by alpha
    std::uint8_t alpha_ = 255;
    std::uint32_t interactivity_ = 0;
    Subscription outputsWatch_;
};

} // namespace vesperon
