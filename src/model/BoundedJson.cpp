#include "model/BoundedJson.h"

namespace vesperon {

namespace {

// Counts brackets outside strings; a cheap pass, so that the parser never builds a deep value.
bool nestsWithinBound(std::string_view text)
{
    int depth = 0;
    bool inString = false, escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > maxJsonDepth)
                return false;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return true;
}

} // namespace

std::optional<nlohmann::json> parseBoundedJson(std::string_view text)
{
    if (!nestsWithinBound(text))
        return std::nullopt;
    auto json = nlohmann::json::parse(text, nullptr, false);
    if (json.is_discarded())
        return std::nullopt;
    return json;
}

} // namespace vesperon
