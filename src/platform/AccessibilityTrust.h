#pragma once

namespace vesperon {

// Posted each time the program becomes the active application.
inline constexpr const char* applicationDidBecomeActive = "applicationDidBecomeActive";

// Whether the program may watch system-wide input, and the ways to ask the user for it.
class AccessibilityTrust {
public:
    virtual ~AccessibilityTrust() = default;
    // Answers without side effects.
    virtual bool isTrusted() const = 0;
    // Asks the platform to prompt the user; may do nothing.
    virtual void requestPrompt() = 0;
    // Opens the place where the permission is granted; may do nothing.
    virtual void openSettingsPane() = 0;
};

} // namespace vesperon
