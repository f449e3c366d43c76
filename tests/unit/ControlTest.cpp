// Driving the running program from outside: the command line, the display names it accepts, what
// it prints, and the commands over the fake desktop.
#include "control/ControlService.h"
#include "keybinding/DesktopKeyBinding.h"
#include "support/FakeDesktop.h"

#include <gtest/gtest.h>

using namespace vesperon;
using namespace vesperon::testing;
using Action = ControlCommand::Action;
using Mode = CommandLine::Mode;
using Xs = std::multiset<double>;

TEST(CommandLine, CommandsRunInTheOrderGivenAndMistakesAreNamed)
{
    const std::string needsDisplay = " needs a display: its identifier, connector name or position in --list-displays";
    const std::tuple<std::vector<std::string>, Mode, std::vector<ControlCommand>, std::string> cases[] = {
        {{"--blackout", "DP-1", "--keep-only=2", "--toggle"}, Mode::control,
            {{Action::blackoutDisplay, "DP-1"}, {Action::keepOnly, "2"}, {Action::toggle, ""}}, ""},
        {{"--wake", "--help"}, Mode::help, {}, ""},
        {{"--frob"}, Mode::usageError, {}, "unknown option '--frob'"},
        {{"DP-1"}, Mode::usageError, {}, "unexpected argument 'DP-1'"},
        {{"--blackout", "--wake"}, Mode::usageError, {}, "--blackout" + needsDisplay},
        {{"--backend", "wayland"}, Mode::run, {}, ""},
        {{"--backend=mir"}, Mode::usageError, {}, "--backend takes x11 or wayland"},
        {{"--backend=x11", "--wake"}, Mode::usageError, {},
            "--backend goes with starting Vesperon, not with commands to it"},
        {{"--dim", "0.75", "--dim=80%", "--dim", "1"}, Mode::control,
            {{Action::setDimLevel, "", 0.75}, {Action::setDimLevel, "", 0.8}, {Action::setDimLevel, "", 1.0}}, ""},
        {{"--idle-minutes", "10", "--idle-minutes=0", "--idle-minutes=120"}, Mode::control,
            {{Action::setIdleMinutes, "", 1.0, 10}, {Action::setIdleMinutes, "", 1.0, 0},
                {Action::setIdleMinutes, "", 1.0, 120}},
            ""},
    };
    for (const auto& [arguments, mode, commands, error] : cases) {
        const CommandLine line = CommandLine::parse(arguments);
        EXPECT_EQ(line.mode, mode) << arguments.size();
        EXPECT_EQ(line.commands, commands) << line.error;
        EXPECT_EQ(line.error, error);
    }
    const std::string minutes = "--idle-minutes takes whole minutes from 1 to 120, or 0 for never",
                      level = "--dim takes a level from 0.5 (dim) to 1 (black), or 50% to 100%";
    for (const char* value : {"121", "-1", "1.5", "", "0120 "})
        EXPECT_EQ(CommandLine::parse({"--idle-minutes", value}).error, minutes) << value;
    for (const char* value : {"0.4", "1.01", "49%", "0.5.1", "nan"})
        EXPECT_EQ(CommandLine::parse({"--dim", value}).error, level) << value;
}

TEST(StatusReport, NamesADisplayByIdentifierConnectorOrPositionAndPrintsForPeopleAndScripts)
{
    const StatusReport report{true,
        {{4, "DP-1", "DELL U2720Q (DP-1)", Rect{0, 0, 2560, 1440}, true, false},
            {2, "HDMI-1", "HDMI-1", Rect{2560, -200, 1920, 1080}, false, true}}};
    const std::pair<const char*, std::optional<DisplayId>> names[] = {{"4", 4}, {"dp-1", 4}, {"HDMI-1", 2}, {"2", 2},
        {"1", 4}, {"3", std::nullopt}, {"0", std::nullopt}, {"DP", std::nullopt}, {"+1", std::nullopt}};
    for (const auto& [name, id] : names)
        EXPECT_EQ(report.find(name), id) << '"' << name << '"';

    EXPECT_EQ(report.text(true),
        "Blackout active: 1 of 2 displays dark\n"
        "#  CONNECTOR  IDENTIFIER  NAME                GEOMETRY            STATE\n"
        "1  DP-1       4           DELL U2720Q (DP-1)  2560x1440+0+0       lit, primary\n"
        "2  HDMI-1     2           HDMI-1              1920x1080+2560-200  dark\n");
    EXPECT_EQ(nlohmann::json::parse(report.json(false))[1], nlohmann::json::parse(R"({"position": 2, "id": 2,
        "connector": "HDMI-1", "name": "HDMI-1", "x": 2560, "y": -200, "width": 1920, "height": 1080,
        "primary": false, "dark": true})"));
    EXPECT_TRUE(nlohmann::json::accept(StatusReport{false, {{1, "DP-1", "\xff\xfe", {}, false, false}}}.json(false)))
        << "a stray byte in a monitor name";
}

