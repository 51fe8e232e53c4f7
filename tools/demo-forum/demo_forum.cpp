#include "tools/demo-forum/demo_forum.h"

#include <QUrl>
#include <QUrlQuery>
#include <httplib.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <strings.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <thread>

#include "tools/demo-forum/content.h"

namespace pindora::demo {
namespace {

// What a handler may ask of the connection it runs on (the handler runs on the connection's
// thread, inside process_request).
struct ConnectionControl {
    std::optional<std::string> raw;  // written byte for byte instead of httplib's response
    bool rawSent = false;
    bool reset = false;              // close with RST, write nothing
};
thread_local ConnectionControl* currentConnection = nullptr;

bool waitFor(int socket, short events, int timeoutMs) {
    pollfd p{socket, events, 0};
    return ::poll(&p, 1, timeoutMs) > 0;
}

bool sendAll(int socket, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::send(socket, data, size, MSG_NOSIGNAL);
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string peerText(int socket, bool local, int& port) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    int rc = local ? getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length)
                   : getpeername(socket, reinterpret_cast<sockaddr*>(&address), &length);
    port = 0;
    if (rc != 0 || address.ss_family != AF_INET) return {};
    auto* in = reinterpret_cast<sockaddr_in*>(&address);
    port = ntohs(in->sin_port);
    unsigned a = ntohl(in->sin_addr.s_addr);
    return std::to_string(a >> 24) + "." + std::to_string((a >> 16) & 255) + "." +
           std::to_string((a >> 8) & 255) + "." + std::to_string(a & 255);
}

}  // namespace

struct DemoForum::Impl {
    // httplib's server with our own connection loop: it reads through a stream that records the
    // request bytes (so the log keeps the header lines in order) and lets a handler replace the
    // response by raw bytes or a reset.
    class Server : public httplib::Server {
    public:
        explicit Server(Impl& owner) : owner_(owner) {}

    private:
        class Stream : public httplib::Stream {
        public:
            Stream(Server& server, int socket, ConnectionControl& control)
                : server_(server), socket_(socket), control_(control), connectionId_(++server.owner_.connections) {}
            bool is_readable() const override { return readAt_ < request_.size(); }
            bool is_writable() const override { return waitFor(socket_, POLLOUT, 5000); }
            // httplib reads the request from the copy that readRequest() took off the socket.
            ssize_t read(char* ptr, size_t size) override {
                std::size_t n = std::min(size, request_.size() - readAt_);
                if (n == 0) return 0;
                std::memcpy(ptr, request_.data() + readAt_, n);
                readAt_ += n;
                return static_cast<ssize_t>(n);
            }
            ssize_t write(const char* ptr, size_t size) override {
                if (control_.reset) return static_cast<ssize_t>(size);
                if (control_.raw) {
                    if (!control_.rawSent) {
                        control_.rawSent = true;
                        sendAll(socket_, control_.raw->data(), control_.raw->size());
                    }
                    return static_cast<ssize_t>(size);
                }
                return sendAll(socket_, ptr, size) ? static_cast<ssize_t>(size) : -1;
            }
            void get_remote_ip_and_port(std::string& ip, int& port) const override { ip = peerText(socket_, false, port); }
            void get_local_ip_and_port(std::string& ip, int& port) const override { ip = peerText(socket_, true, port); }
            socket_t socket() const override { return socket_; }

            // The request's path and query, from its request line.
            std::string target() const {
                auto first = request_.find(' ');
                auto second = request_.find(' ', first + 1);
                if (first == std::string::npos || second == std::string::npos) return {};
                return request_.substr(first + 1, second - first - 1);
            }

