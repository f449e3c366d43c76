#pragma once

#include "platform/Autostart.h"

#include <filesystem>

namespace vesperon {

// Launch at login as an XDG autostart entry: $XDG_CONFIG_HOME/autostart/vesperon.desktop, which
// starts the program by its absolute path.
class AutostartEntry : public Autostart {
public:
    AutostartEntry(std::filesystem::path entry, std::filesystem::path executable);
    static std::filesystem::path defaultPath();

    std::optional<std::string> enable() override;
    std::optional<std::string> disable() override;
    // Present, and not switched off by Hidden=true or X-GNOME-Autostart-enabled=false.
    bool isEnabled() const override;

    // The Exec= value for a path: quoted as desktop entries require when it needs quoting.
    static std::string execValue(const std::filesystem::path& executable);

private:
    std::filesystem::path entry_;
    std::filesystem::path executable_;
};

} // namespace vesperon
