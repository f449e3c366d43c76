#pragma once

#include "platform/BlackWindow.h"

#include <QWidget>

namespace vesperon {

class X11StackKeeper;

// The black window as an override-redirect X11 top-level: no window manager handles it, so it is
// on every workspace, in no taskbar or switcher, and never focused. `keeper` (may be null) keeps it
// above windows mapped or raised later.
class X11BlackWindow : public QWidget, public BlackWindow {
public:
    X11BlackWindow(const Rect& frame, X11StackKeeper* keeper);
    ~X11BlackWindow() override;

    void setFrame(const Rect& frame) override;
    void show() override;
    void hide() override;
    bool isVisible() const override { return QWidget::isVisible(); }
    Rect frame() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    X11StackKeeper* keeper_;
};

class X11BlackWindowFactory : public BlackWindowFactory {
public:
    explicit X11BlackWindowFactory(X11StackKeeper* keeper) : keeper_(keeper) {}
    std::unique_ptr<BlackWindow> create(const Rect& frame) override;

private:
    X11StackKeeper* keeper_;
};

} // namespace vesperon
