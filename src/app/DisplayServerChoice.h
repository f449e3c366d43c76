#pragma once

#include <functional>
#include <iosfwd>
#include <memory>

namespace vesperon {

class DisplayServer;

// Picks the display server's backend for this session. Runs before the QApplication exists, since
// it also tells Qt which platform plugin to load; the backend itself is made afterwards with the
// maker it returns. An empty maker, with the reason said on `messages`, when Vesperon cannot run.
std::function<std::unique_ptr<DisplayServer>()> chooseDisplayServer(std::ostream& messages);

} // namespace vesperon
