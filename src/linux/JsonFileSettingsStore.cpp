#include "linux/JsonFileSettingsStore.h"

#include "linux/XdgPaths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace vesperon {

namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, const std::string& text)
{
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

JsonFileSettingsStore::JsonFileSettingsStore(fs::path file) : JsonFileSettingsStore(std::move(file), std::cout) {}

JsonFileSettingsStore::JsonFileSettingsStore(fs::path file, std::ostream& messages)
    : path_(std::move(file)), messages_(messages)
{
    // Write through a symbolic link (a dotfiles checkout, say) rather than replace the link.
    std::error_code error;
    if (fs::is_symlink(path_, error)) {
        if (fs::path target = fs::weakly_canonical(path_, error); !error)
            path_ = target;
    }
    load();
}

fs::path JsonFileSettingsStore::defaultPath()
{
    return xdgConfigHome() / "vesperon" / "settings.json";
}

std::optional<nlohmann::json> JsonFileSettingsStore::object(const std::string& key) const
{
    if (auto it = values_.find(key); it != values_.end())
        return *it;
    return std::nullopt;
}

void JsonFileSettingsStore::setObject(const std::string& key, nlohmann::json value)
{
    values_[key] = std::move(value);
    save();
}

void JsonFileSettingsStore::removeObject(const std::string& key)
{
    if (values_.erase(key) > 0)
        save();
}

void JsonFileSettingsStore::load()
{
    std::error_code error;
    if (!fs::exists(path_, error))
        return;
    std::ifstream in(path_, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        moveAside("could not be read");
        return;
    }
    auto json = nlohmann::json::parse(text.str(), nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        moveAside("is not a JSON object");
        return;
    }
    values_ = std::move(json);
}

void JsonFileSettingsStore::moveAside(const char* reason)
{
    fs::path aside = path_.string() + ".corrupt";
    std::error_code error;
    for (int n = 1; fs::exists(aside, error); ++n)
        aside = path_.string() + ".corrupt-" + std::to_string(n);
    fs::rename(path_, aside, error);
    if (error) {
        writable_ = false;
        messages_ << "Vesperon: settings file " << path_.string() << " " << reason
                  << " and could not be moved aside (" << error.message()
                  << "); using defaults and leaving it untouched" << std::endl;
        return;
    }
    messages_ << "Vesperon: settings file " << path_.string() << " " << reason << "; moved it to "
              << aside.string() << " and started from defaults" << std::endl;
}

void JsonFileSettingsStore::save()
{
    if (!writable_)
        return;
    const auto fail = [this](const std::string& what) {
        messages_ << "Vesperon: could not save settings to " << path_.string() << ": " << what << std::endl;
    };

    std::error_code error;
    fs::create_directories(path_.parent_path(), error);
    if (error)
        return fail(error.message());

    std::string temporary = path_.string() + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return fail(std::strerror(errno));

    const std::string text = values_.dump(4, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    const auto abandon = [&](int cause) {
        ::unlink(temporary.c_str());
        fail(std::strerror(cause));
    };
    if (!writeAll(fd, text) || ::fsync(fd) != 0) {
        const int cause = errno;
        ::close(fd);
        return abandon(cause);
    }
    if (::close(fd) != 0)
        return abandon(errno);
    if (std::rename(temporary.c_str(), path_.c_str()) != 0)
        return abandon(errno);
}

} // namespace vesperon
