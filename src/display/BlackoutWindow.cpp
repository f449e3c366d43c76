#include "display/BlackoutWindow.h"

#include "platform/BlackWindow.h"

namespace vesperon {

BlackoutWindow::BlackoutWindow(const DisplayInfo& display, BlackWindowFactory& windows)
    : displayInfo_(display)
    , window_(windows.create(display.frame))
{
}

BlackoutWindow::~BlackoutWindow() = default;

void BlackoutWindow::setFrame(const Rect& frame) { window_->setFrame(frame); }

void BlackoutWindow::show() { window_->show(); }

void BlackoutWindow::hide() { window_->hide(); }

bool BlackoutWindow::isVisible() const { return window_->isVisible(); }

Rect BlackoutWindow::frame() const { return window_->frame(); }

} // namespace vesperon
