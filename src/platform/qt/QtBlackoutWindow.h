#pragma once

#include "platform/WindowService.h"

#include <QWidget>

namespace vesperon {

class X11StackKeeper;

// The black window as an override-redirect X11 top-level: no window manager handles it, so it is
// on every workspace, in no taskbar or switcher, and never focused. `keeper` (may be null) keeps it
// above windows mapped or raised later.
class QtBlackoutWindow : public QWidget, public PlatformWindow {
public:
    QtBlackoutWindow(const Rect& frame, X11StackKeeper* keeper);
    ~QtBlackoutWindow() override;

    void setFrame(const Rect& frame) override;
    void orderFront() override;
    void orderOut() override;
    bool isVisible() const override { return QWidget::isVisible(); }
    Rect frame() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    X11StackKeeper* keeper_;
};

class QtWindowService : public WindowService {
public:
    explicit QtWindowService(X11StackKeeper* keeper) : keeper_(keeper) {}
    std::unique_ptr<PlatformWindow> createBlackoutWindow(const Rect& frame) override;

private:
    X11StackKeeper* keeper_;
};

} // namespace vesperon
