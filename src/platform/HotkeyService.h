#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace vesperon {

// Who a hotkey is: a four-character signature and the registrant's own id.
struct HotkeyIdentity {
    std::uint32_t signature = 0;
    std::uint32_t id = 0;
};

using HotkeyHandle = std::uint64_t;

// System-wide hotkeys that work whatever application is in front.
class HotkeyService {
public:
    // Answers whether the press was one of the handler's hotkeys.
    using Handler = std::function<bool(const HotkeyIdentity&)>;

    virtual ~HotkeyService() = default;

    // Presses of registered hotkeys reach the handler on the main thread.
    virtual void installHandler(Handler handler) = 0;
    virtual void removeHandler() = 0;

    // Nothing when the combination cannot be had (another program holds it, or the key or a
    // modifier cannot be expressed); nothing is left half-registered then.
    virtual std::optional<HotkeyHandle> registerHotkey(std::uint32_t keyCode, std::uint32_t modifiers,
        const HotkeyIdentity& identity) = 0;
    virtual void unregisterHotkey(HotkeyHandle handle) = 0;
};

} // namespace vesperon
