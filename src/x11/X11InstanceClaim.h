#pragma once

#include "platform/InstanceClaim.h"

#include <xcb/xcb.h>

namespace vesperon {

// One Vesperon per X display, the way window and desktop managers mark themselves: the owner of a
// selection on the display. The check and the claim happen under a server grab, so two starts at
// once cannot both win, and the X server lets go when the owner's connection ends. Whatever the
// display is called (":0", "unix:0", "localhost:0") it is the same selection; no file is involved.
// Plain xcb, no Qt: it runs before the application object exists.
class X11InstanceClaim : public InstanceClaim {
public:
    explicit X11InstanceClaim(const char* display = nullptr); // $DISPLAY when null
    ~X11InstanceClaim() override;
    X11InstanceClaim(const X11InstanceClaim&) = delete;
    X11InstanceClaim& operator=(const X11InstanceClaim&) = delete;

    bool isOurs() const override { return ours_; }

private:
    xcb_connection_t* connection_ = nullptr;
    bool ours_ = true; // without a server there is nothing to share; the start fails elsewhere
};

} // namespace vesperon
