#pragma once

#include "platform/BlackWindow.h"

#include <QObject>
#include <QRect>

#include <array>
#include <map>
#include <memory>
#include <vector>

#include <xcb/xcb.h>

namespace vesperon {

class X11BlackWindowFactory;
class X11StackKeeper;
class XcbConnection;

// The black window: a bare override-redirect X11 window whose background pixel is black, so the X
// server paints it the moment it is mapped, with no toolkit drawing and no image upload. No window
// manager handles it: it is on every workspace, in no taskbar or switcher, never focused. It
// selects no events (the input tap sees what the user does). The stack keeper (may be null) keeps
// it above windows mapped or raised later.
class X11BlackWindow : public BlackWindow {
public:
    X11BlackWindow(X11BlackWindowFactory& factory, xcb_window_t window, const Rect& frame);
    ~X11BlackWindow() override; // unmapped and handed back to the factory

    void setFrame(const Rect& frame) override;
    void show() override;
    void hide() override;
    bool isVisible() const override { return visible_; }
    Rect frame() const override { return frame_; }

private:
    X11BlackWindowFactory& factory_;
    xcb_window_t window_;
    Rect frame_;
    bool visible_ = false;
};

// Keeps one hidden black window ready per monitor, made when a monitor appears, so that a
// blackout only moves and maps windows that exist already.
class X11BlackWindowFactory : public BlackWindowFactory {
public:
    // Inert without a connection (no X server for it). The keeper (may be null) shares it.
    X11BlackWindowFactory(XcbConnection* connection, X11StackKeeper* keeper);
    ~X11BlackWindowFactory() override;

    std::unique_ptr<BlackWindow> create(const Rect& frame) override;
    // Sends the maps, raises and unmaps of one update in one write.
    void commit() override;
    // As _NET_WM_WINDOW_OPACITY, which compositing managers apply and the X server ignores.
    void setOpacity(double opacity) override;
    // A compositing manager owns _NET_WM_CM_S<screen> while it runs.
    std::optional<std::string> cannotDim() const override;

private:
    friend class X11BlackWindow;
    void keepReady();
    void giveBack(xcb_window_t window);
    void configure(xcb_window_t window, const Rect& frame);
    void internAtoms();
    xcb_window_t make();

    XcbConnection* connection_;
    X11StackKeeper* keeper_;
    void applyOpacity(xcb_window_t window) const;

    std::vector<xcb_window_t> ready_;
    std::vector<xcb_window_t> inUse_;
    std::map<xcb_window_t, QRect> placed_; // where each was last sent

    std::uint32_t opacity_ = 0xffffffff;
    enum Atom : std::size_t { netWmName, utf8String, windowOpacity, comptonShadow, atomCount };
    std::array<xcb_atom_t, atomCount> atoms_{};
    QObject screenWatch_;
};

} // namespace vesperon
