#include "gnome/GnomeTopBar.h"

namespace vesperon {

namespace {

QString iconName(Icon icon)
{
    switch (icon) {
    case Icon::displayBlackedOut:
        return QStringLiteral("display-dark");
    case Icon::warning:
        return QStringLiteral("warning");
    case Icon::display:
        return QStringLiteral("display");
    case Icon::none:
        break;
    }
    return {};
}

} // namespace

GnomeTopBar::GnomeTopBar(GnomeShellExtension& extension, Tray& trayIcon) : extension_(extension), trayIcon_(trayIcon)
{
    subscriptions_.push_back(trayIcon_.availabilityChanged.connect([this] { send(); }));
    subscriptions_.push_back(extension_.returned.connect([this] {
        sent_.clear(); // the shell forgot it
        send();
    }));
    subscriptions_.push_back(
        extension_.menuActivated.connect([this](std::uint32_t revision, std::int32_t id) { activated(revision, id); }));
    subscriptions_.push_back(extension_.menuOpening.connect([this] {
        if (aboutToShow_)
            aboutToShow_();
    }));
}

void GnomeTopBar::setIcon(Icon icon, const std::string& tooltip)
{
    trayIcon_.setIcon(icon, tooltip);
    icon_ = icon;
    send();
}

void GnomeTopBar::setMenu(const Menu& menu)
{
    trayIcon_.setMenu(menu);
    menu_ = menu;
    send();
}

void GnomeTopBar::setAboutToShow(std::function<void()> handler)
{
    trayIcon_.setAboutToShow(handler);
    aboutToShow_ = std::move(handler);
}

// Only what changed goes to the shell: the menu is built afresh each time it opens.
void GnomeTopBar::send()
{
    QList<PanelMenuEntry> entries;
    items_.clear();
    if (!trayIcon_.isAvailable())
        flatten(menu_, 0, entries);
    const QString icon = iconName(icon_);
    if (entries == sent_ && icon == sentIcon_ && revision_ > 0)
        return;
    sent_ = entries;
    sentIcon_ = icon;
    extension_.setMenu(++revision_, icon, entries);
}

void GnomeTopBar::flatten(const Menu& menu, int parent, QList<PanelMenuEntry>& entries)
{
    for (const MenuItem& item : menu) {
        items_.push_back(item);
        const int id = int(items_.size());
        QVariantMap properties{{QStringLiteral("title"), QString::fromStdString(item.title)},
            {QStringLiteral("name"), QString::fromStdString(item.name)},
            {QStringLiteral("hint"), QString::fromStdString(item.shortcutHint)},
            {QStringLiteral("icon"), iconName(item.icon)}, {QStringLiteral("enabled"), item.enabled && item.action},
            {QStringLiteral("checked"), item.checked}, {QStringLiteral("separator"), item.isSeparator},
            {QStringLiteral("submenu"), item.submenu.has_value()}};
        entries.push_back({id, parent, properties});
        if (item.submenu)
            flatten(*item.submenu, id, entries);
    }
}

// A choice made in a menu since replaced is dropped: its id may name another item now.
void GnomeTopBar::activated(std::uint32_t revision, std::int32_t id)
{
    if (revision != revision_ || id < 1 || std::size_t(id) > items_.size())
        return;
    const MenuItem chosen = items_[std::size_t(id) - 1]; // the action may replace the menu
    if (chosen.action && chosen.enabled)
        chosen.action(chosen);
}

} // namespace vesperon
