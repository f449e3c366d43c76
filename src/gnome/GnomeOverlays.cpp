#include "gnome/GnomeOverlays.h"

#include "gnome/GnomeShellExtension.h"

#include <algorithm>

namespace vesperon {

GnomeBlackWindow::GnomeBlackWindow(GnomeOverlays& overlays, const Rect& frame) : overlays_(overlays), frame_(frame)
{
    overlays_.add(*this);
}

GnomeBlackWindow::~GnomeBlackWindow() { overlays_.remove(*this); }

void GnomeBlackWindow::setFrame(const Rect& frame)
{
    frame_ = frame;
    overlays_.changed();
}

void GnomeBlackWindow::show()
{
    visible_ = true;
    overlays_.changed();
}

void GnomeBlackWindow::hide()
{
    visible_ = false;
    overlays_.changed();
}

GnomeOverlays::GnomeOverlays(GnomeShellExtension& extension)
    : extension_(extension)
    , returned_(extension.returned.connect([this] {
        changed_ = true;
        commit();
    }))
{
}

std::unique_ptr<BlackWindow> GnomeOverlays::create(const Rect& frame)
{
    return std::make_unique<GnomeBlackWindow>(*this, frame);
}

void GnomeOverlays::remove(GnomeBlackWindow& window)
{
    std::erase(windows_, &window);
    changed_ = true;
}

void GnomeOverlays::setOpacity(double opacity)
{
    opacity_ = opacity;
    changed_ = true;
}

void GnomeOverlays::commit()
{
    if (!changed_)
        return;
    changed_ = false;
    std::vector<Rect> frames;
    for (const GnomeBlackWindow* window : windows_)
        if (window->isVisible())
            frames.push_back(window->frame());
    extension_.setOverlays(frames, opacity_);
}

} // namespace vesperon
