#include "gnome/GnomeHotkeys.h"

#include "gnome/GnomeShellExtension.h"
#include "keybinding/DesktopKeyBinding.h"

namespace vesperon {

GnomeHotkeys::GnomeHotkeys(GnomeShellExtension& extension)
    : extension_(extension)
    , pressed_(extension.hotkey.connect([this](std::uint32_t action) {
        for (const auto& [handle, registration] : registrations_)
            if (registration.action == action && handler_)
                handler_(registration.id);
    }))
    // Back from the lock screen: the same combinations again, under the shell's new numbers.
    , returned_(extension.returned.connect([this] {
        for (auto& [handle, registration] : registrations_)
            registration.action = extension_.grabKey(registration.accelerator).value_or(0);
    }))
{
}

std::optional<HotkeyHandle> GnomeHotkeys::registerHotkey(const KeyCombo& combo, std::uint32_t id, const HotkeyLabel&)
{
    const std::string accelerator = DesktopKeyBinding::accelerator(combo);
    const std::optional<std::uint32_t> action = accelerator.empty() ? std::nullopt : extension_.grabKey(accelerator);
    if (!action)
        return std::nullopt;
    registrations_[nextHandle_] = {accelerator, id, *action};
    return nextHandle_++;
}

void GnomeHotkeys::unregisterHotkey(HotkeyHandle handle)
{
    const auto found = registrations_.find(handle);
    if (found == registrations_.end())
        return;
    if (found->second.action)
        extension_.ungrabKey(found->second.action);
    registrations_.erase(found);
}

} // namespace vesperon
