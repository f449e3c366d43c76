#pragma once

#include "platform/Geometry.h"

#include <string>
#include <sys/types.h>

namespace vesperon::testing {

// A private X server for one test process: Xvfb on a display number it picks itself, never the
// developer's own display. Sets DISPLAY for this process; ends the server on destruction (and the
// kernel ends it should the test process die first).
class XvfbServer {
public:
    // With `becomeDisplay` the server is this process's DISPLAY from then on.
    explicit XvfbServer(const std::string& screen = "5760x1440x24", bool becomeDisplay = true);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    const std::string& display() const { return display_; }
    pid_t pid() const { return pid_; }

    // Runs a shell command against this server; returns its exit status.
    int run(const std::string& command) const;

    // Sets the mode of the server's one output, "screen", at (0, 0), keeping the screen's size: a
    // real resolution change. The pointer can only move within the output's area.
    void setOutputMode(int width, int height) const;

    // Adds a virtual monitor, or replaces it (xrandr --setmonitor). A monitor that takes the output
    // replaces the output's own monitor.
    void setMonitor(const std::string& name, const Rect& frame, bool takesOutput = false) const;
    void deleteMonitor(const std::string& name) const;

private:
    pid_t pid_ = -1;
    std::string display_;
    std::string size_; // "5760x1440"
};

} // namespace vesperon::testing
