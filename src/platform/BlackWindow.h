#pragma once

#include "core/Geometry.h"

#include <memory>
#include <optional>
#include <string>

namespace vesperon {

// A borderless, opaque black window over one monitor. It never takes keyboard focus, shows on every
// workspace, is listed in no taskbar or window switcher, swallows the clicks aimed at it and is kept
// above every other window while shown. Created hidden.
class BlackWindow {
public:
    virtual ~BlackWindow() = default;
    virtual void setFrame(const Rect& frame) = 0;
    // Shows the window above everything without activating the program.
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;
    virtual Rect frame() const = 0;
};

class BlackWindowFactory {
public:
    virtual ~BlackWindowFactory() = default;
    virtual std::unique_ptr<BlackWindow> create(const Rect& frame) = 0;
    // What the windows were told since the last call reaches the screen together; until then it
    // may wait (a backend may send each change at once, and then this does nothing).
    virtual void commit() {}

    // Every window, shown or not, lets `opacity` (0.5 to 1) of black over what lies beneath: a dim
    // level. Where nothing composites the windows stay black.
    virtual void setOpacity(double /*opacity*/) {}
    // Why a dim level cannot show now (no compositing manager runs); nothing when it can.
    virtual std::optional<std::string> cannotDim() const { return std::nullopt; }
};

} // namespace vesperon
