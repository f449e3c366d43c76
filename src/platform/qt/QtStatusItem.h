#pragma once

#include "platform/StatusItem.h"

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

namespace vesperon {

// The status item as a QSystemTrayIcon. Both a left and a right click open the menu.
class QtStatusItem : public QObject, public StatusItem {
public:
    QtStatusItem();
    ~QtStatusItem() override;

    void setImage(const std::string& symbolName, const std::string& accessibilityDescription) override;
    void setMenu(const Menu& menu) override;
    void setMenuWillOpenHandler(std::function<void()> handler) override { willOpen_ = std::move(handler); }

    // The monochrome icon for a symbol name, in the colour of the panel's text.
    static QIcon symbolIcon(const std::string& symbolName);

    QMenu& menu() { return menu_; }

private:
    void fill(QMenu& menu, const Menu& items);

    QSystemTrayIcon tray_;
    QMenu menu_;
    std::vector<QMenu*> submenus_;
    std::function<void()> willOpen_;
};

class QtStatusBar : public StatusBar {
public:
    bool isAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    std::unique_ptr<StatusItem> createStatusItem() override { return std::make_unique<QtStatusItem>(); }
};

} // namespace vesperon
