#include "desktop/XdgPaths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace vesperon {

namespace {

std::filesystem::path homeDirectory()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

} // namespace

std::filesystem::path xdgConfigHome()
{
    // Relative values are invalid by the base-directory rules and are ignored.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return config;
    return homeDirectory() / ".config";
}

} // namespace vesperon
