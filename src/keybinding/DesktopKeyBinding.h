#pragma once

#include "core/KeyCombo.h"
#include "model/DisplayInfo.h"
#include "model/HotkeyAction.h"

#include <string>
#include <string_view>
#include <vector>

namespace vesperon {

// Where no program may take keys for itself (Wayland outside KDE) the desktop binds them: what to
// tell it so that a combination runs Vesperon's control command, in its own configuration's words.
struct DesktopKeyBinding {
    enum class Syntax {
        sway, // sway and i3: bindsym
        hyprland, // bind =
        niri, // a line of the binds block
        labwc, // a keybind element of rc.xml
        command, // any other desktop (GNOME's custom shortcuts): the command alone
    };
    Syntax syntax = Syntax::command;
    std::string program = "vesperon"; // the command that reaches the running Vesperon

    // From XDG_CURRENT_DESKTOP: names separated by colons, any case.
    static DesktopKeyBinding forDesktop(std::string_view currentDesktop, std::string program);

    // Where the lines go, one sentence.
    std::string instructions() const;
    // The line that makes `combo` do `action`; a display is named by its connector where it has one.
    std::string line(const KeyCombo& combo, const HotkeyAction& action, const std::vector<DisplayInfo>& displays) const;
    // As GNOME writes a combination in its key bindings: "<Shift><Super>d"; empty for a key
    // without a name.
    static std::string accelerator(const KeyCombo& combo);
    // The control command's words for `action`, program first.
    std::vector<std::string> command(const HotkeyAction& action, const std::vector<DisplayInfo>& displays) const;
};

} // namespace vesperon
