#pragma once

#include "display/DisplayInfo.h"

#include <memory>

namespace vesperon {

class PlatformWindow;
class WindowService;

// The black window covering one blacked-out display. It is created hidden with the display's
// frame; the display manager shows, places and hides it.
class BlackoutWindow {
public:
    BlackoutWindow(const DisplayInfo& display, WindowService& windows);
    ~BlackoutWindow();
    BlackoutWindow(const BlackoutWindow&) = delete;
    BlackoutWindow& operator=(const BlackoutWindow&) = delete;

    // The display as it was when the window was made; later frames arrive through setFrame.
    const DisplayInfo& displayInfo() const { return displayInfo_; }

    void setFrame(const Rect& frame);
    void orderFrontRegardless();
    void orderOut();

    bool isVisible() const;
    Rect frame() const;

private:
    DisplayInfo displayInfo_;
    std::unique_ptr<PlatformWindow> window_;
};

} // namespace vesperon
