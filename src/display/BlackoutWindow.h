#pragma once

#include "model/DisplayInfo.h"

#include <memory>

namespace vesperon {

class BlackWindow;
class BlackWindowFactory;

// The black window covering one blacked-out display. It is created hidden with the display's
// frame; the display manager shows, places and hides it.
class BlackoutWindow {
public:
    BlackoutWindow(const DisplayInfo& display, BlackWindowFactory& windows);
    ~BlackoutWindow();
    BlackoutWindow(const BlackoutWindow&) = delete;
    BlackoutWindow& operator=(const BlackoutWindow&) = delete;

    // The display as it was when the window was made; later frames arrive through setFrame.
    const DisplayInfo& displayInfo() const { return displayInfo_; }

    void setFrame(const Rect& frame);
    void show();
    void hide();

    bool isVisible() const;
    Rect frame() const;

private:
    DisplayInfo displayInfo_;
    std::unique_ptr<BlackWindow> window_;
};

} // namespace vesperon
