#pragma once

#include "platform/SettingsStore.h"

#include <filesystem>
#include <iosfwd>

namespace vesperon {

// Settings kept in one JSON object file. Every write replaces the file atomically (temporary
// file, flush, rename), so a crash never leaves a torn file; a symbolic link is written through,
// keeping its target's permissions. A regular file that is not a JSON object is moved aside and
// reported on `messages`, never overwritten. What Vesperon cannot read, what is no regular file
// (a FIFO, a device) and a linked file that is not a JSON object are left exactly as they are:
// the run uses the defaults and saves nothing.
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
    // Settings files are a few hundred bytes; anything this large is not one.
    static constexpr long maxBytes = 1 << 20;

    bool followLink();
    void load();
    void load(int fd);
    // What is wrong with the file, said as a whole clause that names it, for a translation to
    // order as its language does.
    std::string unreadable(int cause) const;
    std::string tooLarge() const;
    void unusable(const std::string& reason);
    void leaveAlone(const std::string& reason);
    void moveAside(const std::string& reason);
    void save();

    std::filesystem::path path_;
    std::ostream& messages_;
    nlohmann::json values_ = nlohmann::json::object();
    bool isLinkTarget_ = false; // someone else's file: written through, never moved or created around
    bool writable_ = true; // false when the file is left alone for this run
};

} // namespace vesperon
