#include "x11/X11BlackWindow.h"

#include "x11/X11StackKeeper.h"
#include "x11/XcbConnection.h"

#include <QGuiApplication>
#include <QPainter>

#include <cmath>
#include <utility>

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

// A compositor must not make the blackout see-through: picom and its forerunners dim windows they
// think inactive (override-redirect ones included) and throw shadows onto the monitor beside.
void setOpaqueWithoutShadow(WId window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const std::uint32_t opaque = 0xffffffff, noShadow = 0;
    for (const auto& [name, value] : {std::pair{"_NET_WM_WINDOW_OPACITY", &opaque}, std::pair{"_COMPTON_SHADOW", &noShadow}}) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window), internAtom(connection, name),
            XCB_ATOM_CARDINAL, 32, 1, value);
    }
    xcb_flush(connection);
}

} // namespace

X11BlackWindow::X11BlackWindow(const Rect& frame, X11StackKeeper* keeper)
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
    setOpaqueWithoutShadow(winId());
}

X11BlackWindow::~X11BlackWindow()
{
    if (keeper_)
        keeper_->release(static_cast<xcb_window_t>(winId()));
}

void X11BlackWindow::setFrame(const Rect& frame)
{
    setGeometry(toQRect(frame));
    update();
}

void X11BlackWindow::show()
{
    QWidget::show();
    raise();
    if (keeper_)
        keeper_->keepAbove(static_cast<xcb_window_t>(winId()));
}

void X11BlackWindow::hide()
{
    if (keeper_)
        keeper_->release(static_cast<xcb_window_t>(winId()));
    QWidget::hide();
}

Rect X11BlackWindow::frame() const
{
    const QRect g = geometry();
    return Rect{static_cast<double>(g.x()), static_cast<double>(g.y()), static_cast<double>(g.width()),
        static_cast<double>(g.height())};
}

void X11BlackWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::black);
}

std::unique_ptr<BlackWindow> X11BlackWindowFactory::create(const Rect& frame)
{
    return std::make_unique<X11BlackWindow>(frame, keeper_);
}

} // namespace vesperon
