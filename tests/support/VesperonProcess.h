#pragma once

#include <QProcess>
#include <QString>

#include <filesystem>

namespace vesperon::testing {

// build/vesperon itself, run on the test's X server with a throw-away configuration folder.
class VesperonProcess {
public:
    explicit VesperonProcess(const std::filesystem::path& home);
    ~VesperonProcess();

    void start();
    qint64 pid() const { return process_.processId(); }
    bool isRunning() const { return process_.state() != QProcess::NotRunning; }
    // Waits for the process to end; false if it did not within the limit.
    bool waitForExit(int limitMs = 10000);
    int exitCode() const { return process_.exitCode(); }
    bool exitedNormally() const { return process_.exitStatus() == QProcess::NormalExit; }
    void sendSignal(int signal) const;
    // Everything it printed on standard output so far.
    QString output();

    static QString executable();

private:
    QProcess process_;
    QString printed_;
};

} // namespace vesperon::testing
