#include "wayland/WaylandInstanceClaim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace vesperon {

WaylandInstanceClaim::WaylandInstanceClaim()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const char* display = std::getenv("WAYLAND_DISPLAY");
    if (!runtime || !*runtime)
        return;
    const std::string name = std::filesystem::path(display && *display ? display : "wayland-0").filename().string();
    const std::string path = std::string(runtime) + "/vesperon-" + name + ".lock";
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0)
        return;
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0)
        ours_ = errno != EWOULDBLOCK;
}

WaylandInstanceClaim::~WaylandInstanceClaim()
{
    if (fd_ >= 0)
        close(fd_);
}

} // namespace vesperon
