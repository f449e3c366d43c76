#include "x11/X11BlackWindow.h"

#include "core/Translation.h"
#include "x11/X11StackKeeper.h"
#include "x11/XcbConnection.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>

namespace vesperon {

namespace {

// The displays' frames are in the server's own pixels.
QRect nativeRect(const Rect& frame)
{
    return QRect(static_cast<int>(std::lround(frame.x)), static_cast<int>(std::lround(frame.y)),
        static_cast<int>(std::lround(frame.width)), static_cast<int>(std::lround(frame.height)));
}

void setProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type, int format,
    std::uint32_t length, const void* data)
{
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, name, type, static_cast<std::uint8_t>(format), length, data);
}

} // namespace

X11BlackWindow::X11BlackWindow(X11BlackWindowFactory& factory, xcb_window_t window, const Rect& frame)
    : factory_(factory)
    , window_(window)
    , frame_(frame)
{
    factory_.configure(window_, frame_);
}

X11BlackWindow::~X11BlackWindow()
{
    hide();
    factory_.giveBack(window_);
}

void X11BlackWindow::setFrame(const Rect& frame)
{
    frame_ = frame;
    factory_.configure(window_, frame_);
    if (visible_ && factory_.connection_) // a hidden one goes out with its map
        factory_.connection_->flush();
}

void X11BlackWindow::show()
{
    visible_ = true;
    if (!factory_.connection_)
        return;
    xcb_connection_t* c = factory_.connection_->get();
    if (factory_.keeper_)
        factory_.keeper_->keepAbove(window_);
    // Raised while still unmapped, so that the server paints it once, on top, when it maps.
    const std::uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(c, window_, XCB_CONFIG_WINDOW_STACK_MODE, &above); // sent on commit
    xcb_map_window(c, window_);
}

void X11BlackWindow::hide()
{
    if (!std::exchange(visible_, false) || !factory_.connection_)
        return;
    xcb_unmap_window(factory_.connection_->get(), window_); // sent on commit
    if (factory_.keeper_)
        factory_.keeper_->release(window_);
}

X11BlackWindowFactory::X11BlackWindowFactory(XcbConnection* connection, X11StackKeeper* keeper)
    : connection_(connection)
    , keeper_(keeper)
{
    if (!connection_)
        return;
    internAtoms();
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, &screenWatch_, [this] { keepReady(); });
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, &screenWatch_, [this] { keepReady(); });
    keepReady();
}

X11BlackWindowFactory::~X11BlackWindowFactory()
{
    if (!connection_)
        return;
    for (xcb_window_t window : ready_)
        xcb_destroy_window(connection_->get(), window);
    xcb_flush(connection_->get());
}

std::unique_ptr<BlackWindow> X11BlackWindowFactory::create(const Rect& frame)
{
    xcb_window_t window = XCB_WINDOW_NONE;
    if (!connection_) {
        // Nothing can be shown without a server; the window only keeps its state.
    } else if (ready_.empty()) {
        window = make();
    } else {
        // The one that covered this monitor last time, if any: it need not move.
        const QRect native = nativeRect(frame);
        auto it = std::ranges::find_if(ready_, [&](xcb_window_t w) { return placed_[w] == native; });
        if (it == ready_.end())
            it = std::prev(ready_.end());
        window = *it;
        ready_.erase(it);
    }
    inUse_.push_back(window);
    return std::make_unique<X11BlackWindow>(*this, window, frame);
}

// One window ready for each monitor not dark now; the rest go.
void X11BlackWindowFactory::keepReady()
{
    const std::size_t monitors = static_cast<std::size_t>(QGuiApplication::screens().size());
    const std::size_t wanted = monitors > inUse_.size() ? monitors - inUse_.size() : 0;
    if (ready_.size() == wanted)
        return;
    while (ready_.size() < wanted)
        ready_.push_back(make());
    while (ready_.size() > wanted) {
        xcb_destroy_window(connection_->get(), ready_.back());
        placed_.erase(ready_.back());
        ready_.pop_back();
    }
    xcb_flush(connection_->get());
}

