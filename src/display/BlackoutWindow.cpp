#include "display/BlackoutWindow.h"

#include "platform/WindowService.h"

namespace vesperon {

BlackoutWindow::BlackoutWindow(const DisplayInfo& display, WindowService& windows)
    : displayInfo_(display), window_(windows.createBlackoutWindow(display.frame))
{
}

BlackoutWindow::~BlackoutWindow() = default;

void BlackoutWindow::setFrame(const Rect& frame)
{
    window_->setFrame(frame);
}

void BlackoutWindow::orderFrontRegardless()
{
    window_->orderFront();
}

void BlackoutWindow::orderOut()
{
    window_->orderOut();
}

bool BlackoutWindow::isVisible() const
{
    return window_->isVisible();
}

Rect BlackoutWindow::frame() const
{
    return window_->frame();
}

} // namespace vesperon
