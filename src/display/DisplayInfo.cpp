#include "display/DisplayInfo.h"

#include "platform/ScreenSource.h"

#include <algorithm>

namespace vesperon {

std::string DisplayInfo::displayName() const
{
    if (isBuiltIn)
        return "Built-in Display";
    if (!name.empty())
        return name;
    return "Display " + std::to_string(id);
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
        displays.push_back(DisplayInfo{id, screen.name, screen.frame, screen.isBuiltIn, screen.connector, screen.isPrimary});
    }
    return displays;
}

} // namespace vesperon
