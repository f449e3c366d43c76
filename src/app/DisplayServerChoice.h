#pragma once

#include <functional>
#include <iosfwd>
#include <memory>

namespace vesperon {

class DisplayServer;
class InstanceClaim;

// The display server's backend for this session: how to claim the display for this process, and
// how to make the backend. `chooseDisplayServer` runs before the QApplication exists, since it
// also tells Qt which platform plugin to load; the claim runs before it too, the backend after.
struct DisplayServerChoice {
    std::function<std::unique_ptr<InstanceClaim>()> claim;
    std::function<std::unique_ptr<DisplayServer>()> make;

    explicit operator bool() const { return static_cast<bool>(make); }
};

// Empty, with the reason said on `messages`, when Vesperon cannot run.
DisplayServerChoice chooseDisplayServer(std::ostream& messages);

} // namespace vesperon
