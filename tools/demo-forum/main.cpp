// pindora-demo-forum [--port N]: serves the demo forum on 127.0.0.1 (default port 8380) until
// interrupted.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "tools/demo-forum/demo_forum.h"

namespace {
volatile std::sig_atomic_t stopRequested = 0;
void onSignal(int) { stopRequested = 1; }
}  // namespace

int main(int argc, char** argv) {
    int port = 8380;
    int latency = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc) port = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--latency-ms") == 0 && i + 1 < argc) latency = std::atoi(argv[++i]);
        else {
            std::fprintf(stderr, "usage: %s [--port N] [--latency-ms MS]\n", argv[0]);
            return 2;
        }
    }
    pindora::demo::DemoForumOptions options;
    options.latency = std::chrono::milliseconds(latency);
    pindora::demo::DemoForum forum(options);
    int bound = forum.start(port);
    if (bound < 0) {
        std::fprintf(stderr, "pindora-demo-forum: cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::printf("pindora-demo-forum: listening on http://127.0.0.1:%d/\n", bound);
    std::fflush(stdout);
    while (!stopRequested) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    forum.stop();
    return 0;
}
