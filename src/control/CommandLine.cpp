#include "control/CommandLine.h"

#include <array>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace vesperon {

namespace {

using Action = ControlCommand::Action;

struct Option {
    std::string_view name;
    Action action;
};

constexpr std::array options{
    Option{"--blackout-all", Action::blackoutAll},
    Option{"--wake", Action::wakeAll},
    Option{"--toggle", Action::toggle},
    Option{"--blackout", Action::blackoutDisplay},
    Option{"--wake-display", Action::wakeDisplay},
    Option{"--toggle-display", Action::toggleDisplay},
    Option{"--keep-only", Action::keepOnly},
    Option{"--preferences", Action::showPreferences},
    Option{"--quit", Action::quit},
    Option{"--status", Action::status},
    Option{"--list-displays", Action::listDisplays},
};

// "0.75" or "75%", from half to full black.
std::optional<double> parseLevel(const std::string& text)
{
    const bool percent = text.ends_with('%');
    const std::string number = percent ? text.substr(0, text.size() - 1) : text;
    if (number.empty() || number.find_first_not_of("0123456789.") != std::string::npos)
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end) / (percent ? 100.0 : 1.0);
    if (*end != '\0' || !(value >= 0.5 && value <= 1.0))
        return std::nullopt;
    return value;
}

// Whole minutes from 0 (never) to 120.
std::optional<int> parseMinutes(const std::string& text)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::stoi(text);
    return value <= 120 ? std::optional(value) : std::nullopt;
}

CommandLine usageError(std::string error)
{
    CommandLine line;
    line.mode = CommandLine::Mode::usageError;
    line.error = std::move(error);
    return line;
}

} // namespace

CommandLine CommandLine::parse(const std::vector<std::string>& arguments)
{
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help")
            return CommandLine{Mode::help, {}, false, {}};
        if (argument == "--version")
            return CommandLine{Mode::version, {}, false, {}};
        if (argument == "--json") {
            line.json = true;
            continue;
        }
        // "--blackout=DP-1" is "--blackout DP-1".
        const auto equals = argument.find('=');
        const std::string_view name = std::string_view(argument).substr(0, equals);
        if (name == "--backend") {
            std::string value;
            if (equals != std::string::npos)
                value = argument.substr(equals + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            if (value != "x11" && value != "wayland")
                return usageError("--backend takes x11 or wayland");
            line.backend = value == "x11" ? Backend::x11 : Backend::wayland;
            continue;
        }
        const auto value = [&] {
            return equals != std::string::npos ? argument.substr(equals + 1)
                : i + 1 < arguments.size()     ? arguments[++i]
                                               : std::string();
        };
        if (name == "--dim") {
            const std::optional<double> level = parseLevel(value());
            if (!level)
                return usageError("--dim takes a level from 0.5 (dim) to 1 (black), or 50% to 100%");
            line.commands.push_back({Action::setDimLevel, {}, *level});
            continue;
        }
        if (name == "--idle-minutes") {
            const std::optional<int> minutes = parseMinutes(value());
            if (!minutes)
                return usageError("--idle-minutes takes whole minutes from 1 to 120, or 0 for never");
            line.commands.push_back({Action::setIdleMinutes, {}, 1.0, *minutes});
            continue;
        }
        const Option* option = nullptr;
        for (const Option& candidate : options)
            if (candidate.name == name)
                option = &candidate;
        if (!option)
            return usageError(
                (argument.starts_with('-') ? "unknown option '" : "unexpected argument '") + argument + "'");
        const bool takesDisplay = ControlCommand::needsDisplay(option->action);
        if (!takesDisplay && equals != std::string::npos)
            return usageError(std::string(name) + " takes no value");
        std::string display;
        if (takesDisplay && equals != std::string::npos)
            display = argument.substr(equals + 1);
        else if (takesDisplay && i + 1 < arguments.size() && !arguments[i + 1].starts_with("--"))
            display = arguments[++i];
        if (takesDisplay && display.empty())
            return usageError(
                std::string(name) + " needs a display: its identifier, connector name or position in --list-displays");
        line.commands.push_back({option->action, std::move(display)});
    }
    if (line.json && line.commands.empty())
        return usageError("--json goes with --status or --list-displays");
    if (line.backend != Backend::automatic && !line.commands.empty())
        return usageError("--backend goes with starting Vesperon, not with commands to it");
    line.mode = line.commands.empty() ? Mode::run : Mode::control;
    return line;
}

const std::string& CommandLine::usage()
{
    static const std::string text = "Usage: vesperon [--blackout-all | --wake | --toggle | --blackout DISPLAY | "
                                    "--wake-display DISPLAY | --toggle-display DISPLAY | --keep-only DISPLAY | "
                                    "--dim LEVEL | --idle-minutes N | --preferences | --quit | --status [--json] | "
                                    "--list-displays [--json] | --help]\n"
                                    "       vesperon [--backend x11|wayland]";
    return text;
}

const std::string& CommandLine::help()
{
    static const std::string text = R"(Usage: vesperon [OPTION]...
Black out chosen monitors from the tray, with global hotkeys, or from the command line.

Without an option, start Vesperon; when it runs already, open its preferences window.
  --backend x11|wayland     start on this display server's backend instead of the
                            one Vesperon chooses for the session
With options, tell the running Vesperon what to do, in the order given:
  --blackout-all            black out every monitor
  --wake                    wake every monitor
  --toggle                  black out every monitor, or wake them all during a blackout
  --blackout DISPLAY        black out one monitor
  --wake-display DISPLAY    wake one monitor
  --toggle-display DISPLAY  black out one monitor, or wake it when it is dark
  --keep-only DISPLAY       black out every monitor but this one
  --dim LEVEL               let a blackout dim instead, from 0.5 (half) to 1 (black,
                            the default), or 50% to 100%; it needs a compositor
  --idle-minutes N          black out by itself after N minutes (1 to 120) without
                            input; 0 never does
  --preferences             open the preferences window
  --quit                    wake every monitor and quit
  --status                  say whether a blackout is active and which monitors are dark
  --list-displays           list the monitors
  --json                    print --status and --list-displays as JSON
  -h, --help                show this help and exit
  --version                 show the version and exit

DISPLAY is a monitor's identifier, its connector name (DP-1, HDMI-1, eDP-1) or its
position in --list-displays, counting from 1.

Exit status: 0 done; 1 Vesperon is not running; 2 bad usage or an unknown display;
3 no D-Bus session bus.
)";
    return text;
}

} // namespace vesperon
