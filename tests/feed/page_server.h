#pragma once
// A small HTTP server for the feed tests: serves fixed bodies at fixed paths (the list page at
// "/plugin.php" whatever its query), answers "broken" paths by cutting the connection in the
// middle of the body, and logs the request targets exactly as they arrived.

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
};

}  // namespace pindora
