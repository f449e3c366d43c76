#pragma once

#include <string>
#include <vector>

namespace vesperon {

// GNOME's own custom keyboard shortcuts (Settings › Keyboard › Custom Shortcuts), which run a
// command whatever window is in front. Where Vesperon runs through XWayland on GNOME its own
// grabs see only X11 windows' keys, so it offers to put its hotkeys there.
namespace GnomeCustomShortcuts {

struct Shortcut {
    std::string id; // stays the same from run to run: Vesperon's entry is updated, not doubled
    std::string title; // as the settings list it
    std::string command;
    std::string accelerator; // "<Shift><Super>d"
};

// Whether this is GNOME, with its settings tool and the shortcuts' schema.
bool isAvailable();
// Adds each shortcut, or updates the entry Vesperon made for it before; the user's own entries
// stay as they are. False when GNOME's settings could not be changed.
bool add(const std::vector<Shortcut>& shortcuts);

} // namespace GnomeCustomShortcuts

} // namespace vesperon
