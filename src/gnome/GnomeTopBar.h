#pragma once

#include "core/Subscription.h"
#include "gnome/GnomeShellExtension.h"
#include "platform/Tray.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace vesperon {

// The tray on GNOME Shell, which has no system tray of its own: the menu in the top bar and a
// "Blackout" toggle in Quick Settings, drawn by the extension. Where an extension hosts
// StatusNotifierItems, the tray icon docks there instead and the top bar stays as it is.
class GnomeTopBar : public Tray {
public:
    GnomeTopBar(GnomeShellExtension& extension, Tray& trayIcon);

    bool isAvailable() const override { return true; } // one or the other, always
    void setIcon(Icon icon, const std::string& tooltip) override;
    void setMenu(const Menu& menu) override;
    void setAboutToShow(std::function<void()> handler) override;

private:
    void send();
    void flatten(const Menu& menu, int parent, QList<PanelMenuEntry>& entries);
    void activated(std::uint32_t revision, std::int32_t id);

    GnomeShellExtension& extension_;
    Tray& trayIcon_;
    Icon icon_ = Icon::display;
    Menu menu_;
    std::vector<MenuItem> items_; // by id - 1, as last sent
    QList<PanelMenuEntry> sent_;
    QString sentIcon_;
    std::uint32_t revision_ = 0;
    std::function<void()> aboutToShow_;
    Subscriptions subscriptions_;
};

} // namespace vesperon
