#include "control/CommandLine.h"

#include "core/Translation.h"

#include <algorithm>
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
                //: An error on the command line; --backend, x11 and wayland are typed as they are.
                return usageError(translated("CommandLine", "--backend takes x11 or wayland"));
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
                //: An error on the command line; --dim is typed as it is.
                return usageError(
                    translated("CommandLine", "--dim takes a level from 0.5 (dim) to 1 (black), or 50% to 100%"));
            line.commands.push_back({Action::setDimLevel, {}, *level});
            continue;
        }
        if (name == "--idle-minutes") {
            const std::optional<int> minutes = parseMinutes(value());
            if (!minutes)
                //: An error on the command line; --idle-minutes is typed as it is.
                return usageError(
                    translated("CommandLine", "--idle-minutes takes whole minutes from 1 to 120, or 0 for never"));
            line.commands.push_back({Action::setIdleMinutes, {}, 1.0, *minutes});
            continue;
        }
        if (name == "--idle-scope") {
            const std::string scope = value();
            const std::string stored = scope == "all" ? "all"
                : scope == "all-but-pointer"          ? "allButPointer"
                : scope == "each-display"             ? "eachDisplay"
                                                      : "";
            if (stored.empty())
                //: An error on the command line; --idle-scope and its values are typed as they are.
                return usageError(translated("CommandLine", "--idle-scope takes all, all-but-pointer or each-display"));
            line.commands.push_back({Action::setIdleScope, {}, 1.0, 0, {}, stored});
            continue;
        }
        const Option* option = nullptr;
        for (const Option& candidate : options)
            if (candidate.name == name)
                option = &candidate;
        if (!option) {
            //: An error on the command line; %1 is the option as the user typed it.
            const std::string unknown = translated("CommandLine", "unknown option '%1'");
            //: An error on the command line; %1 is the argument as the user typed it.
            const std::string unexpected = translated("CommandLine", "unexpected argument '%1'");
            return usageError(substitute(argument.starts_with('-') ? unknown : unexpected, {argument}));
        }
        const bool takesDisplay = ControlCommand::needsDisplay(option->action);
        if (!takesDisplay && equals != std::string::npos)
            //: An error on the command line; %1 is an option, such as --wake.
            return usageError(substitute(translated("CommandLine", "%1 takes no value"), {std::string(name)}));
        std::string display;
        if (takesDisplay && equals != std::string::npos)
            display = argument.substr(equals + 1);
        else if (takesDisplay && i + 1 < arguments.size() && !arguments[i + 1].starts_with("--"))
            display = arguments[++i];
        if (takesDisplay && display.empty()) {
            //: An error on the command line; %1 is an option, such as --blackout.
            const std::string needs = translated(
                "CommandLine", "%1 needs a display: its identifier, connector name or position in --list-displays");
            return usageError(substitute(needs, {std::string(name)}));
        }
        line.commands.push_back({option->action, std::move(display)});
    }
    if (line.json && line.commands.empty())
        //: An error on the command line; the options are typed as they are.
        return usageError(translated("CommandLine", "--json goes with --status or --list-displays"));
    if (line.backend != Backend::automatic && !line.commands.empty())
        //: An error on the command line; --backend is typed as it is.
        return usageError(translated("CommandLine", "--backend goes with starting Vesperon, not with commands to it"));
    line.mode = line.commands.empty() ? Mode::run : Mode::control;
    return line;
}

std::string CommandLine::usage()
{
    //: Printed after an error on the command line. %1 is how to give the running Vesperon commands,
    //: %2 how to start it, both typed as they are; keep the second line under the first's %1.
    return substitute(translated("CommandLine", "Usage: %1\n       %2"),
        {"vesperon [--blackout-all | --wake | --toggle | --blackout DISPLAY | --wake-display DISPLAY | "
         "--toggle-display DISPLAY | --keep-only DISPLAY | --dim LEVEL | --idle-minutes N | --idle-scope WHICH | "
         "--preferences | --quit | "
         "--status [--json] | --list-displays [--json] | --help]",
            "vesperon [--backend x11|wayland]"});
}

