#include "control/DisplayReport.h"

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

std::string padded(std::string text, std::size_t width)
{
    text.resize(std::max(text.size(), width), ' ');
    return text;
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
    return text.empty() ? "none" : text;
}

std::string StatusReport::text(bool withSummary) const
{
    std::string text;
    if (withSummary) {
        const auto dark = std::ranges::count_if(displays, [](const DisplayReport& d) { return d.dark; });
        text = active
            ? "Blackout active: " + std::to_string(dark) + " of " + std::to_string(displays.size()) + " displays dark\n"
            : "No blackout: every display is lit\n";
    }
    std::vector<std::vector<std::string>> rows{{"#", "CONNECTOR", "IDENTIFIER", "NAME", "GEOMETRY", "STATE"}};
    for (std::size_t i = 0; i < displays.size(); ++i) {
        const DisplayReport& d = displays[i];
        rows.push_back({std::to_string(i + 1), d.connector.empty() ? "-" : d.connector, std::to_string(d.id), d.name,
            geometry(d.frame), std::string(d.dark ? "dark" : "lit") + (d.primary ? ", primary" : "")});
    }
    std::vector<std::size_t> widths(rows[0].size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
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
