#include "support/Daemon.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vesperon::testing {

Daemon::Daemon(const std::vector<std::string>& arguments, const std::string& package)
{
    int fds[2];
    if (pipe(fds) != 0 || (pid_ = fork()) < 0)
        throw std::runtime_error("cannot start " + arguments.at(0));
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        std::vector<std::string> expanded = arguments;
        std::vector<char*> argv;
        for (std::string& argument : expanded) {
            if (const auto at = argument.find("{fd}"); at != std::string::npos)
                argument.replace(at, 4, std::to_string(fds[1]));
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(fds[1]);
    char c = 0;
    for (pollfd ready{fds[0], POLLIN, 0}; poll(&ready, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n';)
        line_ += c;
    close(fds[0]);
    if (line_.empty())
        throw std::runtime_error(arguments.at(0) + " did not start (is the " + package + " package installed?)");
}

Daemon::~Daemon()
{
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

SessionBus::SessionBus()
{
    char pattern[] = "/tmp/vesperon-bus-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("cannot make a home for the session bus");
    home_ = latest_ = pattern;
    std::filesystem::create_directories(servicesFolder()); // there at the start, or the bus never looks
    daemon_ = std::make_unique<Daemon>(
        std::vector<std::string>{"env", "HOME=" + home_, "XDG_CONFIG_HOME=" + home_ + "/config",
            "XDG_DATA_HOME=" + home_ + "/data", "dbus-daemon", "--session", "--nofork", "--print-address={fd}"},
        "dbus-daemon");
    setenv("DBUS_SESSION_BUS_ADDRESS", address().c_str(), 1);
}

SessionBus::~SessionBus()
{
    daemon_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(home_, ignored);
}

} // namespace vesperon::testing
