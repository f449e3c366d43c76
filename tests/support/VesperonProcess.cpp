#include "support/VesperonProcess.h"

#include "support/QtSpin.h"

#include <csignal>
#include <fstream>

namespace vesperon::testing {

void VesperonHome::writeSettings(const std::string& json) const
{
    std::filesystem::create_directories(path_ / "config" / "vesperon");
    std::ofstream(path_ / "config" / "vesperon" / "settings.json") << json;
}

QProcessEnvironment VesperonHome::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString((path_ / "config").string()));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(path_.string()));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), QString::fromStdString(language.empty() ? "C.UTF-8" : language));
    return environment;
}

Answer VesperonHome::command(const QStringList& arguments, const char* busAddress) const
{
    QProcessEnvironment environment = this->environment();
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4321"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("nowhere"));
    if (busAddress)
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromLatin1(busAddress));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VESPERON_EXECUTABLE), arguments);
    const bool ended = spinUntil([&] { return process.state() == QProcess::NotRunning; }, 10000);
    if (!ended)
        process.kill(), process.waitForFinished(5000);
    return {ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

bool VesperonHome::statusStartsWith(const char* text) const
{
    const Answer status = command({QStringLiteral("--status")});
    return status.status == 0 && status.out.rfind(text, 0) == 0;
}

VesperonProcess::VesperonProcess(const VesperonHome& home, const Adjust& adjust, const QStringList& arguments)
{
    QProcessEnvironment environment = home.environment();
    if (adjust)
        adjust(environment);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VESPERON_EXECUTABLE), arguments);
}

VesperonProcess::~VesperonProcess() { process.kill(), process.waitForFinished(5000); }

bool VesperonProcess::waitForExit()
{
    return spinUntil([&] { return process.state() == QProcess::NotRunning; });
}

void VesperonProcess::sendSignal(int signal)
{
    // 0 once it has ended: kill(0) would hit the tests' own group.
    if (const qint64 pid = process.processId(); pid > 0)
        ::kill(static_cast<pid_t>(pid), signal);
}

QString VesperonProcess::output() { return printed_ += QString::fromLocal8Bit(process.readAllStandardOutput()); }

} // namespace vesperon::testing
