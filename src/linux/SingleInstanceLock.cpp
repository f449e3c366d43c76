#include "linux/SingleInstanceLock.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vesperon {

std::filesystem::path SingleInstanceLock::pathFor(const std::string& display)
{
    // ":0" and ":0.0" are the same display; anything unusual in the name becomes '_'.
    std::string name = display.empty() ? std::string("none") : display;
    if (const auto colon = name.rfind(':'); colon != std::string::npos) {
        if (const auto dot = name.find('.', colon); dot != std::string::npos)
            name.erase(dot);
    }
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    std::error_code error;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/'
        && std::filesystem::is_directory(runtime, error))
        return std::filesystem::path(runtime) / ("vesperon-" + name + ".lock");
    return std::filesystem::temp_directory_path() / ("vesperon-" + std::to_string(getuid()) + "-" + name + ".lock");
}

SingleInstanceLock::SingleInstanceLock(const std::string& display) : path_(pathFor(display))
{
    const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        heldElsewhere_ = errno == EWOULDBLOCK;
        ::close(fd);
        return;
    }
    fd_ = fd;
}

SingleInstanceLock::~SingleInstanceLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace vesperon
