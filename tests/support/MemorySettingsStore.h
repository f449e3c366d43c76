#pragma once

#include "platform/SettingsStore.h"

#include <map>

namespace vesperon::testing {

// A settings store in memory that counts its writes.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<nlohmann::json> object(const std::string& key) const override
    {
        if (auto it = values.find(key); it != values.end())
            return it->second;
        return std::nullopt;
    }
    void setObject(const std::string& key, nlohmann::json value) override
    {
        values[key] = std::move(value);
        ++writes[key];
    }
    void removeObject(const std::string& key) override
    {
        values.erase(key);
        ++writes[key];
    }

    bool contains(const std::string& key) const { return values.contains(key); }

    std::map<std::string, nlohmann::json> values;
    std::map<std::string, int> writes;
};

} // namespace vesperon::testing