            // Takes one whole request (head, and a body of Content-Length bytes) off the socket
            // and logs it. A body httplib does not read (a GET with a body) is dropped with it.
            bool readRequest() {
                request_.clear();
                readAt_ = 0;
                std::size_t headEnd;
                char buffer[8192];
                while ((headEnd = request_.find("\r\n\r\n")) == std::string::npos) {
                    if (request_.size() > 1 << 20 || !waitFor(socket_, POLLIN, 5000)) return false;
                    ssize_t n = ::recv(socket_, buffer, sizeof buffer, 0);
                    if (n <= 0) return false;
                    request_.append(buffer, static_cast<std::size_t>(n));
                }
                std::size_t length = 0;
                std::string head = request_.substr(0, headEnd + 2);
                for (std::size_t at = 0; at < head.size();) {
                    std::size_t end = head.find("\r\n", at);
                    std::string line = head.substr(at, end - at);
                    at = end + 2;
                    if (line.size() > 15 && strncasecmp(line.c_str(), "Content-Length:", 15) == 0)
                        length = std::strtoul(line.c_str() + 15, nullptr, 10);
                }
                std::size_t total = headEnd + 4 + length;
                while (request_.size() < total) {
                    if (!waitFor(socket_, POLLIN, 5000)) return false;
                    ssize_t n = ::recv(socket_, buffer, std::min(sizeof buffer, total - request_.size()), 0);
                    if (n <= 0) return false;
                    request_.append(buffer, static_cast<std::size_t>(n));
                }
                server_.owner_.log(request_.substr(0, total), connectionId_);
                return true;
            }

        private:
            Server& server_;
            int socket_;
            ConnectionControl& control_;
            std::string request_;
            std::size_t readAt_ = 0;
            int connectionId_;
        };

        bool process_and_close_socket(socket_t socket) override {
            ConnectionControl control;
            Stream stream(*this, socket, control);
            int noDelay = 1;
            setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
            // A kept-alive connection serves up to 100 requests and waits up to 5 s for the next.
            for (int count = 0; count < 100; ++count) {
                // Wait for the next request, watching for stop().
                bool readable = false;
                for (int waited = 0; waited < 5000 && svr_sock_ != INVALID_SOCKET; waited += 50)
                    if ((readable = waitFor(socket, POLLIN, 50))) break;
                if (!readable) break;
                if (!stream.readRequest()) break;
                control = ConnectionControl{};
                if (auto fault = owner_.faultFor(stream.target())) {
                    serveFault(socket, *fault, control);
                    break;
                }
                currentConnection = &control;
                bool closed = false;
                bool ok = process_request(stream, count == 99, closed, [](httplib::Request&) {});
                currentConnection = nullptr;
                if (!ok || closed || control.raw || control.reset) break;
            }
            if (control.reset) {
                linger hard{1, 0};
                setsockopt(socket, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
            } else {
                ::shutdown(socket, SHUT_WR);
            }
            ::close(socket);
            return true;
        }

        bool stopping() const { return svr_sock_ == INVALID_SOCKET; }

        // Writes the broken answer of `fault`; the connection is closed afterwards (reset when
        // control.reset is set).
        void serveFault(int socket, Fault fault, ConnectionControl& control) {
            const std::string declared = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                                         "Content-Length: 200000\r\n\r\n";
            switch (fault) {
            case Fault::ResetMidBody:
                sendAll(socket, (declared + std::string(64 * 1024, 'r')).data(), declared.size() + 64 * 1024);
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                control.reset = true;
                break;
            case Fault::TruncatedBody:
                sendAll(socket, (declared + std::string(1000, 't')).data(), declared.size() + 1000);
                break;
            case Fault::MalformedStatus: {
                const std::string reply = "HTPT/1.1 2OO Fine\r\nContent-Length: 5\r\n\r\nhello";
                sendAll(socket, reply.data(), reply.size());
                break;
            }
            case Fault::Stall: {
                // Silent until the client hangs up (recv returns 0 or fails) or the forum stops.
                char buffer[4096];
                while (!stopping()) {
                    if (!waitFor(socket, POLLIN, 50)) continue;
                    if (::recv(socket, buffer, sizeof buffer, 0) <= 0) break;
                }
                break;
            }
            case Fault::HugeBody: {
                const std::string head = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                                         "Connection: close\r\n\r\n";
                if (!sendAll(socket, head.data(), head.size())) break;
                const std::string piece(64 * 1024, 'h');
                for (int sent = 0; sent < 4096 && !stopping(); ++sent) {
                    if (!waitFor(socket, POLLOUT, 5000) || !sendAll(socket, piece.data(), piece.size())) break;
                }
                break;
            }
            case Fault::NotImage:
            case Fault::PngBomb:
            case Fault::GifBomb: {
                const std::string body = faultPicture(fault);
                const std::string reply = std::string("HTTP/1.1 200 OK\r\nContent-Type: ") +
                                          (fault == Fault::GifBomb ? "image/gif" : "image/png") +
                                          "\r\nContent-Length: " + std::to_string(body.size()) +
                                          "\r\nConnection: close\r\n\r\n" + body;
                sendAll(socket, reply.data(), reply.size());
                break;
            }
            }
        }

        Impl& owner_;
    };

