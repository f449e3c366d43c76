#pragma once

#include <filesystem>

namespace vesperon {

// $XDG_CONFIG_HOME when it is set to an absolute path, else ~/.config.
std::filesystem::path xdgConfigHome();

} // namespace vesperon
