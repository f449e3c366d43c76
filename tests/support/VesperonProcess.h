#pragma once

// build/vesperon run as a user runs it: started from a home of the test's own (its settings and
// runtime folder) against the test's server and bus, and its command line run against it.
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>
#include <functional>
#include <string>

namespace vesperon::testing {

// What `vesperon --option…` printed and exited with.
struct Answer {
    int status = -1;
    std::string out, errors;
};

class VesperonHome {
public:
    const std::filesystem::path& path() const { return path_; }
    void writeSettings(const std::string& json) const;
    // A program started from here: its config and runtime folders, Qt's platform chosen by itself,
    // and `language` (LANG), English by default whatever the developer's own.
    QProcessEnvironment environment() const;
    std::string language;
    // `vesperon ARGUMENTS…` to its end. Its display does not exist: a command never opens one. The
    // wait runs the event loop, as this process may host a tray the program is asking.
    Answer command(const QStringList& arguments, const char* busAddress = nullptr) const;
    // Whether `vesperon --status` answers and begins with `text`.
    bool statusStartsWith(const char* text) const;

private:
    QTemporaryDir folder_;
    std::filesystem::path path_ = folder_.path().toStdString();
};

class VesperonProcess {
public:
    using Adjust = std::function<void(QProcessEnvironment&)>;
    explicit VesperonProcess(const VesperonHome& home, const Adjust& adjust = {}, const QStringList& arguments = {});
    ~VesperonProcess(); // killed, if it still runs
    VesperonProcess(const VesperonProcess&) = delete;
    VesperonProcess& operator=(const VesperonProcess&) = delete;

    bool waitForExit();
    void sendSignal(int signal);
    QString output();

    QProcess process;

private:
    QString printed_;
};

} // namespace vesperon::testing