// The windows' logic is DisplayManager's; here, that each command reaches the right display.
TEST(ControlService, CommandsTakeTheMenusPathAndTheStateIsAnnouncedOncePerTurn)
{
    FakeDesktop desktop;
    ControlService& control = desktop.start().control();
    int announced = 0;
    const Subscription counting = control.stateChanged.connect([&] { ++announced; });
    const auto perform = [&](Action action, std::string display = {}) {
        auto refused = control.perform({action, std::move(display)});
        desktop.loop.runUntilIdle();
        return refused;
    };
    EXPECT_FALSE(perform(Action::blackoutDisplay, "DP-2"));
    EXPECT_EQ(desktop.windows.shown(), (Xs{1920}));
    perform(Action::toggleDisplay, "1");
    EXPECT_EQ(desktop.windows.shown(), (Xs{0, 1920}));
    perform(Action::toggleDisplay, "2");
    EXPECT_EQ(desktop.windows.shown(), (Xs{0})) << "a dark display toggles back to lit";
    perform(Action::wakeAll);
    EXPECT_EQ(announced, 4) << "a wake changes the set and the flag in one turn";
    perform(Action::keepOnly, "2");
    EXPECT_EQ(desktop.windows.shown(), (Xs{0}));
    perform(Action::wakeDisplay, "1");
    perform(Action::toggle);
    EXPECT_EQ(desktop.windows.shown(), (Xs{0, 1920}));
    perform(Action::blackoutAll);
    EXPECT_EQ(announced, 7) << "nothing changed, nothing announced";

    EXPECT_EQ(perform(Action::wakeDisplay, "DP-7"),
        "no display \"DP-7\"; the displays are: 1 Monitor 1 (DP-1), 2 Monitor 2 (DP-2)");
    EXPECT_EQ(desktop.windows.shown(), (Xs{0, 1920}));

    perform(Action::showPreferences);
    EXPECT_EQ(desktop.preferencesShown, 1);
    EXPECT_FALSE(control.perform({Action::setDimLevel, "", 0.6}));
    EXPECT_EQ(desktop.windows.opacity, 0.6) << "the dim level, stored and shown at once";
    control.perform({Action::quit, ""});
    EXPECT_EQ(desktop.application.quits, 0) << "the caller hears back first";
    desktop.loop.runUntilIdle();
    EXPECT_EQ(desktop.application.quits, 1);
}
TEST(DesktopKeyBinding, EachDesktopGetsALineInItsOwnWords)
{
    using Syntax = DesktopKeyBinding::Syntax;
    for (const auto& [desktop, syntax] :
        std::vector<std::pair<const char*, Syntax>>{{"sway", Syntax::sway}, {"i3", Syntax::sway},
            {"Hyprland", Syntax::hyprland}, {"niri", Syntax::niri}, {"labwc:wlroots", Syntax::labwc},
            {"ubuntu:GNOME", Syntax::command}, {"", Syntax::command}, {"swayfx", Syntax::command}})
        EXPECT_EQ(DesktopKeyBinding::forDesktop(desktop, "vesperon").syntax, syntax) << desktop;

    const std::vector<DisplayInfo> displays{{7, "DELL", {}, false, "DP-1", false}};
    const KeyCombo shiftSuperD{2, 0x0300}, ctrlAltEsc{53, 0x1800}, comma{43, 0};
    const std::tuple<Syntax, KeyCombo, HotkeyAction, const char*> cases[] = {
        {Syntax::sway, shiftSuperD, HotkeyAction::blackoutAll(), "bindsym Shift+Mod4+d exec vesperon --toggle"},
        {Syntax::sway, ctrlAltEsc, HotkeyAction::toggleDisplay(7),
            "bindsym Ctrl+Mod1+Escape exec vesperon --toggle-display DP-1"},
        {Syntax::hyprland, shiftSuperD, HotkeyAction::keepOnlyDisplay(7),
            "bind = SHIFT SUPER, D, exec, vesperon --keep-only DP-1"},
        {Syntax::hyprland, comma, HotkeyAction::toggleDisplay(9), "bind = , comma, exec, vesperon --toggle-display 9"},
        {Syntax::niri, ctrlAltEsc, HotkeyAction::blackoutAll(), R"(Ctrl+Alt+Escape { spawn "vesperon" "--toggle"; })"},
        {Syntax::labwc, shiftSuperD, HotkeyAction::toggleDisplay(7),
            R"(<keybind key="S-W-d"><action name="Execute" command="vesperon --toggle-display DP-1"/></keybind>)"},
        {Syntax::command, shiftSuperD, HotkeyAction::blackoutAll(), "vesperon --toggle"},
    };
    for (const auto& [syntax, combo, action, line] : cases)
        EXPECT_EQ((DesktopKeyBinding{syntax, "vesperon"}.line(combo, action, displays)), line);

    // GNOME's accelerators: the modifiers in its order, letters lower case, XKB's key names.
    EXPECT_EQ(DesktopKeyBinding::accelerator(shiftSuperD), "<Shift><Super>d");
    EXPECT_EQ(DesktopKeyBinding::accelerator(ctrlAltEsc), "<Control><Alt>Escape");
    EXPECT_EQ(DesktopKeyBinding::accelerator(comma), "comma");
    EXPECT_EQ(DesktopKeyBinding::accelerator(KeyCombo{0xFFFF, 0x1000}), "") << "a key without a name";

    // A program outside PATH is named by its path, quoted for the shell or the file where needed.
    const std::string odd = "/home/me/my \"builds\"/it's & vesperon";
    EXPECT_EQ((DesktopKeyBinding{Syntax::sway, odd}.line(shiftSuperD, HotkeyAction::blackoutAll(), displays)),
        R"(bindsym Shift+Mod4+d exec '/home/me/my "builds"/it'\''s & vesperon' --toggle)");
}
