#include "desktop/JsonFileSettingsStore.h"

#include "desktop/XdgPaths.h"
#include "model/BoundedJson.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sys/stat.h>
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
    : path_(std::move(file))
    , messages_(messages)
{
    load();
}

fs::path JsonFileSettingsStore::defaultPath() { return xdgConfigHome() / "vesperon" / "settings.json"; }

std::optional<nlohmann::json> JsonFileSettingsStore::object(const std::string& key) const
{
    if (auto it = values_.find(key); it != values_.end())
        return *it;
    return std::nullopt;
}

void JsonFileSettingsStore::setObject(const std::string& key, nlohmann::json value)
{
    // What the file holds already is not written again: every start would otherwise rewrite it,
    // and wait for the disk.
    if (const auto stored = values_.find(key); stored != values_.end() && *stored == value)
        return;
    values_[key] = std::move(value);
    save();
}

void JsonFileSettingsStore::removeObject(const std::string& key)
{
    if (values_.erase(key) > 0)
        save();
}

// A dotfiles checkout may link the file elsewhere: follow the links to the file they name, which is
// written through and may not exist yet.
bool JsonFileSettingsStore::followLink()
{
    fs::path target = path_;
    std::error_code error;
    for (int hops = 0; fs::is_symlink(target, error); ++hops) {
        const fs::path next = fs::read_symlink(target, error);
        if (error || hops == 40) {
            leaveAlone("is a symbolic link that cannot be followed");
            return false;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    path_ = target.lexically_normal();
    isLinkTarget_ = true;
    return true;
}

void JsonFileSettingsStore::load()
{
    struct stat link {};
    if (::lstat(path_.c_str(), &link) != 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            leaveAlone(std::string("cannot be examined (") + std::strerror(errno) + ")");
        return; // none yet: the first change writes it
    }
    if (S_ISLNK(link.st_mode) && !followLink())
        return;
    // Non-blocking, so that a FIFO cannot stall the start; the type is checked on what was opened.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno != ENOENT) // a link to a file still to be made is fine
            leaveAlone(std::string("cannot be read (") + std::strerror(errno) + ")");
        return;
    }
    load(fd);
    ::close(fd);
}

void JsonFileSettingsStore::load(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return leaveAlone("is not a regular file");
    if (info.st_size > maxBytes)
        return unusable("is larger than 1 MiB");
    std::string text(static_cast<std::size_t>(maxBytes) + 1, '\0');
    std::size_t length = 0;
    for (ssize_t n = 1; n > 0 && length < text.size(); length += static_cast<std::size_t>(std::max<ssize_t>(n, 0))) {
        n = ::read(fd, text.data() + length, text.size() - length);
        if (n < 0 && errno != EINTR)
            return leaveAlone(std::string("cannot be read (") + std::strerror(errno) + ")");
    }
    if (length > static_cast<std::size_t>(maxBytes))
        return unusable("is larger than 1 MiB"); // it grew while being read
    text.resize(length);
    auto json = parseBoundedJson(text);
    if (!json || !json->is_object())
        return unusable("is not a JSON object");
    values_ = std::move(*json);
}

// A linked file belongs to whoever linked it: it is never moved.
void JsonFileSettingsStore::unusable(const std::string& reason)
{
    if (isLinkTarget_)
        leaveAlone(reason);
    else
        moveAside(reason);
}

void JsonFileSettingsStore::leaveAlone(const std::string& reason)
{
    writable_ = false;
    messages_ << "Vesperon: settings file " << path_.string() << " " << reason
              << "; using defaults and leaving it untouched, so changes are not saved this time" << std::endl;
}

void JsonFileSettingsStore::moveAside(const std::string& reason)
{
    fs::path aside = path_.string() + ".corrupt";
    std::error_code error;
    for (int n = 1; fs::exists(fs::symlink_status(aside, error)); ++n)
        aside = path_.string() + ".corrupt-" + std::to_string(n);
    fs::rename(path_, aside, error);
    if (error)
        return leaveAlone(reason + " and could not be moved aside (" + error.message() + ")");
    messages_ << "Vesperon: settings file " << path_.string() << " " << reason << "; moved it to " << aside.string()
              << " and started from defaults" << std::endl;
}

void JsonFileSettingsStore::save()
{
    if (!writable_)
        return;
    const auto fail = [this](const std::string& what) {
        messages_ << "Vesperon: could not save settings to " << path_.string() << ": " << what << std::endl;
    };

    std::error_code error;
    if (!isLinkTarget_) // folders are made for Vesperon's own file, never where a link points
        fs::create_directories(path_.parent_path(), error);
    if (error)
        return fail(error.message());

    std::string temporary = path_.string() + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return fail(std::strerror(errno));
    // The replacement keeps the permissions of the file it replaces; a new file is the user's alone.
    struct stat old {};
    const mode_t mode = ::stat(path_.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0600;

    const std::string text = values_.dump(4, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    const auto abandon = [&](int cause) {
        ::unlink(temporary.c_str());
        fail(std::strerror(cause));
    };
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, text) || ::fsync(fd) != 0) {
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
