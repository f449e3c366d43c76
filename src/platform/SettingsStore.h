#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace vesperon {

// The per-user key-value settings store. Values are typed: boolean, number, array, and byte data,
// which is kept as a JSON string of its UTF-8 text. Writes are seen by later reads at once.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored value of any type, or nothing.
    virtual std::optional<nlohmann::json> object(const std::string& key) const = 0;
    virtual void setObject(const std::string& key, nlohmann::json value) = 0;
    virtual void removeObject(const std::string& key) = 0;

    // Typed reads: nothing for a missing key or a value of another type.
    std::optional<nlohmann::json::array_t> array(const std::string& key) const
    {
        auto value = object(key);
        if (!value || !value->is_array())
            return std::nullopt;
        return value->get<nlohmann::json::array_t>();
    }
    std::optional<std::string> data(const std::string& key) const
    {
        auto value = object(key);
        if (!value || !value->is_string())
            return std::nullopt;
        return value->get<std::string>();
    }

    void setBool(const std::string& key, bool value) { setObject(key, value); }
    void setDouble(const std::string& key, double value) { setObject(key, value); }
    void setStringArray(const std::string& key, const std::vector<std::string>& value) { setObject(key, value); }
    void setData(const std::string& key, const std::string& bytes) { setObject(key, bytes); }
};

} // namespace vesperon
