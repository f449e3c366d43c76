#include "desktop/JsonFileSettingsStore.h"

#include "core/Translation.h"
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
            //: Said at start; %1 is the settings file's path.
            leaveAlone(substitute(
                translated("JsonFileSettingsStore", "settings file %1 is a symbolic link that cannot be followed"),
                {path_.string()}));
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
        if (const int cause = errno; cause != ENOENT && cause != ENOTDIR)
            //: Said at start; %1 is the settings file's path, %2 the system's reason.
            leaveAlone(substitute(translated("JsonFileSettingsStore", "settings file %1 cannot be examined (%2)"),
                {path_.string(), std::strerror(cause)}));
        return; // none yet: the first change writes it
    }
    if (S_ISLNK(link.st_mode) && !followLink())
        return;
    // Non-blocking, so that a FIFO cannot stall the start; the type is checked on what was opened.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (const int cause = errno; cause != ENOENT) // a link to a file still to be made is fine
            leaveAlone(unreadable(cause));
        return;
    }
    load(fd);
    ::close(fd);
}

void JsonFileSettingsStore::load(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        //: Said at start; %1 is the settings file's path.
        return leaveAlone(substitute(
            translated("JsonFileSettingsStore", "settings file %1 is not a regular file"), {path_.string()}));
    if (info.st_size > maxBytes)
        return unusable(tooLarge());
    std::string text(static_cast<std::size_t>(maxBytes) + 1, '\0');
    std::size_t length = 0;
    for (ssize_t n = 1; n > 0 && length < text.size(); length += static_cast<std::size_t>(std::max<ssize_t>(n, 0))) {
        n = ::read(fd, text.data() + length, text.size() - length);
        if (const int cause = errno; n < 0 && cause != EINTR)
            return leaveAlone(unreadable(cause));
    }
    if (length > static_cast<std::size_t>(maxBytes))
        return unusable(tooLarge()); // it grew while being read
    text.resize(length);
    auto json = parseBoundedJson(text);
    if (!json || !json->is_object())
        //: Said at start; %1 is the settings file's path.
        return unusable(
            substitute(translated("JsonFileSettingsStore", "settings file %1 is not a JSON object"), {path_.string()}));
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

std::string JsonFileSettingsStore::unreadable(int cause) const
{
    //: Said at start; %1 is the settings file's path, %2 the system's reason.
    return substitute(translated("JsonFileSettingsStore", "settings file %1 cannot be read (%2)"),
        {path_.string(), std::strerror(cause)});
}

std::string JsonFileSettingsStore::tooLarge() const
{
    //: Said at start; %1 is the settings file's path.
    return substitute(translated("JsonFileSettingsStore", "settings file %1 is larger than 1 MiB"), {path_.string()});
}

void JsonFileSettingsStore::leaveAlone(const std::string& reason)
{
    writable_ = false;
    //: Said at start; %1 says what is wrong with the settings file, naming it.
    messages_ << "Vesperon: "
              << substitute(translated("JsonFileSettingsStore",
                                "%1; using defaults and leaving it untouched, so changes are not saved this time"),
                     {reason})
              << std::endl;
}

void JsonFileSettingsStore::moveAside(const std::string& reason)
{
    fs::path aside = path_.string() + ".corrupt";
    std::error_code error;
    for (int n = 1; fs::exists(fs::symlink_status(aside, error)); ++n)
        aside = path_.string() + ".corrupt-" + std::to_string(n);
    fs::rename(path_, aside, error);
    if (error)
        //: Said at start; %1 says what is wrong with the settings file, naming it, %2 the system's reason.
        return leaveAlone(substitute(
            translated("JsonFileSettingsStore", "%1 and could not be moved aside (%2)"), {reason, error.message()}));
    //: Said at start; %1 says what is wrong with the settings file, naming it, %2 where it is now.
    messages_ << "Vesperon: "
              << substitute(translated("JsonFileSettingsStore", "%1; moved it to %2 and started from defaults"),
                     {reason, aside.string()})
              << std::endl;
}

void JsonFileSettingsStore::save()
{
    if (!writable_)
        return;
    const auto fail = [this](const std::string& what) {
        //: %1 is the settings file's path, %2 the system's reason.
        messages_ << "Vesperon: "
                  << substitute(translated("JsonFileSettingsStore", "could not save settings to %1: %2"),
                         {path_.string(), what})
                  << std::endl;
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
