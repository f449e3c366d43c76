#include "support/VesperonProcess.h"

#include "support/QtSpin.h"

#include <csignal>

namespace vesperon::testing {

QString VesperonProcess::executable()
{
    return QStringLiteral(VESPERON_EXECUTABLE);
}

VesperonProcess::VesperonProcess(const std::filesystem::path& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString((home / "config").string()));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(home.string()));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process_.setProcessEnvironment(environment);
    process_.setProgram(executable());
    process_.setProcessChannelMode(QProcess::SeparateChannels);
}

VesperonProcess::~VesperonProcess()
{
    if (isRunning()) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

void VesperonProcess::start()
{
    process_.start();
    process_.waitForStarted(5000);
}

bool VesperonProcess::waitForExit(int limitMs)
{
    return spinUntil([this] { return !isRunning(); }, limitMs);
}

void VesperonProcess::sendSignal(int signal) const
{
    if (pid() > 0)
        ::kill(static_cast<pid_t>(pid()), signal);
}

QString VesperonProcess::output()
{
    printed_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
    return printed_;
}

} // namespace vesperon::testing
