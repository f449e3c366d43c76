#include "support/XvfbServer.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vesperon::testing {

XvfbServer::XvfbServer(const std::string& screen, bool becomeDisplay) : size_(screen.substr(0, screen.rfind('x')))
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fds[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-noreset", "-nolisten", "tcp", "-screen", "0",
            screen.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd waitFor{fds[0], POLLIN, 0};
    while (poll(&waitFor, 1, 20000) > 0) {
        char c = 0;
        if (read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(fds[0]);
    if (number.empty()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
    }
    display_ = ":" + number;
    if (becomeDisplay)
        setenv("DISPLAY", display_.c_str(), 1);
}

XvfbServer::~XvfbServer()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

int XvfbServer::run(const std::string& command) const
{
    const std::string line = "DISPLAY=" + display_ + " " + command + " >/dev/null 2>&1";
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void XvfbServer::setOutputMode(int width, int height) const
{
    const std::string w = std::to_string(width), h = std::to_string(height), mode = w + "x" + h;
    run("xrandr --newmode " + mode + " 0 " + w + " 0 0 0 " + h + " 0 0 0"); // fails harmlessly when known
    run("xrandr --addmode screen " + mode);
    if (run("xrandr --fb " + size_ + " --output screen --mode " + mode) != 0)
        throw std::runtime_error("xrandr could not set the output to " + mode);
}

void XvfbServer::setMonitor(const std::string& name, const Rect& frame, bool takesOutput) const
{
    const auto px = [](double v) { return std::to_string(static_cast<long>(v)); };
    const auto mm = [](double v) { return std::to_string(static_cast<long>(v * 25.4 / 96)); };
    const std::string set = "--setmonitor " + name + " " + px(frame.width) + "/" + mm(frame.width) + "x"
        + px(frame.height) + "/" + mm(frame.height) + "+" + px(frame.x) + "+" + px(frame.y) + (takesOutput ? " screen" : " none");
    // This server refuses to redefine a monitor in place; one xrandr call replaces it.
    if (run("xrandr " + set) != 0 && run("xrandr --delmonitor " + name + " " + set) != 0)
        throw std::runtime_error("xrandr --setmonitor " + name + " failed");
}

void XvfbServer::deleteMonitor(const std::string& name) const
{
    if (run("xrandr --delmonitor " + name) != 0)
        throw std::runtime_error("xrandr --delmonitor " + name + " failed");
}

} // namespace vesperon::testing
