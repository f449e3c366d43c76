#pragma once

#include "platform/SettingsStore.h"

#include <filesystem>
#include <iosfwd>

namespace vesperon {

// Settings kept in one JSON object file. Every write replaces the file atomically (temporary
// file, flush, rename), so a crash never leaves a torn file. A file that cannot be read as a JSON
// object is moved aside and reported on `messages`, never overwritten.
class JsonFileSettingsStore : public SettingsStore {
public:
    explicit JsonFileSettingsStore(std::filesystem::path file);
    JsonFileSettingsStore(std::filesystem::path file, std::ostream& messages);

    // $XDG_CONFIG_HOME/vesperon/settings.json
    static std::filesystem::path defaultPath();

    std::optional<nlohmann::json> object(const std::string& key) const override;
    void setObject(const std::string& key, nlohmann::json value) override;
    void removeObject(const std::string& key) override;

    const std::filesystem::path& path() const { return path_; }

private:
    void load();
    void moveAside(const char* reason);
    void save();

    std::filesystem::path path_;
    std::ostream& messages_;
    nlohmann::json values_ = nlohmann::json::object();
    bool writable_ = true; // false when an unreadable file could not be moved out of the way
};

} // namespace vesperon
