#include "app/DisplayServerChoice.h"

#include "core/Translation.h"
#include "gnome/GnomeDisplayServer.h"
#include "wayland/WaylandDisplayServer.h"
#include "wayland/WaylandInstanceClaim.h"
#include "x11/X11DisplayServer.h"
#include "x11/X11InstanceClaim.h"
#include "x11/X11ServerLoss.h"

#include <cstdlib>
#include <ostream>

namespace vesperon {

namespace {

// What does not work through XWayland, said at start and in the preferences. Chosen before the
// application exists, so these and the other messages here go through translated().
std::string xwaylandLimits()
{
    //: Said at start and in the preferences, under a Wayland compositor without the layer-shell protocol.
    return translated("DisplayServerChoice",
        "This Wayland desktop offers no layer-shell, so Vesperon runs through XWayland: keys pressed in Wayland "
        "windows reach neither its hotkeys nor its wake keys, and the desktop's own overlays may show above the "
        "black windows");
}

std::string gnomeNotLoaded()
{
    //: Said at start and in the preferences, on GNOME just after the extension was installed.
    return translated("DisplayServerChoice",
        "Vesperon's GNOME Shell extension is installed, but GNOME Shell loads new extensions only when the session "
        "starts: log out and in once to use it");
}

std::string gnomeAbsent()
{
    //: Said at start and in the preferences, on GNOME without the extension; "Overview" is GNOME's own name.
    return translated("DisplayServerChoice",
        "Vesperon's GNOME Shell extension is not installed. Without it Vesperon runs through XWayland: keys pressed "
        "in Wayland windows reach neither its hotkeys nor its wake keys (bind its commands in GNOME's keyboard "
        "settings instead), and the Overview and the shell's popups show above the black windows");
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

DisplayServerChoice wayland(std::unique_ptr<WaylandConnection> connection)
{
    // Qt draws the tray menu and the preferences as a client of the same compositor.
    setenv("QT_QPA_PLATFORM", "wayland", 1);
    auto shared = std::make_shared<std::unique_ptr<WaylandConnection>>(std::move(connection));
    return {[] { return std::make_unique<WaylandInstanceClaim>(); },
        [shared] { return std::make_unique<WaylandDisplayServer>(std::move(*shared)); },
        environment("WAYLAND_DISPLAY")};
}

DisplayServerChoice gnome()
{
    setenv("QT_QPA_PLATFORM", "wayland", 1);
    return {[] { return std::make_unique<WaylandInstanceClaim>(); },
        [] { return std::make_unique<GnomeDisplayServer>(); }, environment("WAYLAND_DISPLAY")};
}

DisplayServerChoice x11(std::ostream& messages, const std::string& limits)
{
    // The backend's own connections and Qt's must reach the same X server.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    if (!X11DisplayServer::isReachable()) {
        const std::string display = environment("DISPLAY");
        //: Said at start, when Vesperon cannot run; %1 is the X display's name, such as ":0".
        const std::string unreachable
            = translated("DisplayServerChoice", "Vesperon needs an X11 display and cannot connect to \"%1\".");
        //: Said at start, when Vesperon cannot run; DISPLAY is the environment variable, typed as it is.
        const std::string unset
            = translated("DisplayServerChoice", "Vesperon needs an X11 display: DISPLAY is not set.");
        messages << (display.empty() ? unset : substitute(unreachable, {display})) << std::endl;
        return {};
    }
    if (!limits.empty())
        messages << "Vesperon: " << limits << "." << std::endl;
    sayOnceWhenTheXServerIsLost();
    return {[] { return std::make_unique<X11InstanceClaim>(); },
        [limits] { return std::make_unique<X11DisplayServer>(limits); }, environment("DISPLAY")};
}

} // namespace

DisplayServerChoice chooseDisplayServer(std::ostream& messages, CommandLine::Backend backend)
{
    const std::string waylandDisplay = environment("WAYLAND_DISPLAY");
    if (backend == CommandLine::Backend::x11 || (backend == CommandLine::Backend::automatic && waylandDisplay.empty()))
        return x11(messages, {});
    if (auto connection = WaylandDisplayServer::connectIfSupported())
        return wayland(std::move(connection));
    const auto shell = waylandDisplay.empty() ? GnomeShellExtension::State::noShell : GnomeShellExtension::probe();
    if (shell == GnomeShellExtension::State::loaded)
        return gnome();
    if (backend == CommandLine::Backend::automatic)
        return x11(messages,
            shell == GnomeShellExtension::State::installedNotLoaded ? gnomeNotLoaded()
                : shell == GnomeShellExtension::State::absent       ? gnomeAbsent()
                                                                    : xwaylandLimits());
    //: Said at start with --backend wayland; WAYLAND_DISPLAY is the environment variable, typed as it is.
    const std::string unset
        = translated("DisplayServerChoice", "Vesperon cannot run on Wayland: WAYLAND_DISPLAY is not set.");
    //: Said at start with --backend wayland; %1 is the Wayland display's name, such as "wayland-0".
    const std::string unusable = translated("DisplayServerChoice",
        "Vesperon cannot run on Wayland here: the compositor at \"%1\" cannot be reached or offers no layer-shell.");
    messages << (waylandDisplay.empty() ? unset : substitute(unusable, {waylandDisplay})) << std::endl;
    return {};
}

} // namespace vesperon
