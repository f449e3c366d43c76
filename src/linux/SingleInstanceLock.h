#pragma once

#include <filesystem>
#include <string>

namespace vesperon {

// One Vesperon per user and X display: an advisory lock on a file in the user's runtime folder,
// released by the kernel whenever the process ends, however it ends.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const std::string& display);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True only when another process holds the lock; a lock file that cannot be made at all does
    // not keep Vesperon from running.
    bool isHeldElsewhere() const { return heldElsewhere_; }
    const std::filesystem::path& path() const { return path_; }

    // "$XDG_RUNTIME_DIR/vesperon-<display>.lock", or a per-user file in /tmp without one.
    static std::filesystem::path pathFor(const std::string& display);

private:
    std::filesystem::path path_;
    int fd_ = -1;
    bool heldElsewhere_ = false;
};

} // namespace vesperon
