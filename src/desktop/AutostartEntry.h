#pragma once

#include "platform/Autostart.h"

#include <filesystem>
#include <string>

namespace vesperon {

// The desktop entry an installation puts in share/applications, as built into the program.
std::string installedDesktopEntry();

// Launch at login as an XDG autostart entry: $XDG_CONFIG_HOME/autostart/vesperon.desktop, a copy
// of the installed desktop entry whose commands start this program by its absolute path, so that
// a run from the build folder starts the same program at login.
class AutostartEntry : public Autostart {
public:
    AutostartEntry(std::filesystem::path entry, std::filesystem::path executable, std::string desktopEntry);
    static std::filesystem::path defaultPath();

    std::optional<std::string> enable() override;
    std::optional<std::string> disable() override;
    // Present, and not switched off by Hidden=true or X-GNOME-Autostart-enabled=false.
    bool isEnabled() const override;

    // The Exec= value for a path: quoted as desktop entries require when it needs quoting.
    static std::string execValue(const std::filesystem::path& executable);
    // The entry's text: the desktop entry with every Exec= starting `executable`.
    std::string text() const;

private:
    std::filesystem::path entry_;
    std::filesystem::path executable_;
    std::string desktopEntry_;
};

} // namespace vesperon
