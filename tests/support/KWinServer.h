#pragma once

#include "support/Daemon.h"
#include "support/TestServer.h"

#include "fake-input-client-protocol.h"
#include "xdg-activation-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string>

namespace vesperon::testing {

// A private headless KWin (its virtual backend) with two outputs side by side and no wallpaper,
// on this process's session bus, where it serves screenshots (org.kde.KWin.ScreenShot2). Input
// goes through KWin's fake-input protocol on a connection of this process's own. The program is
// run from a copy, which drops a file capability that a container may not grant.
class KWinServer : public TestServer {
public:
    KWinServer();
    ~KWinServer() override;
    KWinServer(const KWinServer&) = delete;
    KWinServer& operator=(const KWinServer&) = delete;

    void becomeDisplay() const override { useWayland(socket_); }
    // Control+Meta+Escape is KWin's own (Kill Window).
    Traits traits() const override { return {.safetyWakeTakesShift = true}; }
    QImage capture(const Rect& area) const override;
    // New windows open on the output under the pointer.
    void focusOutput(int index) override { moveTo(int(output(index).x) + outputWidth / 2, outputHeight / 2); }
    void moveTo(int x, int y) override;
    void button(std::uint32_t button, bool pressed) override;
    void key(std::uint32_t key, bool pressed) override;
    void scroll() override;
    // Opens a small window of the harness's own, which takes the keyboard as a new window does, and asks
    // for an activation token from it, as a launcher does: KWin grants one only to the window in front.
    std::string launcherToken();

private:
    void sync();

    QTemporaryDir scratch_{QStringLiteral("/tmp/vesperon-kwin-XXXXXX")}; // removed with all it holds
    const std::filesystem::path folder_ = scratch_.path().toStdString();
    std::string socket_;
    std::unique_ptr<Daemon> kwin_;
    wl_display* display_ = nullptr;
    struct Globals {
        org_kde_kwin_fake_input* input = nullptr;
        wl_compositor* compositor = nullptr;
        wl_shm* shm = nullptr;
        xdg_wm_base* shell = nullptr;
        xdg_activation_v1* activation = nullptr;
    } globals_;
};

} // namespace vesperon::testing
