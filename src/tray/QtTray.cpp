#include "tray/QtTray.h"

#include "tray/OutlinedIconEngine.h"

#include <QCursor>
#include <QDBusConnection>
#include <QGuiApplication>

#include <algorithm>
#include <utility>

namespace vesperon {

namespace {

QString resourceFor(Icon icon)
{
    switch (icon) {
    case Icon::displayBlackedOut:
        return QStringLiteral(":/icons/display-warning.svg");
    case Icon::warning:
        return QStringLiteral(":/icons/warning.svg");
    case Icon::display:
    case Icon::none:
        break;
    }
    return QStringLiteral(":/icons/display.svg");
}

// '&' marks a mnemonic in Qt menus; a display called "A&B" must read so.
QString menuText(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// A Wayland popup needs a window of the program's own in front to open from; with none, Qt opens
// the menu as a window of its own. Compositors float a window of fixed size (tiling ones would
// stretch it over the screen), and it closes as soon as the user turns elsewhere.
void fitWindowlessPopup(QMenu& menu)
{
    const bool windowless
        = QGuiApplication::platformName() == QLatin1String("wayland") && !QGuiApplication::focusWindow();
    if (windowless) {
        menu.setFixedSize(menu.sizeHint());
    } else {
        menu.setMinimumSize(0, 0);
        menu.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

} // namespace

const QIcon& QtTray::icon(Icon icon)
{
    auto it = icons_.find(icon);
    if (it == icons_.end())
        it = icons_.emplace(icon, QIcon(new OutlinedIconEngine(resourceFor(icon)))).first;
    return it->second;
}

QtTray::QtTray() : available_(QSystemTrayIcon::isSystemTrayAvailable())
{
    watchStatusNotifierHosts();
    tray_.setContextMenu(&menu_);
    connect(&menu_, &QMenu::aboutToShow, this, [this] {
        if (aboutToShow_)
            aboutToShow_();
        fitWindowlessPopup(menu_);
    });
    // Panels that draw the exported menu themselves never ask. The others do: a left click on any
    // of them, a right click on an XEmbed tray (Qt has opened the menu by then) or on swaybar.
    connect(&tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if ((reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context) && !menu_.isVisible())
            menu_.popup(QCursor::pos());
    });
}

// A host counts once it has registered with the watcher, which may start before or after us.
void QtTray::watchStatusNotifierHosts()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    statusNotifierWatcher_.setConnection(bus);
    statusNotifierWatcher_.addWatchedService(watcher);
    connect(&statusNotifierWatcher_, &QDBusServiceWatcher::serviceOwnerChanged, this, &QtTray::recheck);
    for (const char* signal : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"})
        bus.connect(
            QString(), QStringLiteral("/StatusNotifierWatcher"), watcher, QLatin1String(signal), this, SLOT(recheck()));
}

void QtTray::recheck()
{
    if (std::exchange(available_, QSystemTrayIcon::isSystemTrayAvailable()) != available_)
        availabilityChanged.emit();
}

QtTray::~QtTray() { tray_.hide(); }

void QtTray::setIcon(Icon icon, const std::string& tooltip)
{
    tray_.setIcon(this->icon(icon));
    tray_.setToolTip(QString::fromStdString(tooltip));
    tray_.show(); // docks now, or as soon as a tray appears
}

void QtTray::setMenu(const Menu& menu)
{
    // Only the state of an item changed: the open menu and its submenus stay where the user is.
    if (sameShape(menu_, menu)) {
        update(menu_, menu);
        return;
    }
    menu_.clear();
    for (QMenu* submenu : submenus_)
        submenu->deleteLater();
    submenus_.clear();
    items_.clear();
    fill(menu_, menu);
}

// Whether `menu` holds items of the same kinds in the same places as `items`.
bool QtTray::sameShape(const QMenu& menu, const Menu& items)
{
    const QList<QAction*> actions = menu.actions();
    return static_cast<std::size_t>(actions.size()) == items.size()
        && std::ranges::equal(actions, items, [](const QAction* action, const MenuItem& item) {
               const QMenu* submenu = action->menu();
               return action->isSeparator() == item.isSeparator && (submenu != nullptr) == item.submenu.has_value()
                   && (!submenu || sameShape(*submenu, *item.submenu));
           });
}

void QtTray::fill(QMenu& menu, const Menu& items)
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
        QAction* action = menu.addAction(QString());
        showItem(*action, item);
        connect(action, &QAction::triggered, this, [this, action] {
            const auto it = items_.find(action);
            if (it == items_.end() || !it->second.action)
                return;
            const MenuItem chosen = it->second; // the action may replace the menu
            chosen.action(chosen);
        });
    }
}

// `items` has the shape of what `menu` shows.
void QtTray::update(QMenu& menu, const Menu& items)
{
    const QList<QAction*> actions = menu.actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const MenuItem& item = items[static_cast<std::size_t>(i)];
        if (item.isSeparator)
            continue;
        if (item.submenu) {
            actions[i]->setText(menuText(item.title));
            update(*actions[i]->menu(), *item.submenu);
            continue;
        }
        showItem(*actions[i], item);
    }
}

void QtTray::showItem(QAction& action, const MenuItem& item)
{
    QString text = menuText(item.title);
    if (!item.shortcutHint.empty())
        text += QLatin1Char('\t') + QString::fromStdString(item.shortcutHint);
    action.setText(text);
    action.setEnabled(item.enabled && item.action);
    action.setCheckable(item.checked);
    action.setChecked(item.checked);
    action.setIcon(item.icon == Icon::none ? QIcon() : icon(item.icon));
    items_[&action] = item;
}

} // namespace vesperon
