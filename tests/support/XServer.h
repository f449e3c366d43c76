#pragma once

#include "support/Daemon.h"
#include "support/TestServer.h"

#include <cstdint>
#include <memory>
#include <string>

#include <xcb/xcb.h>

namespace vesperon::testing {

class XClient;

// A private Xvfb for the test process on a display number it picks itself, never the developer's
// display. Input goes through XTEST, pixels come from GetImage.
class XvfbServer : public TestServer {
public:
    // With `becomeDisplay` the server is this process's DISPLAY from then on.
    explicit XvfbServer(const std::string& screen = "5760x1440x24", bool becomeDisplay = true);
    ~XvfbServer() override;

    const std::string& display() const { return display_; }
    void becomeDisplay() const override;
    // No window manager and no compositor; every key goes on, and XInput tells where the pointer is.
    Traits traits() const override
    {
        return {.placesWindows = false,
            .composites = false,
            .keysReachWindowWhileAllDark = true,
            .tellsPointerPosition = true};
    }
    QImage capture(const Rect& area) const override;
    void prepare() override;
    // An X server without a window manager opens windows where they ask to be.
    void focusOutput(int) override {}
    void moveTo(int x, int y) override;
    void button(std::uint32_t button, bool pressed) override;
    void key(std::uint32_t key, bool pressed) override;
    void scroll() override;

    // A shell command against this server; its exit status.
    int run(const std::string& command) const;
    // A real resolution change of the server's one output, "screen"; the pointer stays within it.
    void setOutputMode(int width, int height) const;
    // A monitor (xrandr --setmonitor); one that takes the output stands for the output's own.
    void setMonitor(const std::string& name, const Rect& frame, bool takesOutput = false) const;
    void deleteMonitor(const std::string& name) const;

private:
    Daemon daemon_;
    std::string display_;
    std::string size_;
    std::unique_ptr<XClient> input_;
};

// The test process's server, where it is an Xvfb.
inline XvfbServer& xvfb() { return dynamic_cast<XvfbServer&>(testServer()); }

// Another X client: pixels read back, the focus, a grab, and real input through XTEST.
class XClient {
public:
    explicit XClient(const std::string& display = {});
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    // A mapped override-redirect window, as a menu or a notification is, that the server itself
    // fills with `rgb` (0xRRGGBB): it shows the moment it is mapped.
    xcb_window_t createPopup(const Rect& frame, std::uint32_t rgb);
    std::uint32_t pixel(int x, int y);
    QImage image(const Rect& area);
    xcb_window_t inputFocus();

    // XTEST: an event of `type` (key or button press or release, motion) as a device sends it.
    void fake(std::uint8_t type, std::uint8_t detail, int x = 0, int y = 0);
    // A grab as another hotkey program makes: one combination, an evdev key.
    bool grabKey(std::uint32_t key, std::uint16_t modifiers);

    xcb_connection_t* connection() const { return connection_; }
    xcb_window_t root() const { return screen_->root; }
    // Waits until the server has handled everything sent so far.
    void sync();

private:
    xcb_connection_t* connection_;
    xcb_screen_t* screen_;
};

} // namespace vesperon::testing
