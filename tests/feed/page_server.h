#pragma once
// A small HTTP server for the feed tests: serves fixed bodies at fixed paths (the list page at
// "/plugin.php" whatever its query), answers "broken" paths by cutting the connection in the
// middle of the body, can hold requests back until several have arrived together, and logs the
// request targets exactly as they arrived.

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

namespace pindora {

class PageServer {
public:
    PageServer();
    ~PageServer();

    void serve(const std::string& path, std::string body, std::string contentType);
    void serveBroken(const std::string& path);
    // Requests whose path starts with `prefix` wait until `count` of them have arrived (then all
    // are answered) or, at the latest, until `limit` has passed or the server stops (then each
    // gets an empty 503). Until then no held request is answered.
    void holdUntil(const std::string& prefix, int count, std::chrono::milliseconds limit);
    // Held requests answered so far, in whichever way.
    int heldAnswered() const;
    // Listens on a free port of 127.0.0.1; returns "127.0.0.1:<port>".
    std::string start();
    std::vector<std::string> requestTargets() const;

private:
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::map<std::string, std::pair<std::string, std::string>> bodies_;
    std::vector<std::string> broken_;
    std::vector<std::string> targets_;
    std::string holdPrefix_;
    int holdCount_ = 0;
    std::chrono::milliseconds holdLimit_{0};
    int heldArrived_ = 0;
    int heldAnswered_ = 0;
    bool stopping_ = false;
    std::condition_variable holdChanged_;
};

// The list page markup of one item, as the loader's pattern expects it.
std::string anchor(const std::string& link, const std::string& src);
// A small PNG of one colour.
std::string pngOfColour(unsigned colour);

}  // namespace pindora
