#pragma once

#include <cstdint>
#include <string>

class QWindow;

namespace vesperon::WindowActivation {

// The program's top-level window with this native id; null if it has none.
QWindow* find(std::uintptr_t window);

// Asks Qt to bring the window to the front; on Wayland with the launcher's xdg-activation token,
// which Qt's xdg-shell takes from the environment.
void request(std::uintptr_t window, const std::string& token);

} // namespace vesperon::WindowActivation
