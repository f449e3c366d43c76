#include "model/DisplayInfo.h"

#include "core/Translation.h"
#include "platform/ScreenSource.h"

#include <algorithm>

namespace vesperon {

std::string DisplayInfo::displayName() const
{
    if (isBuiltIn)
        //: a laptop's own screen, in menus and hotkey lists
        return translated("Display", "Built-in Display");
    if (!name.empty())
        return connector.empty() ? name : name + " (" + connector + ")";
    if (!connector.empty())
        return connector;
    //: a monitor known by no name or connector; %1 is its number
    return substitute(translated("Display", "Display %1"), {std::to_string(id)});
}

std::vector<DisplayInfo> DisplayInfo::getAllDisplays(const ScreenSource& screens)
{
    std::vector<DisplayInfo> displays;
    for (const ScreenDescription& screen : screens.screens()) {
        if (!screen.id)
            continue;
        const DisplayId id = *screen.id;
        if (std::ranges::any_of(displays, [id](const DisplayInfo& d) { return d.id == id; }))
            continue;
        displays.push_back(
            DisplayInfo{id, screen.name, screen.frame, screen.isBuiltIn, screen.connector, screen.isPrimary});
    }
    // As they stand on the desk, the way display settings show them.
    std::ranges::stable_sort(displays, [](const DisplayInfo& a, const DisplayInfo& b) {
        return std::pair(a.frame.x, a.frame.y) < std::pair(b.frame.x, b.frame.y);
    });
    return displays;
}

} // namespace vesperon
