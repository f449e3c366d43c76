#pragma once

#include "platform/InstanceClaim.h"

namespace vesperon {

// One Vesperon per Wayland display: an exclusive lock on a file beside the
// compositor's socket in $XDG_RUNTIME_DIR (the user's own, private folder),
// named after the display. The kernel lets go when the process ends, however it
// ends.
class WaylandInstanceClaim : public InstanceClaim {
public:
    WaylandInstanceClaim();
    ~WaylandInstanceClaim() override;
    WaylandInstanceClaim(const WaylandInstanceClaim&) = delete;
    WaylandInstanceClaim& operator=(const WaylandInstanceClaim&) = delete;

    bool isOurs() const override { return ours_; }

private:
    int fd_ = -1;
    bool ours_ = true; // without a runtime folder there is no session to share
};

} // namespace vesperon
