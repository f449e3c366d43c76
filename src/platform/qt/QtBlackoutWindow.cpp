#include "platform/qt/QtBlackoutWindow.h"

#include "platform/x11/X11StackKeeper.h"

#include <QGuiApplication>
#include <QPainter>

#include <cmath>

#include <xcb/xcb.h>

namespace vesperon {

namespace {

QRect toQRect(const Rect& frame)
{
    return QRect(static_cast<int>(std::lround(frame.x)), static_cast<int>(std::lround(frame.y)),
        static_cast<int>(std::lround(frame.width)), static_cast<int>(std::lround(frame.height)));
}

// The X server fills the window with black itself, so it is black from the moment it is mapped,
// before Qt has painted anything.
void setBlackBackgroundPixel(WId window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t black = screen ? screen->black_pixel : 0;
    xcb_change_window_attributes(connection, static_cast<xcb_window_t>(window), XCB_CW_BACK_PIXEL, &black);
    xcb_flush(connection);
}

} // namespace

QtBlackoutWindow::QtBlackoutWindow(const Rect& frame, X11StackKeeper* keeper)
    : QWidget(nullptr,
          Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint | Qt::WindowStaysOnTopHint
              | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint)
    , keeper_(keeper)
{
    setWindowTitle(QStringLiteral("Vesperon Blackout"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(toQRect(frame));
    setBlackBackgroundPixel(winId());
}

QtBlackoutWindow::~QtBlackoutWindow()
{
    if (keeper_)
        keeper_->release(static_cast<xcb_window_t>(winId()));
}

void QtBlackoutWindow::setFrame(const Rect& frame)
{
    setGeometry(toQRect(frame));
    update();
}

void QtBlackoutWindow::orderFront()
{
    show();
    raise();
    if (keeper_)
        keeper_->keepAbove(static_cast<xcb_window_t>(winId()));
}

void QtBlackoutWindow::orderOut()
{
    if (keeper_)
        keeper_->release(static_cast<xcb_window_t>(winId()));
    hide();
}

Rect QtBlackoutWindow::frame() const
{
    const QRect g = geometry();
    return Rect{static_cast<double>(g.x()), static_cast<double>(g.y()), static_cast<double>(g.width()),
        static_cast<double>(g.height())};
}

void QtBlackoutWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::black);
}

std::unique_ptr<PlatformWindow> QtWindowService::createBlackoutWindow(const Rect& frame)
{
    return std::make_unique<QtBlackoutWindow>(frame, keeper_);
}

} // namespace vesperon