// The options and their placeholders are typed as they are, so only what they do is translated; a
// line break in a description goes on under the descriptions' column.
std::string CommandLine::help()
{
    const auto option = [](std::string_view syntax, const std::string& description) {
        constexpr std::size_t column = 28;
        std::string line = "  " + std::string(syntax);
        line.resize(std::max(line.size() + 2, column), ' ');
        for (const char c : description)
            line += c == '\n' ? "\n" + std::string(column, ' ') : std::string(1, c);
        return line + "\n";
    };
    //: The help's first line; %1 is the command's form, typed as it is.
    std::string text = substitute(translated("CommandLine", "Usage: %1"), {"vesperon [OPTION]..."}) + "\n";
    //: The help's second line: what Vesperon is for.
    text += translated("CommandLine",
                "Black out chosen monitors from the tray, with global hotkeys, or from the command line.")
        + "\n\n";
    //: In the help, before the option that goes with starting Vesperon.
    text += translated(
                "CommandLine", "Without an option, start Vesperon; when it runs already, open its preferences window.")
        + "\n";
    //: The help's description of --backend x11|wayland; a line break goes on under the description.
    text += option("--backend x11|wayland",
        translated("CommandLine",
            "start on this display server's backend instead of the\n"
            "one Vesperon chooses for the session"));
    //: In the help, before the options that are commands to the running Vesperon.
    text += translated("CommandLine", "With options, tell the running Vesperon what to do, in the order given:") + "\n";
    //: The help's description of --blackout-all.
    text += option("--blackout-all", translated("CommandLine", "black out every monitor"));
    //: The help's description of --wake.
    text += option("--wake", translated("CommandLine", "wake every monitor"));
    //: The help's description of --toggle.
    text
        += option("--toggle", translated("CommandLine", "black out every monitor, or wake them all during a blackout"));
    //: The help's description of --blackout DISPLAY.
    text += option("--blackout DISPLAY", translated("CommandLine", "black out one monitor"));
    //: The help's description of --wake-display DISPLAY.
    text += option("--wake-display DISPLAY", translated("CommandLine", "wake one monitor"));
    //: The help's description of --toggle-display DISPLAY.
    text += option(
        "--toggle-display DISPLAY", translated("CommandLine", "black out one monitor, or wake it when it is dark"));
    //: The help's description of --keep-only DISPLAY.
    text += option("--keep-only DISPLAY", translated("CommandLine", "black out every monitor but this one"));
    //: The help's description of --dim LEVEL; a line break goes on under the description.
    text += option("--dim LEVEL",
        translated("CommandLine",
            "let a blackout dim instead, from 0.5 (half) to 1 (black,\n"
            "the default), or 50% to 100%; it needs a compositor"));
    //: The help's description of --idle-minutes N; keep N, and a line break goes on under the description.
    text += option("--idle-minutes N",
        translated("CommandLine",
            "black out by itself after N minutes (1 to 120) without\n"
            "input; 0 never does"));
    //: The help's description of --idle-scope; keep the option's values, and a line break goes on under the
    //: description.
    text += option("--idle-scope WHICH",
        translated("CommandLine",
            "which displays the idle blackout darkens: all,\n"
            "all-but-pointer, or each-display, each one the pointer\n"
            "has left alone that long"));
    //: The help's description of --preferences.
    text += option("--preferences", translated("CommandLine", "open the preferences window"));
    //: The help's description of --quit.
    text += option("--quit", translated("CommandLine", "wake every monitor and quit"));
    //: The help's description of --status.
    text += option(
        "--status", translated("CommandLine", "say whether a blackout is active and which monitors are dark"));
    //: The help's description of --list-displays.
    text += option("--list-displays", translated("CommandLine", "list the monitors"));
    //: The help's description of --json; the options are typed as they are.
    text += option("--json", translated("CommandLine", "print --status and --list-displays as JSON"));
    //: The help's description of -h, --help.
    text += option("-h, --help", translated("CommandLine", "show this help and exit"));
    //: The help's description of --version.
    text += option("--version", translated("CommandLine", "show the version and exit"));
    //: In the help, after the options; keep DISPLAY and --list-displays, and break the lines where they fit.
    text += "\n"
        + translated("CommandLine",
            "DISPLAY is a monitor's identifier, its connector name (DP-1, HDMI-1, eDP-1) or its\n"
            "position in --list-displays, counting from 1.")
        + "\n\n";
    //: The help's last paragraph: the numbers the program exits with; break the lines where they fit.
    text += translated("CommandLine",
                "Exit status: 0 done; 1 Vesperon is not running; 2 bad usage or an unknown display;\n"
                "3 no D-Bus session bus.")
        + "\n";
    return text;
}

} // namespace vesperon
