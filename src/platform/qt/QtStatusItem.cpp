#include "platform/qt/QtStatusItem.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace vesperon {

namespace {

QString resourceFor(const std::string& symbolName)
{
    if (symbolName == "display.trianglebadge.exclamationmark")
        return QStringLiteral(":/icons/display-warning.svg");
    if (symbolName == "exclamationmark.triangle")
        return QStringLiteral(":/icons/warning.svg");
    return QStringLiteral(":/icons/display.svg");
}

// '&' marks a mnemonic in Qt menus; a display called "A&B" must read so.
QString menuText(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

QIcon QtStatusItem::symbolIcon(const std::string& symbolName)
{
    const QIcon source(resourceFor(symbolName));
    const QColor colour = QGuiApplication::palette().color(QPalette::WindowText);
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap = source.pixmap(QSize(size, size));
        if (pixmap.isNull())
            continue;
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), colour);
        painter.end();
        icon.addPixmap(pixmap);
    }
    icon.setIsMask(true); // panels that tint symbolic icons may do so
    return icon;
}

QtStatusItem::QtStatusItem()
{
    tray_.setContextMenu(&menu_);
    connect(&menu_, &QMenu::aboutToShow, this, [this] {
        if (willOpen_)
            willOpen_();
    });
    connect(&tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            menu_.popup(QCursor::pos());
    });
}

QtStatusItem::~QtStatusItem()
{
    tray_.hide();
}

void QtStatusItem::setImage(const std::string& symbolName, const std::string& accessibilityDescription)
{
    tray_.setIcon(symbolIcon(symbolName));
    tray_.setToolTip(QString::fromStdString(accessibilityDescription));
    tray_.show(); // docks now, or as soon as a tray appears
}

void QtStatusItem::setMenu(const Menu& menu)
{
    menu_.clear();
    for (QMenu* submenu : submenus_)
        submenu->deleteLater();
    submenus_.clear();
    fill(menu_, menu);
}

void QtStatusItem::fill(QMenu& menu, const Menu& items)
{
    for (const MenuItem& item : items) {
        if (item.isSeparator) {
            menu.addSeparator();
            continue;
        }
        if (item.submenu) {
            QMenu* submenu = menu.addMenu(menuText(item.title));
            submenus_.push_back(submenu);
            fill(*submenu, *item.submenu);
            continue;
        }
        QString text = menuText(item.title);
        if (!item.shortcutHint.empty())
            text += QLatin1Char('\t') + QString::fromStdString(item.shortcutHint);
        QAction* action = menu.addAction(text);
        action->setEnabled(item.enabled && item.action);
        if (item.checked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        if (!item.image.empty())
            action->setIcon(symbolIcon(item.image));
        if (item.action)
            connect(action, &QAction::triggered, this, [item] { item.action(item); });
    }
}

} // namespace vesperon
