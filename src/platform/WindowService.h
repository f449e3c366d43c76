#pragma once

#include "platform/Geometry.h"

#include <memory>

namespace vesperon {

// A borderless, opaque black top-level window that never takes keyboard focus, shows on every
// workspace, is listed in no taskbar or window switcher, swallows the clicks aimed at it and is
// kept above every other window while shown. Created hidden.
class PlatformWindow {
public:
    virtual ~PlatformWindow() = default;
    // Moves and resizes the window, redrawing at once.
    virtual void setFrame(const Rect& frame) = 0;
    // Shows the window above everything without activating the program.
    virtual void orderFront() = 0;
    virtual void orderOut() = 0;
    virtual bool isVisible() const = 0;
    virtual Rect frame() const = 0;
};

class WindowService {
public:
    virtual ~WindowService() = default;
    virtual std::unique_ptr<PlatformWindow> createBlackoutWindow(const Rect& frame) = 0;
};

} // namespace vesperon
