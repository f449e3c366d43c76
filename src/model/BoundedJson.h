#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string_view>

namespace vesperon {

// How deep settings may nest. Vesperon's own nest two levels; the bound keeps a hostile file from
// exhausting the stack in the recursive copies and comparisons of nlohmann::json.
inline constexpr int maxJsonDepth = 32;

// The JSON value in `text`, or nothing when it is not valid JSON or nests deeper than `maxJsonDepth`.
std::optional<nlohmann::json> parseBoundedJson(std::string_view text);

} // namespace vesperon
