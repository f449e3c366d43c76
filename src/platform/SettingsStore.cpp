#include "platform/SettingsStore.h"

namespace vesperon {

std::optional<nlohmann::json::array_t> SettingsStore::array(const std::string& key) const
{
    auto value = object(key);
    if (!value || !value->is_array())
        return std::nullopt;
    return value->get<nlohmann::json::array_t>();
}

std::optional<std::string> SettingsStore::data(const std::string& key) const
{
    auto value = object(key);
    if (!value || !value->is_string())
        return std::nullopt;
    return value->get<std::string>();
}

} // namespace vesperon
