#pragma once

#include "model/AppState.h"
#include "platform/NotificationCenter.h"
#include "support/FakeScreenSource.h"
#include "support/MemorySettingsStore.h"

#include <memory>

namespace vesperon::testing {

// An AppState over an in-memory store and fake screens, counting hotkeysDidChange posts.
struct AppStateHarness {
    MemorySettingsStore store;
    NotificationCenter notifications;
    FakeScreenSource screens;
    int hotkeyPosts = 0;
    Subscription hotkeyObserver =
        notifications.addObserver(AppState::hotkeysDidChange, [this] { ++hotkeyPosts; });

    std::unique_ptr<AppState> makeState() { return std::make_unique<AppState>(store, notifications, screens); }

    // Stores text the way a hotkey setting is stored: as data.
    void storeData(const std::string& key, const std::string& text) { store.values[key] = text; }
};

} // namespace vesperon::testing
