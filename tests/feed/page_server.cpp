#include "tests/feed/page_server.h"

#include <httplib.h>

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <chrono>

namespace pindora {

PageServer::PageServer() : server_(std::make_unique<httplib::Server>()) {
    // Enough threads for held requests and the requests that go on meanwhile.
    server_->new_task_queue = [] { return new httplib::ThreadPool(32); };
    server_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        // Each connection ends with its response: a client keeping connections alive would
        // otherwise hold the server's stop for its keep-alive timeout (5 s).
        response.set_header("Connection", "close");
        std::unique_lock lock(mutex_);
        targets_.push_back(request.target);
        if (!holdPrefix_.empty() && request.path.rfind(holdPrefix_, 0) == 0) {
            ++heldArrived_;
            holdChanged_.notify_all();
            const bool together = holdChanged_.wait_for(lock, holdLimit_, [this] {
                return stopping_ || heldArrived_ >= holdCount_;
            }) && !stopping_;
            ++heldAnswered_;
            if (!together) {
                response.status = 503;
                return;
            }
        }
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
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    holdChanged_.notify_all();
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

void PageServer::holdUntil(const std::string& prefix, int count, std::chrono::milliseconds limit) {
    std::lock_guard lock(mutex_);
    holdPrefix_ = prefix;
    holdCount_ = count;
    holdLimit_ = limit;
}

int PageServer::heldAnswered() const {
    std::lock_guard lock(mutex_);
    return heldAnswered_;
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

std::string anchor(const std::string& link, const std::string& src) {
    return "<li><a href=\"" + link + "\" class=\"image\" title=\"t\" target=\"_blank\" style=\"display:block;\">\r\n"
           "  <img src=\"" + src + "\" border=\"0\" /></a></li>\r\n";
}

std::string pngOfColour(unsigned colour) {
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(colour);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data().toStdString();
}

}  // namespace pindora
