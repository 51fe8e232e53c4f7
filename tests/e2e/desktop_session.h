#pragma once
// Child processes and a private X display for the end-to-end tests: an Xvfb on a display
// number it picks itself, and the X tools that act as the user (xdotool), read the screen
// (import) and read the clipboard (xclip). Every wait is bounded; every child is killed when
// its owner goes away.

#include <QImage>
#include <QRect>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pindora::e2e {

class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() { kill(); }

    // Starts `argv` with the environment of this process changed by `environment` (an empty
    // value removes the variable). stdout goes to `stdoutFd` when it is not -1.
    bool start(const std::vector<std::string>& argv, const std::map<std::string, std::string>& environment = {},
               int stdoutFd = -1);
    bool running();
    // The exit code once it has ended within the time, or nothing (signals give 128 + number).
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);
    void kill();
    int pid() const { return pid_; }

private:
    int pid_ = -1;
    std::optional<int> status_;
};

// Runs a command to its end (at most 20 seconds) and returns its standard output; nothing when
// it failed.
std::optional<std::string> runCommand(const std::vector<std::string>& argv,
                                      const std::map<std::string, std::string>& environment = {});

class XDisplay {
public:
    bool start();
    std::string name() const { return name_; }  // ":N"

    QImage screenshot() const;
    void click(int x, int y, int button = 1) const;
    void moveMouse(int x, int y) const;
    void key(const std::string& keys) const;   // xdotool key names, e.g. "Down Return"
    void type(const std::string& text) const;
    // Visible top-level windows of the program (by its WM class), with their screen rectangles.
    std::vector<QRect> programWindows() const;
    // The clipboard's picture, if it holds one.
    QImage clipboardImage() const;

private:
    std::map<std::string, std::string> env() const { return {{"DISPLAY", name_}}; }
    ChildProcess server_;
    std::string name_;
};

}  // namespace pindora::e2e
