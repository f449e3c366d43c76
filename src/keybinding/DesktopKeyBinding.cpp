#include "keybinding/DesktopKeyBinding.h"

#include "core/Translation.h"
#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace vesperon {

namespace {

using Syntax = DesktopKeyBinding::Syntax;

// XKB's names for the keys whose name in Vesperon is not one.
std::string keysym(const std::string& name)
{
    static const std::array<std::pair<std::string_view, std::string_view>, 16> names{{{"=", "equal"}, {"-", "minus"},
        {"]", "bracketright"}, {"[", "bracketleft"}, {"'", "apostrophe"}, {";", "semicolon"}, {"\\", "backslash"},
        {",", "comma"}, {"/", "slash"}, {".", "period"}, {"`", "grave"}, {"Space", "space"}, {"Backspace", "BackSpace"},
        {"Esc", "Escape"}, {"Enter", "KP_Enter"}, {"Return", "Return"}}};
    for (const auto& [ours, xkb] : names)
        if (name == ours)
            return std::string(xkb);
    return name;
}

std::string lower(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The combination as the desktop writes it: its names for the modifiers, then the key.
std::string keys(Syntax syntax, const KeyCombo& combo)
{
    // Control, Alt, Shift, Super, in each desktop's words.
    static constexpr std::array<std::uint32_t, 4> order{
        ModifierMask::control, ModifierMask::alt, ModifierMask::shift, ModifierMask::super};
    using Names = std::array<const char*, 4>;
    const Names names = syntax == Syntax::sway ? Names{"Ctrl", "Mod1", "Shift", "Mod4"}
        : syntax == Syntax::hyprland           ? Names{"CTRL", "ALT", "SHIFT", "SUPER"}
        : syntax == Syntax::labwc              ? Names{"C", "A", "S", "W"}
                                               : Names{"Ctrl", "Alt", "Shift", "Super"};
    const std::string separator = syntax == Syntax::hyprland ? " " : syntax == Syntax::labwc ? "-" : "+";
    std::string text;
    for (std::size_t i = 0; i < order.size(); ++i)
        if (combo.modifiers & order[i])
            text += (text.empty() ? "" : separator) + names[i];
    const std::optional<std::string> name = KeyCombo::keyName(combo.keyCode);
    // Letters are lower case where the key's own symbol is meant.
    const std::string key = name ? keysym(*name) : "";
    const bool letter = key.size() == 1 && std::isalpha(static_cast<unsigned char>(key[0]));
    const std::string written = letter && (syntax == Syntax::sway || syntax == Syntax::labwc) ? lower(key) : key;
    if (syntax == Syntax::hyprland)
        return text + ", " + written;
    return text + (text.empty() ? "" : separator) + written;
}

// For a shell (sway's exec, Hyprland's, labwc's Execute): plain words as they are, others quoted.
std::string shellWord(const std::string& word)
{
    const bool plain = !word.empty() && std::ranges::all_of(word, [](unsigned char c) {
        return std::isalnum(c) || std::string_view("-_./:=+,@%").find(static_cast<char>(c)) != std::string_view::npos;
    });
    if (plain)
        return word;
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string joined(const std::vector<std::string>& words, std::string (*each)(const std::string&))
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + each(word);
    return text;
}

std::string kdlString(const std::string& word)
{
    std::string text = "\"";
    for (const char c : word)
        text += c == '"' || c == '\\' ? std::string{'\\', c} : std::string(1, c);
    return text + "\"";
}

std::string xmlAttribute(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

DesktopKeyBinding DesktopKeyBinding::forDesktop(std::string_view currentDesktop, std::string program)
{
    static const std::array<std::pair<std::string_view, Syntax>, 5> desktops{{{"sway", Syntax::sway},
        {"i3", Syntax::sway}, {"hyprland", Syntax::hyprland}, {"niri", Syntax::niri}, {"labwc", Syntax::labwc}}};
    std::string_view rest = currentDesktop;
    while (!rest.empty()) {
        const std::size_t colon = std::min(rest.find(':'), rest.size());
        const std::string name = lower(std::string(rest.substr(0, colon)));
        rest.remove_prefix(std::min(colon + 1, rest.size()));
        for (const auto& [desktop, syntax] : desktops)
            if (name == desktop)
                return {syntax, std::move(program)};
    }
    return {Syntax::command, std::move(program)};
}

std::string DesktopKeyBinding::instructions() const
{
    switch (syntax) {
    case Syntax::sway:
        return translated("DesktopKeyBinding",
            "This desktop binds keys itself: add these lines to its configuration file and reload it.");
    case Syntax::hyprland:
        return translated("DesktopKeyBinding", "This desktop binds keys itself: add these lines to hyprland.conf.");
    case Syntax::niri:
        return translated("DesktopKeyBinding",
            "This desktop binds keys itself: add these lines to the binds section of niri's config.kdl.");
    case Syntax::labwc:
        return translated("DesktopKeyBinding",
            "This desktop binds keys itself: add these lines to the keyboard section of labwc's rc.xml and "
            "reconfigure it.");
    case Syntax::command:
        break;
    }
    return translated("DesktopKeyBinding",
        "This desktop binds keys itself: add a custom shortcut in its keyboard settings for each command below.");
}

std::string DesktopKeyBinding::accelerator(const KeyCombo& combo)
{
    const std::optional<std::string> name = KeyCombo::keyName(combo.keyCode);
    if (!name)
        return {};
    static constexpr std::array<std::pair<std::uint32_t, const char*>, 4> modifiers{
        {{ModifierMask::control, "<Control>"}, {ModifierMask::alt, "<Alt>"}, {ModifierMask::shift, "<Shift>"},
            {ModifierMask::super, "<Super>"}}};
    std::string text;
    for (const auto& [mask, written] : modifiers)
        if (combo.modifiers & mask)
            text += written;
    const std::string key = keysym(*name);
    return text + (key.size() == 1 ? lower(key) : key);
}

std::vector<std::string> DesktopKeyBinding::command(
    const HotkeyAction& action, const std::vector<DisplayInfo>& displays) const
{
    const auto display = std::ranges::find(displays, action.display, &DisplayInfo::id);
    const std::string name = display != displays.end() && !display->connector.empty() ? display->connector
                                                                                      : std::to_string(action.display);
    switch (action.kind) {
    case HotkeyAction::Kind::blackoutAll:
        return {program, "--toggle"};
    case HotkeyAction::Kind::toggleDisplay:
        return {program, "--toggle-display", name};
    case HotkeyAction::Kind::keepOnlyDisplay:
        return {program, "--keep-only", name};
    case HotkeyAction::Kind::safetyWake:
        break;
    }
    return {program, "--wake"};
}

std::string DesktopKeyBinding::line(
    const KeyCombo& combo, const HotkeyAction& action, const std::vector<DisplayInfo>& displays) const
{
    const std::vector<std::string> words = command(action, displays);
    switch (syntax) {
    case Syntax::sway:
        return "bindsym " + keys(syntax, combo) + " exec " + joined(words, shellWord);
    case Syntax::hyprland:
        return "bind = " + keys(syntax, combo) + ", exec, " + joined(words, shellWord);
    case Syntax::niri:
        return keys(syntax, combo) + " { spawn " + joined(words, kdlString) + "; }";
    case Syntax::labwc:
        return "<keybind key=\"" + xmlAttribute(keys(syntax, combo)) + "\"><action name=\"Execute\" command=\""
            + xmlAttribute(joined(words, shellWord)) + "\"/></keybind>";
    case Syntax::command:
        break;
    }
    return joined(words, shellWord);
}

} // namespace vesperon
