#include "desktop/AutostartEntry.h"

#include "core/ApplicationId.h"
#include "core/Translation.h"
#include "desktop/XdgPaths.h"

#include <QFile>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

namespace vesperon {

namespace fs = std::filesystem;

std::string installedDesktopEntry()
{
    QFile file(QStringLiteral(":/desktop/%1.desktop").arg(QLatin1String(applicationId)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

AutostartEntry::AutostartEntry(fs::path entry, fs::path executable, std::string desktopEntry)
    : entry_(std::move(entry))
    , executable_(std::move(executable))
    , desktopEntry_(std::move(desktopEntry))
{
}

fs::path AutostartEntry::defaultPath() { return xdgConfigHome() / "autostart" / "vesperon.desktop"; }

std::string AutostartEntry::execValue(const fs::path& executable)
{
    const std::string path = executable.string();
    constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    if (path.find_first_of(reserved) == std::string::npos)
        return path;
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    // The desktop-entry format escapes backslashes once more in string values.
    std::string escaped;
    for (char c : quoted)
        escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return escaped;
}

std::string AutostartEntry::text() const
{
    constexpr std::string_view exec = "Exec=";
    std::istringstream in(desktopEntry_);
    std::string text;
    std::string group;
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with('['))
            group = line;
        // At login the program starts by its command: activated on the bus, it would open its
        // preferences.
        if (line.starts_with("DBusActivatable="))
            continue;
        if (!line.starts_with(exec)) {
            text += line + '\n';
            continue;
        }
        // The installed entry finds the program on PATH; this one names it.
        const std::size_t programEnd = line.find(' ');
        const std::string arguments = programEnd == std::string::npos ? "" : line.substr(programEnd);
        text += std::string(exec) + execValue(executable_) + arguments + '\n';
        if (group == "[Desktop Entry]")
            text += "X-GNOME-Autostart-enabled=true\n";
    }
    return text;
}

std::optional<std::string> AutostartEntry::enable()
{
    std::error_code error;
    fs::create_directories(entry_.parent_path(), error);
    if (error)
        return error.message();
    const fs::path temporary = entry_.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << text();
        out.flush();
        if (!out)
            //: Why launch at login could not be turned on; %1 is a file's path.
            return substitute(translated("AutostartEntry", "cannot write %1"), {temporary.string()});
    }
    fs::rename(temporary, entry_, error);
    if (error) {
        fs::remove(temporary, error);
        //: Why launch at login could not be turned on; %1 is a file's path.
        return substitute(translated("AutostartEntry", "cannot write %1"), {entry_.string()});
    }
    return std::nullopt;
}

std::optional<std::string> AutostartEntry::disable()
{
    std::error_code error;
    fs::remove(entry_, error);
    if (error)
        return error.message();
    return std::nullopt;
}

bool AutostartEntry::isEnabled() const
{
    std::ifstream in(entry_);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false")
            return false;
    }
    return true;
}

} // namespace vesperon