    explicit Impl(DemoForumOptions o) : options(std::move(o)), server(*this) {}

    void log(const std::string& bytes, int connectionId) {
        LoggedRequest entry;
        entry.connection = connectionId;
        auto headEnd = bytes.find("\r\n\r\n");
        std::string head = bytes.substr(0, headEnd);
        entry.body = headEnd == std::string::npos ? std::string() : bytes.substr(headEnd + 4);
        std::size_t at = 0;
        bool first = true;
        while (at <= head.size()) {
            auto end = head.find("\r\n", at);
            if (end == std::string::npos) end = head.size();
            std::string line = head.substr(at, end - at);
            at = end + 2;
            if (first) {
                entry.requestLine = line;
                first = false;
            } else {
                entry.headerLines.push_back(line);
            }
        }
        auto space = entry.requestLine.find(' ');
        entry.method = entry.requestLine.substr(0, space);
        if (space != std::string::npos) {
            auto second = entry.requestLine.find(' ', space + 1);
            entry.target = entry.requestLine.substr(space + 1, second == std::string::npos ? std::string::npos : second - space - 1);
        }
        std::lock_guard lock(logMutex);
        logged.push_back(std::move(entry));
    }

    std::optional<Fault> faultFor(const std::string& target) const {
        std::lock_guard lock(faultMutex);
        for (const auto& [prefix, fault] : faults)
            if (target.rfind(prefix, 0) == 0) return fault;
        return std::nullopt;
    }

    static std::string rawResponse(const std::string& version, int status, const std::string& reason,
                                   const std::vector<std::string>& headers, const std::string& body) {
        std::string out = version + " " + std::to_string(status) + " " + reason + "\r\n";
        for (const auto& h : headers) out += h + "\r\n";
        out += "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
        return out;
    }

    static void html(httplib::Response& res, const std::string& body, int status = 200) {
        res.status = status;
        res.set_content(body, "text/html; charset=utf-8");
    }

    // The switchable test behaviours under /test/. Returns false for an unknown path.
    bool testBehaviour(const httplib::Request& req, httplib::Response& res) {
        const std::string& path = req.path;
        auto param = [&](const char* key, const std::string& fallback = {}) {
            return req.has_param(key) ? req.get_param_value(key) : fallback;
        };
        if (path == "/test/echo") {
            res.set_content("ok", "text/plain");
        } else if (path == "/test/gbk") {
            // "<meta charset=gbk>" and Chinese text in GBK bytes ("测试页面" = B2 E2 CA D4 D2 B3 C3 E6).
            std::string body = "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\" />"
                               "<title>\xB2\xE2\xCA\xD4\xD2\xB3\xC3\xE6</title></head><body>\xB2\xE2\xCA\xD4</body></html>";
            res.set_content(body, "text/html");
        } else if (path == "/test/charset-header") {
            res.set_content("<html><head><title>只在头里</title></head><body>中文内容</body></html>",
                            "text/html; charset=utf-8");
        } else if (path == "/test/charset-late") {
            std::string body = "<html><head><title>晚了</title></head><body>" + std::string(600, ' ') +
                               "<p>charset utf-8</p><p>中文内容</p></body></html>";
            res.set_content(body, "text/html");
        } else if (path == "/test/charset") {
            int at = std::atoi(param("at", "0").c_str());
            std::string mark = param("upper") == "1" ? "UTF-8" : "utf-8";
            std::string body;
            if (at > 0) body = std::string(static_cast<std::size_t>(at - 1), '.') + mark;
            body += "<p>中文内容</p>";
            std::string header = param("header");
            res.set_content(body, header.empty() ? "text/html" : "text/html; charset=" + header);
        } else if (path == "/test/raw") {
            std::vector<std::string> headers = {"Content-Type: text/html"};
            if (req.has_param("location")) headers.push_back("Location: " + param("location"));
            for (std::size_t i = 0; i < req.get_param_value_count("cookie"); ++i)
                headers.push_back("Set-Cookie: " + req.get_param_value("cookie", i));
            for (std::size_t i = 0; i < req.get_param_value_count("header"); ++i)
                headers.push_back(req.get_param_value("header", i));
            currentConnection->raw = rawResponse(param("version", "HTTP/1.1"), std::atoi(param("status", "200").c_str()),
                                                 param("reason", "OK"), headers, param("body", "raw body"));
        } else if (path.rfind("/test/chain/", 0) == 0) {
            int left = std::atoi(path.c_str() + 12);
            if (left <= 0) {
                res.set_content("chain end", "text/plain");
            } else {
                std::vector<std::string> headers = {"Content-Type: text/html",
                                                    "Location: http://127.0.0.1:" + std::to_string(port) +
                                                        "/test/chain/" + std::to_string(left - 1)};
                if (req.has_param("cookie")) headers.push_back("Set-Cookie: " + param("cookie"));
                currentConnection->raw = rawResponse("HTTP/1.1", 301, "Moved Permanently", headers, "moved");
            }
        } else if (path == "/test/big-headers") {
            int bytes = std::atoi(param("bytes", "6000").c_str());
            for (int i = 0; bytes > 0; ++i, bytes -= 100)
                res.set_header("X-Padding-" + std::to_string(i), std::string(80, 'x'));
            res.set_content("big headers", "text/plain");
        } else if (path == "/test/zero") {
            res.set_content(std::string("abc\0def", 7), "application/octet-stream");
        } else if (path == "/test/reset") {
            currentConnection->reset = true;
        } else {
            return false;
        }
        return true;
    }

