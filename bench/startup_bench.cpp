// Start-up time: from exec of the program to its first painted window, on the X display of
// DISPLAY (bench/run.sh starts an Xvfb). The demo forum runs in this process; the program runs
// from a scratch folder of its own (with its runtime folder) and a fresh config.ini each time.
//
// The window opens at (50, 50) and nothing else is on the screen, so the first paint is seen
// as the first change of the title bar's strip of screen against the bare screen before exec.
//
// Usage: startup_bench PROGRAM [RUNS]   Prints "startup.first-paint<TAB>median<TAB>ms".

#include "tools/demo-forum/demo_forum.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// The title bar of the main window as the form places it.
QImage titleStrip(QScreen* screen) { return screen->grabWindow(0, 50, 50, 650, 24).toImage(); }

pid_t spawnProgram(const std::string& program) {
    pid_t pid = -1;
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return -1;
    return pid;
}

void stopProgram(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Milliseconds from exec to the first change of the title strip, or a negative value when
// nothing was painted within ten seconds.
double measureOnce(QScreen* screen, const std::string& program) {
    const QImage bare = titleStrip(screen);
    const Clock::time_point start = Clock::now();
    const pid_t pid = spawnProgram(program);
    if (pid < 0) return -1;
    double elapsed = -1;
    while (Clock::now() - start < std::chrono::seconds(10)) {
        if (titleStrip(screen) != bare) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        // Leaves the two cores to the program and the X server between looks.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    stopProgram(pid);
    // Let the window disappear before the next run compares against the bare screen.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return elapsed;
}

// The median over `runs` starts of the program in `folder`, or nothing when one painted nothing.
std::optional<double> medianFirstPaint(QScreen* screen, const std::filesystem::path& folder, int runs) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        std::filesystem::remove(folder / "config.ini");
        const double ms = measureOnce(screen, (folder / "pindora").string());
        if (ms < 0) return std::nullopt;
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    return times.size() % 2 == 1 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("pindora_startup_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "runtime");
    std::filesystem::permissions(folder / "runtime", std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", (folder / "runtime").c_str(), 1);
    std::error_code copyError;
    std::filesystem::copy_file(argv[1], folder / "pindora", std::filesystem::copy_options::overwrite_existing, copyError);

    std::optional<double> median;
    if (copyError) {
        std::fprintf(stderr, "startup_bench: cannot copy %s: %s\n", argv[1], copyError.message().c_str());
    } else {
        QGuiApplication application(argc, argv);
        pindora::demo::DemoForum forum;
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen != nullptr && forum.start() > 0) {
            setenv("PINDORA_FORUM_HOST", forum.hostAndPort().c_str(), 1);
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            median = medianFirstPaint(screen, folder, runs);
            if (!median) std::fprintf(stderr, "startup_bench: no window painted within 10 s\n");
        }
    }
    std::filesystem::remove_all(folder);
    if (!median) return 1;
    std::printf("startup.first-paint\t%.1f\tms\n", *median);
    return 0;
}
