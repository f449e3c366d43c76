#include "display/ScreenIdentity.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vesperon {

namespace {

// FNV-1a: small, fast, and the same on every machine and in every build.
std::uint32_t fnv1a(std::string_view text, std::uint32_t hash = 2166136261u)
{
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

std::uint32_t hashOf(const ScreenIdentity& screen, std::uint32_t round)
{
    std::uint32_t hash = fnv1a(screen.manufacturer);
    for (const std::string* field : {&screen.model, &screen.serialNumber, &screen.connector}) {
        hash = fnv1a(std::string_view("\x1f", 1), hash); // a separator, so "ab"+"c" differs from "a"+"bc"
        hash = fnv1a(*field, hash);
    }
    if (round > 0)
        hash = fnv1a(std::string_view("#" + std::to_string(round)), hash);
    return hash;
}

} // namespace

std::vector<std::uint32_t> stableScreenIdentifiers(const std::vector<ScreenIdentity>& screens)
{
    std::vector<std::uint32_t> ids;
    for (const ScreenIdentity& screen : screens) {
        std::uint32_t round = 0;
        std::uint32_t id = hashOf(screen, round);
        while (std::ranges::find(ids, id) != ids.end())
            id = hashOf(screen, ++round);
        ids.push_back(id);
    }
    return ids;
}

bool isBuiltInConnector(std::string_view connector)
{
    constexpr std::array<std::string_view, 3> builtIn{"edp", "lvds", "dsi"};
    std::string lower(connector.substr(0, 4));
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::ranges::any_of(builtIn, [&](std::string_view prefix) { return lower.starts_with(prefix); });
}

} // namespace vesperon