    void install() {
        server.new_task_queue = [] { return new httplib::ThreadPool(64); };
        server.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response&) {
            auto delay = std::chrono::milliseconds(latencyMs.load());
            if (req.has_param("latency")) delay += std::chrono::milliseconds(std::atoi(req.get_param_value("latency").c_str()));
            if (delay.count() > 0) std::this_thread::sleep_for(delay);
            return httplib::Server::HandlerResponse::Unhandled;
        });
        auto route = [this](const httplib::Request& req, httplib::Response& res) {
            const std::string& path = req.path;
            auto param = [&](const char* key) { return req.has_param(key) ? req.get_param_value(key) : std::string(); };
            if (path.rfind("/test/", 0) == 0 && testBehaviour(req, res)) return;
            if (path == "/" || path == "/index.php" || (path == "/forum.php" && param("mod").empty())) {
                html(res, homePage());
            } else if (path == "/plugin.php" && param("id") == "waterfall:threads") {
                int typeId = std::atoi(param("typeid").c_str());
                int page = std::atoi(param("loads").c_str());
                if (page < 1) page = 1;
                html(res, listPage(typeId, page, options.itemsPerPage));
            } else if (path == "/plugin.php" && param("id") == "waterfall:waterfall") {
                html(res, waterfallPage());
            } else if (path == "/forum.php" && param("mod") == "viewthread") {
                auto item = owner->itemByTid(std::atoi(param("tid").c_str()));
                if (item) html(res, threadPage(*item));
                else html(res, notFoundPage(), 404);
            } else if (path == "/forum.php" && param("mod") == "forumdisplay") {
                html(res, forumDisplayPage(std::atoi(param("fid").c_str())));
            } else if (path.rfind("/data/attachment/", 0) == 0) {
                auto& all = thumbnails();
                auto found = all.find(path.substr(1));
                if (found == all.end()) {
                    html(res, notFoundPage(), 404);
                } else {
                    std::string ext = path.substr(path.rfind('.') + 1);
                    res.set_content(found->second, ext == "png" ? "image/png" : ext == "gif" ? "image/gif" : "image/jpeg");
                }
            } else {
                html(res, notFoundPage(), 404);
            }
        };
        server.Get(".*", route);
        server.Post(".*", route);
    }

    DemoForumOptions options;
    DemoForum* owner = nullptr;
    Server server;
    std::thread thread;
    std::atomic<int> latencyMs{0};
    std::atomic<int> connections{0};
    int port = -1;
    mutable std::mutex faultMutex;
    std::vector<std::pair<std::string, Fault>> faults;
    mutable std::mutex logMutex;
    std::vector<LoggedRequest> logged;
};

