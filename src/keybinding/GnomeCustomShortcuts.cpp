#include "keybinding/GnomeCustomShortcuts.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

namespace vesperon::GnomeCustomShortcuts {

namespace {

const QString schema = QStringLiteral("org.gnome.settings-daemon.plugins.media-keys");
const QString folder = QStringLiteral("/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/");

// gsettings with `arguments`; its output, or nothing when it failed.
std::optional<QString> gsettings(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("gsettings"), arguments);
    if (!process.waitForFinished(5000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// A GVariant string: single quotes, with quotes and backslashes escaped.
QString quoted(const std::string& text)
{
    QString escaped = QString::fromStdString(text);
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

bool set(const QString& path, const char* key, const std::string& value)
{
    return gsettings({QStringLiteral("set"), schema + QStringLiteral(".custom-keybinding:") + path, QLatin1String(key),
                         quoted(value)})
        .has_value();
}

} // namespace

bool isAvailable()
{
    const QString desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    return desktops.split(QLatin1Char(':')).contains(QStringLiteral("GNOME"), Qt::CaseInsensitive)
        && !QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty()
        && gsettings({QStringLiteral("list-keys"), schema}).has_value();
}

bool add(const std::vector<Shortcut>& shortcuts)
{
    const auto listed = gsettings({QStringLiteral("get"), schema, QStringLiteral("custom-keybindings")});
    if (!listed)
        return false;
    QStringList paths; // the list's entries are paths, which hold no quotes
    for (const auto& match : QRegularExpression(QStringLiteral("'([^']*)'")).globalMatch(*listed))
        paths << match.captured(1);
    for (const Shortcut& shortcut : shortcuts) {
        const QString path
            = folder + QStringLiteral("vesperon-") + QString::fromStdString(shortcut.id) + QLatin1Char('/');
        if (!set(path, "name", shortcut.title) || !set(path, "command", shortcut.command)
            || !set(path, "binding", shortcut.accelerator))
            return false;
        if (!paths.contains(path))
            paths << path;
    }
    QStringList entries;
    for (const QString& path : paths)
        entries << quoted(path.toStdString());
    return gsettings({QStringLiteral("set"), schema, QStringLiteral("custom-keybindings"),
                         QLatin1Char('[') + entries.join(QStringLiteral(", ")) + QLatin1Char(']')})
        .has_value();
}

} // namespace vesperon::GnomeCustomShortcuts
