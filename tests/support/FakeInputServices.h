#pragma once

#include "platform/AccessibilityTrust.h"
#include "platform/HotkeyService.h"
#include "platform/InputTap.h"

#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace vesperon::testing {

// A hotkey service that grants every combination except those marked taken.
class FakeHotkeyService : public HotkeyService {
public:
    struct Registration {
        std::uint32_t keyCode;
        std::uint32_t modifiers;
        HotkeyIdentity identity;
    };

    void installHandler(Handler h) override
    {
        handler = std::move(h);
        ++installs;
    }
    void removeHandler() override { handler = nullptr; }

    std::optional<HotkeyHandle> registerHotkey(std::uint32_t keyCode, std::uint32_t modifiers,
        const HotkeyIdentity& identity) override
    {
        attempts.push_back({keyCode, modifiers, identity});
        if (taken.contains({keyCode, modifiers}))
            return std::nullopt;
        const HotkeyHandle handle = nextHandle++;
        live[handle] = {keyCode, modifiers, identity};
        return handle;
    }
    void unregisterHotkey(HotkeyHandle handle) override { live.erase(handle); }

    // Simulates a press of a live combination; answers what the handler said.
    bool press(std::uint32_t keyCode, std::uint32_t modifiers)
    {
        for (const auto& [handle, r] : live) {
            if (r.keyCode == keyCode && r.modifiers == modifiers)
                return handler && handler(r.identity);
        }
        return false;
    }

    Handler handler;
    int installs = 0;
    std::set<std::pair<std::uint32_t, std::uint32_t>> taken;
    std::vector<Registration> attempts;
    std::map<HotkeyHandle, Registration> live;
    HotkeyHandle nextHandle = 100;
};

// A tap the test feeds by hand.
class FakeInputTap : public InputTap {
public:
    bool create(Handler h) override
    {
        ++creates;
        if (refuse)
            return false;
        handler = std::move(h);
        return true;
    }
    void setEnabled(bool e) override { enabled = e; }
    void destroy() override
    {
        handler = nullptr;
        enabled = false;
    }
    void setMotionWanted(bool wanted) override { motionWanted = wanted; }

    void send(InputEvent::Type type, std::uint16_t keyCode = 0, std::uint64_t flags = 0)
    {
        if (handler && enabled)
            handler(InputEvent{type, keyCode, flags});
    }

    Handler handler;
    bool refuse = false;
    bool enabled = false;
    bool motionWanted = false;
    int creates = 0;
};

class FakeTrust : public AccessibilityTrust {
public:
    bool isTrusted() const override
    {
        ++queries;
        return trusted;
    }
    void requestPrompt() override { ++prompts; }
    void openSettingsPane() override { ++panesOpened; }

    bool trusted = false;
    mutable int queries = 0;
    int prompts = 0;
    int panesOpened = 0;
};

} // namespace vesperon::testing