DemoForum::DemoForum(DemoForumOptions options) : impl_(std::make_unique<Impl>(std::move(options))) {
    impl_->owner = this;
    impl_->latencyMs = static_cast<int>(impl_->options.latency.count());
    impl_->install();
    thumbnails();  // generated once per process, before the first request
}

DemoForum::~DemoForum() { stop(); }

int DemoForum::start(int port) {
    if (impl_->thread.joinable()) return impl_->port;
    int bound = port == 0 ? impl_->server.bind_to_any_port(impl_->options.host)
                          : (impl_->server.bind_to_port(impl_->options.host, port) ? port : -1);
    if (bound <= 0) return -1;
    impl_->port = bound;
    impl_->thread = std::thread([this] { impl_->server.listen_after_bind(); });
    // httplib's stop() does nothing before the listen loop runs: wait for it, so that a stop()
    // right after start() cannot miss it and leave the thread listening.
    for (int waited = 0; !impl_->server.is_running() && waited < 5000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return bound;
}

void DemoForum::stop() {
    if (!impl_->thread.joinable()) return;
    impl_->server.stop();
    impl_->thread.join();
}

int DemoForum::port() const { return impl_->port; }
std::string DemoForum::hostAndPort() const { return impl_->options.host + ":" + std::to_string(impl_->port); }
std::string DemoForum::baseUrl() const { return "http://" + hostAndPort(); }
void DemoForum::setLatency(std::chrono::milliseconds latency) { impl_->latencyMs = static_cast<int>(latency.count()); }

std::vector<int> DemoForum::typeIds() {
    std::vector<int> ids;
    for (const Category& c : categories()) ids.push_back(c.typeId);
    return ids;
}

int DemoForum::pageCount(int typeId) {
    const Category* c = findCategory(typeId);
    return c ? c->pages : 0;
}

std::string DemoForum::listPath(int typeId, int page) {
    const Category* c = findCategory(typeId);
    return "/plugin.php?id=waterfall:threads&fid=83&typeid=" + std::to_string(typeId) +
           "&filter=1&orderby=1&page=&loads=" + std::to_string(page) + "&_=" + (c ? c->suffix : "0");
}

std::vector<DemoItem> DemoForum::items(int typeId, int page) const {
    return pageItems(typeId, page, impl_->options.itemsPerPage);
}

std::optional<DemoItem> DemoForum::itemByTid(int tid) const {
    for (const Category& c : categories()) {
        int n = tid - 20000 - (c.typeId - 131) * 1000 - 1;
        if (n >= 0 && n < c.pages * 6) {
            int perPage = impl_->options.itemsPerPage;
            for (const DemoItem& item : pageItems(c.typeId, n / perPage + 1, perPage))
                if (item.tid == tid) return item;
        }
    }
    return std::nullopt;
}

std::optional<std::string> DemoForum::thumbnailBytes(const std::string& src) const {
    auto& all = thumbnails();
    auto found = all.find(src);
    if (found == all.end()) return std::nullopt;
    return found->second;
}

void DemoForum::addFault(std::string prefix, Fault fault) {
    std::lock_guard lock(impl_->faultMutex);
    impl_->faults.emplace_back(std::move(prefix), fault);
}

void DemoForum::clearFaults() {
    std::lock_guard lock(impl_->faultMutex);
    impl_->faults.clear();
}

std::string DemoForum::faultBody(Fault fault) { return faultPicture(fault); }

std::vector<LoggedRequest> DemoForum::requests() const {
    std::lock_guard lock(impl_->logMutex);
    return impl_->logged;
}

std::vector<std::pair<int, int>> DemoForum::listPagesServed() const {
    std::vector<std::pair<int, int>> pages;
    for (const LoggedRequest& request : requests()) {
        const QUrl url(QString::fromStdString("http://forum" + request.target));
        const QUrlQuery query(url);
        if (url.path() != "/plugin.php" || query.queryItemValue("id") != "waterfall:threads") continue;
        pages.emplace_back(query.queryItemValue("typeid").toInt(), query.queryItemValue("loads").toInt());
    }
    return pages;
}

void DemoForum::clearRequests() {
    std::lock_guard lock(impl_->logMutex);
    impl_->logged.clear();
}

}  // namespace pindora::demo
