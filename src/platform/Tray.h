#pragma once

#include "core/Signal.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vesperon {

// The project's own monochrome icons.
enum class Icon { none, display, displayBlackedOut, warning };

// One entry of the tray menu, described in plain C++ and rendered by the backend.
struct MenuItem {
    using Action = std::function<void(const MenuItem& sender)>;

    bool isSeparator = false;
    std::string title;
    // What the item does, for a desktop that places some items by role ("blackout-all", "wake-all",
    // "blackout-display", "keep-only", "preferences", "quit": the launcher's action names).
    std::string name;
    Action action; // none: the item is inert
    bool enabled = true;
    bool checked = false;
    std::optional<std::uint32_t> display; // the identifier of the display the item acts on
    std::string shortcutHint; // shown beside the title, e.g. "Shift+Super+D"
    Icon icon = Icon::none;
    std::optional<std::vector<MenuItem>> submenu;

    static MenuItem separator()
    {
        MenuItem item;
        item.isSeparator = true;
        return item;
    }
};

using Menu = std::vector<MenuItem>;

// The program's icon in the desktop's system tray, with its menu.
class Tray {
public:
    virtual ~Tray() = default;
    // False where the desktop offers no system tray, or none yet (the panel starts after Vesperon).
    virtual bool isAvailable() const = 0;
    // A tray appeared or went away.
    Signal<> availabilityChanged;
    // Shows the icon (docking now, or as soon as a tray appears) or changes it.
    virtual void setIcon(Icon icon, const std::string& tooltip) = 0;
    virtual void setMenu(const Menu& menu) = 0;
    // Called each time the menu is about to open, before it does.
    virtual void setAboutToShow(std::function<void()> handler) = 0;
};

} // namespace vesperon
