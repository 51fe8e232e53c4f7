#include "tests/feed/page_server.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>

namespace pindora {

PageServer::PageServer() : server_(std::make_unique<httplib::Server>()) {
    server_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        std::lock_guard lock(mutex_);
        targets_.push_back(request.target);
        if (std::find(broken_.begin(), broken_.end(), request.path) != broken_.end()) {
            response.set_chunked_content_provider("image/png", [](std::size_t, httplib::DataSink& sink) {
                sink.write("\x89PNG", 4);
                return false;  // abandons the response: the connection is cut mid-body
            });
            return;
        }
        const auto found = bodies_.find(request.path);
        if (found == bodies_.end()) {
            response.status = 404;
            return;
        }
        response.set_content(found->second.first, found->second.second.c_str());
    });
}

PageServer::~PageServer() {
    server_->stop();
    if (thread_.joinable()) thread_.join();
}

void PageServer::serve(const std::string& path, std::string body, std::string contentType) {
    std::lock_guard lock(mutex_);
    bodies_[path] = {std::move(body), std::move(contentType)};
}

void PageServer::serveBroken(const std::string& path) {
    std::lock_guard lock(mutex_);
    broken_.push_back(path);
}

std::string PageServer::start() {
    const int port = server_->bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return "127.0.0.1:" + std::to_string(port);
}

std::vector<std::string> PageServer::requestTargets() const {
    std::lock_guard lock(mutex_);
    return targets_;
}

}  // namespace pindora
