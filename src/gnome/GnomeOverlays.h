#pragma once

#include "core/Subscription.h"
#include "platform/BlackWindow.h"

#include <vector>

namespace vesperon {

class GnomeOverlays;
class GnomeShellExtension;

// A black window on GNOME Shell: an actor the extension puts on the stage, above the shell's own
// panels, popups and Overview. The window is only a frame and a flag here; its factory sends every
// shown frame to the shell in one call on commit.
class GnomeBlackWindow : public BlackWindow {
public:
    GnomeBlackWindow(GnomeOverlays& overlays, const Rect& frame);
    ~GnomeBlackWindow() override;

    void setFrame(const Rect& frame) override;
    void show() override;
    void hide() override;
    bool isVisible() const override { return visible_; }
    Rect frame() const override { return frame_; }

private:
    GnomeOverlays& overlays_;
    Rect frame_;
    bool visible_ = false;
};

class GnomeOverlays : public BlackWindowFactory {
public:
    explicit GnomeOverlays(GnomeShellExtension& extension);

    std::unique_ptr<BlackWindow> create(const Rect& frame) override;
    void commit() override;
    void setOpacity(double opacity) override;

    // Called by the windows.
    void add(GnomeBlackWindow& window) { windows_.push_back(&window); }
    void remove(GnomeBlackWindow& window);
    void changed() { changed_ = true; }

private:
    GnomeShellExtension& extension_;
    std::vector<GnomeBlackWindow*> windows_; // in order of creation, the shell's stacking order too
    double opacity_ = 1.0;
    bool changed_ = false;
    Subscription returned_;
};

} // namespace vesperon
