#pragma once

#include <string>
#include <vector>

namespace vesperon {

// One request to the running Vesperon.
struct ControlCommand {
    enum class Action {
        blackoutAll,
        wakeAll,
        toggle,
        blackoutDisplay,
        wakeDisplay,
        toggleDisplay,
        keepOnly,
        showPreferences,
        quit,
        status,
        listDisplays,
        setDimLevel,
        setIdleMinutes,
        setIdleScope,
    };
    Action action;
    std::string display; // for the one-display actions: identifier, connector name or position
    double level = 1.0; // for setDimLevel: the blackout's opacity, 0.5 to 1
    int minutes = 0; // for setIdleMinutes: 0 (never) to 120
    // The launcher's xdg-activation token or X11 startup id, so that a window raised on its behalf
    // comes to the front.
    std::string activationToken{};
    // For setIdleScope: its stored name, "all", "allButPointer" or "eachDisplay".
    std::string scope{};

    static bool needsDisplay(Action action)
    {
        return action == Action::blackoutDisplay || action == Action::wakeDisplay || action == Action::toggleDisplay
            || action == Action::keepOnly;
    }

    friend bool operator==(const ControlCommand&, const ControlCommand&) = default;
};

// What the command line asks for. Several commands run in the order given.
struct CommandLine {
    enum class Mode { run, help, version, control, usageError };
    Mode mode = Mode::run;
    std::vector<ControlCommand> commands;
    bool json = false;
    std::string error; // for usageError: what is wrong, one line
    enum class Backend { automatic, x11, wayland };
    Backend backend = Backend::automatic; // for run: the display server's backend

    static CommandLine parse(const std::vector<std::string>& arguments);
    // In the user's language.
    static std::string help();
    static std::string usage();
};

} // namespace vesperon
