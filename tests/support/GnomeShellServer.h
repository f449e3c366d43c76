#pragma once

#include "support/Daemon.h"
#include "support/TestServer.h"

#include <QTemporaryDir>

#include <QDBusMessage>
#include <QImage>
#include <QString>

#include <filesystem>
#include <memory>
#include <string>

namespace vesperon::testing {

// A private headless GNOME Shell with two virtual monitors side by side, on this process's session
// bus (which stands in for the system bus too), with Vesperon's extension installed for its user
// and enabled, and hot corners off. The shell opens the Overview as it starts up. Pixels come
// from the shell's screenshot interface, input from one Mutter remote-desktop session.
class GnomeShellServer : public TestServer {
public:
    GnomeShellServer();
    ~GnomeShellServer() override;
    GnomeShellServer(const GnomeShellServer&) = delete;
    GnomeShellServer& operator=(const GnomeShellServer&) = delete;

    void becomeDisplay() const override { useWayland(socket_); }
    // The extension watches keys without taking them: they still reach the window in front.
    Traits traits() const override
    {
        return {.keysReachWindowWhileAllDark = true, .tellsPointerPosition = true, .opensMenusOfItsOwn = false};
    }
    QImage capture(const Rect& area) const override;
    // New windows open on the monitor under the pointer.
    void focusOutput(int index) override { moveTo(int(output(index).x) + outputWidth / 2, outputHeight / 2); }
    void moveTo(int x, int y) override;
    void button(std::uint32_t button, bool pressed) override;
    void key(std::uint32_t key, bool pressed) override;
    void scroll() override;

    // Whether any pixel in `area` is not black.
    bool showsAnythingIn(const Rect& area) const;
    void setOverview(bool open);
    // Closes the Overview, once the shell has opened it as it starts up.
    void prepare() override;
    // Switches Vesperon's extension off or on, as the user can in GNOME's Extensions and as the
    // shell does around its lock screen; true once the shell has done it.
    bool setExtensionEnabled(bool enabled);
    // How long the seat has had no input, in ms, as the shell's idle monitor counts it.
    std::uint64_t idleTime() const;
    // Whether the shell reports the Overview as open.
    bool overviewIsOpen() const;

private:
    QDBusMessage remote(const QString& method, const QVariantList& arguments);

    QTemporaryDir scratch_{QStringLiteral("/tmp/vesperon-gnome-XXXXXX")}; // removed with all it holds
    const std::filesystem::path folder_ = scratch_.path().toStdString();
    std::string socket_;
    std::unique_ptr<Daemon> shell_;
    QString session_;
    bool prepared_ = false;
    int x_ = 0, y_ = 0; // where the pointer is: remote input without a screen cast moves it only relatively
};

} // namespace vesperon::testing