void X11BlackWindowFactory::commit()
{
    if (connection_)
        connection_->flush();
}

void X11BlackWindowFactory::giveBack(xcb_window_t window)
{
    inUse_.erase(std::ranges::find(inUse_, window)); // one: without a server every window is None
    if (!connection_)
        return;
    ready_.push_back(window);
    keepReady();
}

void X11BlackWindowFactory::configure(xcb_window_t window, const Rect& frame)
{
    if (!connection_)
        return;
    const QRect native = nativeRect(frame);
    if (std::exchange(placed_[window], native) == native)
        return;
    const std::uint32_t values[] = {static_cast<std::uint32_t>(native.x()), static_cast<std::uint32_t>(native.y()),
        static_cast<std::uint32_t>(std::max(1, native.width())),
        static_cast<std::uint32_t>(std::max(1, native.height()))};
    // Sent with the next map or frame change: one write per window on the way to black.
    xcb_configure_window(connection_->get(), window,
        XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
}

// All asked for at once: one round trip.
void X11BlackWindowFactory::internAtoms()
{
    xcb_connection_t* c = connection_->get();
    static constexpr std::array<std::string_view, atomCount> names{
        "_NET_WM_NAME", "UTF8_STRING", "_NET_WM_WINDOW_OPACITY", "_COMPTON_SHADOW"};
    std::array<xcb_intern_atom_cookie_t, atomCount> cookies{};
    for (std::size_t i = 0; i < atomCount; ++i)
        cookies[i] = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(names[i].size()), names[i].data());
    for (std::size_t i = 0; i < atomCount; ++i) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookies[i], nullptr);
        atoms_[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
    }
}

xcb_window_t X11BlackWindowFactory::make()
{
    xcb_connection_t* c = connection_->get();
    const xcb_screen_t& screen = connection_->screen();
    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t values[] = {screen.black_pixel, 1 /* override-redirect */, 0 /* no events */};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen.root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
        screen.root_visual, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    static constexpr char wmClass[] = "vesperon\0Vesperon";
    static constexpr char title[] = "Vesperon Blackout";
    setProperty(c, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, sizeof wmClass, wmClass);
    setProperty(c, window, atoms_[netWmName], atoms_[utf8String], 8, sizeof title - 1, title);
    // A compositor must not make the blackout see-through: picom and its forerunners dim windows
    // they think inactive (override-redirect ones included) and cast shadows onto the monitor beside.
    const std::uint32_t noShadow = 0;
    applyOpacity(window);
    setProperty(c, window, atoms_[comptonShadow], XCB_ATOM_CARDINAL, 32, 1, &noShadow);
    return window;
}

void X11BlackWindowFactory::applyOpacity(xcb_window_t window) const
{
    setProperty(connection_->get(), window, atoms_[windowOpacity], XCB_ATOM_CARDINAL, 32, 1, &opacity_);
}

void X11BlackWindowFactory::setOpacity(double opacity)
{
    const auto value = static_cast<std::uint32_t>(std::lround(std::clamp(opacity, 0.0, 1.0) * 0xffffffff));
    if (value == opacity_ || !connection_)
        return;
    opacity_ = value;
    for (const auto* windows : {&ready_, &inUse_})
        for (xcb_window_t window : *windows)
            applyOpacity(window);
}

std::optional<std::string> X11BlackWindowFactory::cannotDim() const
{
    if (!connection_)
        //: why dimming is unavailable
        return translated("Dimming", "Needs an X server");
    xcb_connection_t* c = connection_->get();
    const std::string selection = "_NET_WM_CM_S" + std::to_string(connection_->screenNumber());
    xcb_get_selection_owner_reply_t* reply
        = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, internAtom(c, selection.c_str())), nullptr);
    const bool compositing = reply && reply->owner != XCB_WINDOW_NONE;
    std::free(reply);
    if (compositing)
        return std::nullopt;
    //: why dimming is unavailable
    return translated("Dimming", "Needs a compositing manager (such as picom); none is running");
}

} // namespace vesperon
