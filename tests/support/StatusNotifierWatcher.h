#pragma once

#include <QDBusVirtualObject>
#include <QStringList>

namespace vesperon::testing {

// The tray of a desktop whose panel hosts StatusNotifierItems (KDE Plasma, swaybar, waybar): the
// watcher service on the session bus, with a host registered, so that Qt's tray icons register
// their items here.
class StatusNotifierWatcher : public QDBusVirtualObject {
public:
    StatusNotifierWatcher(); // on this process's session bus
    ~StatusNotifierWatcher() override;

    const QStringList& items() const { return items_; }
    // What a panel that draws no menu of its own does on a click: asks the item to `Activate` (a left
    // click) or to show its `ContextMenu` (a right one) there.
    void click(const QString& item, const QString& method, int x, int y) const;
    // The labels of the item's exported menu and its submenus, in order, as a panel draws them.
    QStringList menu(const QString& item) const;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    QStringList items_;
};

} // namespace vesperon::testing
