#include "tests/e2e/desktop_session.h"

#include <QRegularExpression>
#include <QString>

#include <cerrno>
#include <filesystem>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace pindora::e2e {
namespace {

std::vector<std::string> mergedEnvironment(const std::map<std::string, std::string>& changes) {
    std::map<std::string, std::string> all;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::size_t equals = text.find('=');
        if (equals != std::string::npos) all[text.substr(0, equals)] = text.substr(equals + 1);
    }
    for (const auto& [name, value] : changes) {
        if (value.empty()) {
            all.erase(name);
        } else {
            all[name] = value;
        }
    }
    std::vector<std::string> merged;
    for (const auto& [name, value] : all) merged.push_back(name + "=" + value);
    return merged;
}

int decodeStatus(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

}  // namespace

bool ChildProcess::start(const std::vector<std::string>& argv, const std::map<std::string, std::string>& environment,
                         int stdoutFd) {
    std::vector<std::string> envText = mergedEnvironment(environment);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : envText) envp.push_back(entry.data());
    envp.push_back(nullptr);

    // fork and exec rather than posix_spawn: the child asks to be ended with the test, so that
    // no X server or program outlives a test binary that crashed. Only async-signal-safe calls
    // run between fork and exec.
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
        if (stdoutFd >= 0) dup2(stdoutFd, STDOUT_FILENO);
        const int devNull = open("/dev/null", O_RDONLY);
        if (devNull >= 0) dup2(devNull, STDIN_FILENO);
        execvpe(args[0], args.data(), envp.data());
        _exit(127);
    }
    pid_ = pid;
    status_.reset();
    return true;
}

bool ChildProcess::running() {
    if (pid_ < 0 || status_) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        status_ = decodeStatus(status);
        return false;
    }
    return true;
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (running()) {
        if (std::chrono::steady_clock::now() > end) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return status_;
}

void ChildProcess::kill() {
    if (!running()) return;
    ::kill(pid_, SIGTERM);
    if (!waitForExit(std::chrono::milliseconds(2000))) {
        ::kill(pid_, SIGKILL);
        waitForExit(std::chrono::milliseconds(2000));
    }
}

std::optional<std::string> runCommand(const std::vector<std::string>& argv,
                                      const std::map<std::string, std::string>& environment) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return std::nullopt;
    ChildProcess child;
    const bool started = child.start(argv, environment, pipeFds[1]);
    close(pipeFds[1]);
    std::string output;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (started && std::chrono::steady_clock::now() < end) {
        pollfd ready{pipeFds[0], POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0) {
            if (!child.running()) break;
            continue;
        }
        char buffer[65536];
        const ssize_t count = read(pipeFds[0], buffer, sizeof buffer);
        if (count <= 0) break;
        output.append(buffer, static_cast<std::size_t>(count));
    }
    close(pipeFds[0]);
    const std::optional<int> code = started ? child.waitForExit(std::chrono::seconds(5)) : std::nullopt;
    if (!code || *code != 0) return std::nullopt;
    return output;
}

bool XDisplay::start() {
    // A display number far from the usual ones (other programs on the machine may ask for :0 or
    // :99 by number); the server reports through -displayfd when it is ready. -noreset: by
    // default the server resets when its last client leaves, and a program started during that
    // reset (the relaunch after a close) cannot connect.
    for (int attempt = 0; attempt < 20; ++attempt) {
        const int number = 200 + static_cast<int>((getpid() * 7 + attempt * 37) % 700);
        if (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock")) continue;
        int pipeFds[2];
        if (pipe(pipeFds) != 0) return false;
        const bool started = server_.start({"Xvfb", ":" + std::to_string(number), "-displayfd", std::to_string(pipeFds[1]),
                                            "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
        close(pipeFds[1]);
        std::string reported;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (started && std::chrono::steady_clock::now() < end && reported.find('\n') == std::string::npos) {
            pollfd ready{pipeFds[0], POLLIN, 0};
            if (poll(&ready, 1, 100) <= 0) continue;
            char buffer[32];
            const ssize_t count = read(pipeFds[0], buffer, sizeof buffer);
            if (count <= 0) break;
            reported.append(buffer, static_cast<std::size_t>(count));
        }
        close(pipeFds[0]);
        if (reported.find('\n') != std::string::npos) {
            name_ = ":" + std::to_string(number);
            return true;
        }
        server_.kill();
    }
    return false;
}

QImage XDisplay::screenshot() const {
    const std::optional<std::string> png = runCommand({"import", "-window", "root", "png:-"}, env());
    if (!png) return {};
    return QImage::fromData(reinterpret_cast<const uchar*>(png->data()), static_cast<int>(png->size()), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

void XDisplay::moveMouse(int x, int y) const {
    // Without --sync: it would wait for a motion that never comes when the pointer is there already.
    runCommand({"xdotool", "mousemove", std::to_string(x), std::to_string(y)}, env());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

void XDisplay::click(int x, int y, int button) const {
    moveMouse(x, y);
    runCommand({"xdotool", "click", std::to_string(button)}, env());
}

void XDisplay::key(const std::string& keys) const {
    std::vector<std::string> argv = {"xdotool", "key", "--delay", "80"};
    const QStringList names = QString::fromStdString(keys).split(' ', Qt::SkipEmptyParts);
    for (const QString& name : names) argv.push_back(name.toStdString());
    runCommand(argv, env());
}

void XDisplay::type(const std::string& text) const {
    runCommand({"xdotool", "type", "--delay", "20", text}, env());
}

std::vector<QRect> XDisplay::programWindows() const {
    std::vector<QRect> windows;
    const std::optional<std::string> ids = runCommand({"xdotool", "search", "--onlyvisible", "--class", "pindora"}, env());
    if (!ids) return windows;
    for (const QString& id : QString::fromStdString(*ids).split('\n', Qt::SkipEmptyParts)) {
        const std::optional<std::string> shell =
            runCommand({"xdotool", "getwindowgeometry", "--shell", id.toStdString()}, env());
        if (!shell) continue;
        std::map<QString, int> values;
        for (const QString& line : QString::fromStdString(*shell).split('\n', Qt::SkipEmptyParts)) {
            const QStringList pair = line.split('=');
            if (pair.size() == 2) values[pair[0]] = pair[1].toInt();
        }
        windows.emplace_back(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]);
    }
    return windows;
}

QImage XDisplay::clipboardImage() const {
    const std::optional<std::string> png =
        runCommand({"xclip", "-selection", "clipboard", "-t", "image/png", "-o"}, env());
    if (!png) return {};
    return QImage::fromData(reinterpret_cast<const uchar*>(png->data()), static_cast<int>(png->size()), "PNG");
}

}  // namespace pindora::e2e
