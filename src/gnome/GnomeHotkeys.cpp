#include "gnome/GnomeHotkeys.h"

#include "control/DesktopKeyBinding.h"
#include "gnome/GnomeShellExtension.h"

namespace vesperon {

GnomeHotkeys::GnomeHotkeys(GnomeShellExtension& extension)
    : extension_(extension)
    , pressed_(extension.hotkey.connect([this](std::uint32_t action) {
        const auto found = ids_.find(action);
        if (found != ids_.end() && handler_)
            handler_(found->second);
    }))
{
}

std::optional<HotkeyHandle> GnomeHotkeys::registerHotkey(const KeyCombo& combo, std::uint32_t id, const HotkeyLabel&)
{
    const std::string accelerator = DesktopKeyBinding::accelerator(combo);
    if (accelerator.empty())
        return std::nullopt;
    const std::optional<std::uint32_t> action = extension_.grabKey(accelerator);
    if (action)
        ids_[*action] = id;
    return action;
}

void GnomeHotkeys::unregisterHotkey(HotkeyHandle handle)
{
    if (ids_.erase(handle))
        extension_.ungrabKey(static_cast<std::uint32_t>(handle));
}

} // namespace vesperon
