#pragma once

#include "platform/Tray.h"

#include <QDBusServiceWatcher>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include <map>

namespace vesperon {

// The tray icon as a QSystemTrayIcon. Both a left and a right click open the menu. Nothing shows
// until the first setIcon; a tray that appears later docks the icon then.
class QtTray : public QObject, public Tray {
    Q_OBJECT
public:
    QtTray();
    ~QtTray() override;

    bool isAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void setIcon(Icon icon, const std::string& tooltip) override;
    void setMenu(const Menu& menu) override;
    void setAboutToShow(std::function<void()> handler) override { aboutToShow_ = std::move(handler); }

    // One of the project's icons (an OutlinedIconEngine). Each is made once: a new one at every
    // blackout would fill Qt's pixmap cache.
    const QIcon& icon(Icon icon);

public Q_SLOTS:
    // Asks Qt again whether there is a tray, and tells if that changed: when a tray may have come
    // or gone.
    void recheck();

private:
    void watchStatusNotifierHosts();
    static bool sameShape(const QMenu& menu, const Menu& items);
    void fill(QMenu& menu, const Menu& items);
    void update(QMenu& menu, const Menu& items);
    void showItem(QAction& action, const MenuItem& item);

    QSystemTrayIcon tray_;
    // Qt tells nobody when a tray comes or goes: the session bus does, for StatusNotifierItem hosts.
    QDBusServiceWatcher statusNotifierWatcher_;
    bool available_ = false;
    QMenu menu_;
    std::vector<QMenu*> submenus_;
    std::map<const QAction*, MenuItem> items_; // what each action does now
    std::function<void()> aboutToShow_;
    std::map<Icon, QIcon> icons_;
};

} // namespace vesperon
