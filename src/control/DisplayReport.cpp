#include "control/DisplayReport.h"

#include "core/Translation.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vesperon {

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<unsigned long long> parseNumber(std::string_view text)
{
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// X geometry notation, as xrandr prints it: 1920x1080+1920+0.
std::string geometry(const Rect& frame)
{
    const auto number = [](double v) { return std::to_string(static_cast<long long>(v)); };
    const auto offset = [&](double v) { return (v < 0 ? "" : "+") + number(v); };
    return number(frame.width) + "x" + number(frame.height) + offset(frame.x) + offset(frame.y);
}

// The columns UTF-8 text takes in a terminal, near enough: one per character. A translated heading
// or a monitor's name may well be more than ASCII.
std::size_t columns(std::string_view text)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string padded(std::string text, std::size_t width)
{
    const std::size_t taken = columns(text);
    if (taken < width)
        text.append(width - taken, ' ');
    return text;
}

// A monitor's state in `vesperon --list-displays`.
std::string state(const DisplayReport& display)
{
    if (display.dark && display.primary)
        //: State column of --list-displays and --status: blacked out, the primary monitor.
        return translated("StatusReport", "dark, primary");
    if (display.dark)
        //: State column of --list-displays and --status: blacked out.
        return translated("StatusReport", "dark");
    if (display.primary)
        //: State column of --list-displays and --status: not blacked out, the primary monitor.
        return translated("StatusReport", "lit, primary");
    //: State column of --list-displays and --status: not blacked out.
    return translated("StatusReport", "lit");
}

} // namespace

std::optional<DisplayId> StatusReport::find(std::string_view argument) const
{
    const auto number = parseNumber(argument);
    for (const DisplayReport& display : displays)
        if (number && *number == display.id)
            return display.id;
    for (const DisplayReport& display : displays)
        if (!display.connector.empty() && equalIgnoringCase(display.connector, argument))
            return display.id;
    if (number && *number >= 1 && *number <= displays.size())
        return displays[*number - 1].id;
    return std::nullopt;
}

std::string StatusReport::describeDisplays() const
{
    std::string text;
    for (std::size_t i = 0; i < displays.size(); ++i) {
        text += (i ? ", " : "") + std::to_string(i + 1) + " " + displays[i].name;
    }
    //: In place of the list of monitors, after "the displays are:", when there is none.
    return text.empty() ? translated("StatusReport", "none") : text;
}

std::string StatusReport::text(bool withSummary) const
{
    std::string text;
    if (withSummary) {
        const int dark
            = static_cast<int>(std::ranges::count_if(displays, [](const DisplayReport& d) { return d.dark; }));
        if (active)
            //: The first line of `vesperon --status` during a blackout: %n monitors are dark, of %1 in all.
            text = substitute(translated("StatusReport", "Blackout active: %n of %1 displays dark", nullptr, dark),
                       {std::to_string(displays.size())})
                + "\n";
        else
            //: The first line of `vesperon --status` when there is no blackout.
            text = translated("StatusReport", "No blackout: every display is lit") + "\n";
    }
    std::vector<std::vector<std::string>> rows{{
        //: Column heading of --list-displays: the monitor's position in the list.
        translated("StatusReport", "#"),
        //: Column heading of --list-displays: the connector's name, such as DP-1.
        translated("StatusReport", "CONNECTOR"),
        //: Column heading of --list-displays: the monitor's identifier, a number.
        translated("StatusReport", "IDENTIFIER"),
        //: Column heading of --list-displays: the monitor's name.
        translated("StatusReport", "NAME"),
        //: Column heading of --list-displays: position and size, such as 1920x1080+0+0.
        translated("StatusReport", "GEOMETRY"),
        //: Column heading of --list-displays: whether the monitor is dark or lit.
        translated("StatusReport", "STATE"),
    }};
    for (std::size_t i = 0; i < displays.size(); ++i) {
        const DisplayReport& d = displays[i];
        rows.push_back({std::to_string(i + 1), d.connector.empty() ? "-" : d.connector, std::to_string(d.id), d.name,
            geometry(d.frame), state(d)});
    }
    std::vector<std::size_t> widths(rows[0].size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], columns(row[c]));
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c + 1 < row.size(); ++c)
            line += padded(row[c], widths[c] + 2);
        text += line + row.back() + "\n";
    }
    return text;
}

std::string StatusReport::json(bool withSummary) const
{
    nlohmann::json list = nlohmann::json::array();
    for (std::size_t i = 0; i < displays.size(); ++i) {
        const DisplayReport& d = displays[i];
        const auto whole = [](double v) { return static_cast<long long>(v); };
        list.push_back({{"position", i + 1}, {"id", d.id}, {"connector", d.connector}, {"name", d.name},
            {"x", whole(d.frame.x)}, {"y", whole(d.frame.y)}, {"width", whole(d.frame.width)},
            {"height", whole(d.frame.height)}, {"primary", d.primary}, {"dark", d.dark}});
    }
    const nlohmann::json document = withSummary ? nlohmann::json{{"active", active}, {"displays", list}} : list;
    // A monitor's name comes from its EDID: never let a stray byte make the output invalid.
    return document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

} // namespace vesperon
