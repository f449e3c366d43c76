#pragma once

namespace vesperon {

// Vesperon's one reverse-DNS name: the session-bus name and interface, the desktop entry, the
// AppStream id and the icon name.
inline constexpr char applicationId[] = "io.github.vesperon.Vesperon";
inline constexpr char applicationObjectPath[] = "/io/github/vesperon/Vesperon";

} // namespace vesperon
