#pragma once

#include "control/CommandLine.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

namespace vesperon {

class DisplayServer;
class InstanceClaim;

// The display server's backend for this session: how to claim the display for this process, and
// how to make the backend. `chooseDisplayServer` runs before the QApplication exists, since it
// also tells Qt which platform plugin to load; the claim runs before it too, the backend after.
struct DisplayServerChoice {
    std::function<std::unique_ptr<InstanceClaim>()> claim;
    std::function<std::unique_ptr<DisplayServer>()> make;
    std::string display; // its name, as the environment gives it

    explicit operator bool() const { return static_cast<bool>(make); }
};

// Wayland where the session is Wayland and its compositor offers layer-shell, or on GNOME Shell
// where Vesperon's extension runs in it, else X11 (through
// XWayland under other Wayland compositors, said once on `messages`); `backend` forces one.
// Empty, with the reason said on `messages`, when Vesperon cannot run.
DisplayServerChoice chooseDisplayServer(std::ostream& messages, CommandLine::Backend backend);

} // namespace vesperon
