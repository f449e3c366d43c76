#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vesperon {

// One entry of a status-item menu, described in plain C++ and rendered by the platform.
struct MenuItem {
    using Action = std::function<void(const MenuItem& sender)>;

    bool isSeparator = false;
    std::string title;
    Action action;                                // none: the item is inert
    bool enabled = true;
    bool checked = false;                         // shows a checkmark
    std::optional<std::uint32_t> representedObject; // a display identifier
    std::string shortcutHint;                     // shown beside the title, e.g. "Shift+Super+D"
    std::string image;                            // a symbol name, e.g. "exclamationmark.triangle"
    std::optional<std::vector<MenuItem>> submenu;

    static MenuItem separator()
    {
        MenuItem item;
        item.isSeparator = true;
        return item;
    }
};

using Menu = std::vector<MenuItem>;

// The program's item in the desktop's system tray.
class StatusItem {
public:
    virtual ~StatusItem() = default;
    // A monochrome symbol ("display", "display.trianglebadge.exclamationmark") the panel may tint.
    virtual void setImage(const std::string& symbolName, const std::string& accessibilityDescription) = 0;
    virtual void setMenu(const Menu& menu) = 0;
    // Called each time the menu is about to be shown, before it is.
    virtual void setMenuWillOpenHandler(std::function<void()> handler) = 0;
};

class StatusBar {
public:
    virtual ~StatusBar() = default;
    // False where the desktop offers no system tray.
    virtual bool isAvailable() const = 0;
    virtual std::unique_ptr<StatusItem> createStatusItem() = 0;
};

} // namespace vesperon
