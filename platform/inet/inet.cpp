#include "platform/inet/inet.h"

#include <curl/curl.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

namespace pindora::inet {

struct Session {
    std::string agent;
    std::string httpProxy;   // "" = direct
    std::string httpsProxy;
};

struct Connection {
    Session* session = nullptr;
    std::string host;
    int port = 0;
};

struct Request {
    Connection* connection = nullptr;
    std::string verb;
    std::string path;
    std::uint32_t flags = 0;
    bool sent = false;
    bool ok = false;
    bool haveHeaders = false;
    std::string headers;   // raw header text of the response being received
    std::string body;
    std::size_t readAt = 0;
    std::int64_t maxBody = 0;
};

namespace {

// ---- process-wide libcurl state -------------------------------------------------------------

struct Share {
    CURLSH* handle = nullptr;
    std::array<std::mutex, CURL_LOCK_DATA_LAST> locks;
};

void lockShare(CURL*, curl_lock_data data, curl_lock_access, void* user) {
    static_cast<Share*>(user)->locks[static_cast<std::size_t>(data) % CURL_LOCK_DATA_LAST].lock();
}
void unlockShare(CURL*, curl_lock_data data, void* user) {
    static_cast<Share*>(user)->locks[static_cast<std::size_t>(data) % CURL_LOCK_DATA_LAST].unlock();
}

Share* makeShare(bool cookies) {
    auto* share = new Share;
    share->handle = curl_share_init();
    curl_share_setopt(share->handle, CURLSHOPT_LOCKFUNC, lockShare);
    curl_share_setopt(share->handle, CURLSHOPT_UNLOCKFUNC, unlockShare);
    curl_share_setopt(share->handle, CURLSHOPT_USERDATA, share);
    if (cookies) curl_share_setopt(share->handle, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    curl_share_setopt(share->handle, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    curl_share_setopt(share->handle, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
    return share;
}

struct Global {
    Share* withCookies;
    Share* withoutCookies;
    Global() {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        withCookies = makeShare(true);
        withoutCookies = makeShare(false);
    }
    // Never torn down: worker threads may still run while static destructors run.
};

Global& global() {
    static Global* g = new Global;  // thread-safe one-time initialisation
    return *g;
}

std::mutex limitsMutex;
Limits currentLimits;

thread_local CancelTokenPtr threadToken;

// A libcurl multi handle with the connections it keeps alive. A transfer checks one out of the
// pool, runs on it alone and gives it back, so a handle serves one thread at a time while its
// connections outlive the thread: the next transfer to the same origin, from any thread,
// reuses them. curl_multi_wakeup lets a cancel interrupt a wait at once.
struct PooledMulti : CancelToken::Waker {
    CURLM* multi = nullptr;
    std::string origin;  // where its last transfer went: "scheme://host:port proxy"
    PooledMulti() {
        multi = curl_multi_init();
        curl_multi_setopt(multi, CURLMOPT_MAXCONNECTS, 8L);
    }
    ~PooledMulti() override { curl_multi_cleanup(multi); }
    void wake() override { curl_multi_wakeup(multi); }
};

// The idle handles, most recently given back last. A check-out takes the most recent one that
// last went to the same origin (its connection is the likeliest to be alive), else the most
// recent one, else a new one. Beyond kMaxIdle idle handles the oldest is closed.
class MultiPool {
public:
    std::unique_ptr<PooledMulti> checkOut(const std::string& origin) {
        std::lock_guard lock(mutex_);
        if (idle_.empty()) return std::make_unique<PooledMulti>();
        auto found = std::find_if(idle_.rbegin(), idle_.rend(), [&](const auto& m) { return m->origin == origin; });
        auto at = found == idle_.rend() ? idle_.end() - 1 : std::prev(found.base());
        std::unique_ptr<PooledMulti> multi = std::move(*at);
        idle_.erase(at);
        return multi;
    }
    void giveBack(std::unique_ptr<PooledMulti> multi) {
        std::unique_ptr<PooledMulti> surplus;  // closed after the lock is released
        {
            std::lock_guard lock(mutex_);
            idle_.push_back(std::move(multi));
            if (idle_.size() > kMaxIdle) {
                surplus = std::move(idle_.front());
                idle_.erase(idle_.begin());
            }
        }
    }

private:
    static constexpr std::size_t kMaxIdle = 16;
    std::mutex mutex_;
    std::vector<std::unique_ptr<PooledMulti>> idle_;
};

MultiPool& multiPool() {
    static MultiPool* pool = new MultiPool;  // never torn down, like the shares
    return *pool;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

std::string headerName(std::string_view line) {
    auto colon = line.find_first_of(":;");
    std::string name(line.substr(0, colon == std::string_view::npos ? line.size() : colon));
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
    for (auto& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto* request = static_cast<Request*>(user);
    std::string_view line(data, size * count);
    // A new status line starts a new response (a followed redirect, an interim 1xx): only
    // the final response's lines are kept.
    if (line.substr(0, 5) == "HTTP/") {
        request->headers.clear();
        request->haveHeaders = true;
    }
    request->headers.append(line);
    return size * count;
}

std::size_t onBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* request = static_cast<Request*>(user);
    std::size_t n = size * count;
    if (request->maxBody > 0 && static_cast<std::int64_t>(request->body.size() + n) > request->maxBody)
        return 0;  // aborts the transfer (CURLE_WRITE_ERROR)
    request->body.append(data, n);
    return n;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* token = static_cast<CancelToken*>(user);
    return token && token->cancelled() ? 1 : 0;
}

}  // namespace

// ---- cancellation ---------------------------------------------------------------------------

void CancelToken::cancel() {
    std::lock_guard lock(mutex_);
    cancelled_ = true;
    for (auto* waker : wakers_) waker->wake();
}
bool CancelToken::cancelled() const {
    std::lock_guard lock(mutex_);
    return cancelled_;
}
void CancelToken::attach(Waker* waker) {
    std::lock_guard lock(mutex_);
    wakers_.push_back(waker);
}
void CancelToken::detach(Waker* waker) {
    std::lock_guard lock(mutex_);
    wakers_.erase(std::remove(wakers_.begin(), wakers_.end(), waker), wakers_.end());
}

ScopedCancelToken::ScopedCancelToken(CancelTokenPtr token) : previous_(std::move(threadToken)) {
    threadToken = std::move(token);
}
ScopedCancelToken::~ScopedCancelToken() { threadToken = std::move(previous_); }

void setLimits(const Limits& limits) {
    std::lock_guard lock(limitsMutex);
    currentLimits = limits;
}
Limits limits() {
    std::lock_guard lock(limitsMutex);
    return currentLimits;
}

// ---- the operations -------------------------------------------------------------------------

Session* openSession(std::string_view agent, std::string_view proxyList) {
    auto* session = new Session;
    session->agent = std::string(agent);
    std::size_t at = 0;
    while (at < proxyList.size()) {
        std::size_t end = proxyList.find(' ', at);
        if (end == std::string_view::npos) end = proxyList.size();
        std::string_view entry = proxyList.substr(at, end - at);
        at = end + 1;
        if (entry.empty()) continue;
        auto equals = entry.find('=');
        if (equals == std::string_view::npos) {
            session->httpProxy = session->httpsProxy = std::string(entry);
        } else if (startsWithNoCase(entry, "http=")) {
            session->httpProxy = std::string(entry.substr(equals + 1));
        } else if (startsWithNoCase(entry, "https=")) {
            session->httpsProxy = std::string(entry.substr(equals + 1));
        }
    }
    return session;
}

Connection* connect(Session* session, std::string_view host, int port) {
    if (!session || host.empty() || port < 1 || port > 65535) return nullptr;
    auto* connection = new Connection;
    connection->session = session;
    connection->host = std::string(host);
    connection->port = port;
    return connection;
}

Request* openRequest(Connection* connection, std::string_view verb, std::string_view path,
                     std::string_view /*version: always HTTP/1.1*/, std::uint32_t flags) {
    if (!connection || verb.empty() || path.empty() || path.front() != '/') return nullptr;
    auto* request = new Request;
    request->connection = connection;
    request->verb = std::string(verb);
    request->path = std::string(path);
    request->flags = flags;
    return request;
}

bool send(Request* request, std::string_view headerBlock, const std::string* body) {
    if (!request || request->sent) return false;
    request->sent = true;
    Global& g = global();
    Connection* connection = request->connection;
    Session* session = connection->session;
    bool secure = (request->flags & kSecure) != 0;
    Limits limit = limits();
    request->maxBody = limit.maxBodyBytes;

    std::string host = connection->host;
    if (host.find(':') != std::string::npos && host.front() != '[') host = "[" + host + "]";
    std::string url = std::string(secure ? "https://" : "http://") + host + ":" +
                      std::to_string(connection->port) + request->path;

    CURL* easy = curl_easy_init();
    if (!easy) return false;
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_TCP_KEEPALIVE, 1L);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, request);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, request);
    curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limit.connectTimeout.count()));
    long stallSeconds = static_cast<long>((limit.stallTimeout.count() + 999) / 1000);
    if (stallSeconds > 0) {
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, stallSeconds);
    }
    if (limit.maxBodyBytes > 0)
        curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limit.maxBodyBytes));

    CancelTokenPtr token = threadToken;
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, token.get());

    // Proxy: "" switches off the proxy environment variables too (a direct session is direct).
    const std::string& proxy = secure ? session->httpsProxy : session->httpProxy;
    curl_easy_setopt(easy, CURLOPT_PROXY, proxy.c_str());
    if (!proxy.empty()) curl_easy_setopt(easy, CURLOPT_PROXYTYPE, CURLPROXY_HTTP);

    // Cookies: the process-wide store, unless switched off for this request.
    if (request->flags & kNoCookies) {
        curl_easy_setopt(easy, CURLOPT_SHARE, g.withoutCookies->handle);
    } else {
        curl_easy_setopt(easy, CURLOPT_SHARE, g.withCookies->handle);
        curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");
    }

    // Redirects.
    if (request->flags & kNoAutoRedirect) {
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    } else {
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 20L);
        curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
    }

    // Header block, line by line, in order. An empty value is sent as "Name:" (libcurl's
    // "Name;" form); libcurl's own Accept and Expect lines are removed unless the block has them.
    curl_slist* lines = nullptr;
    bool hasAgent = false, hasAccept = false, hasExpect = false;
    std::size_t at = 0;
    while (at <= headerBlock.size()) {
        std::size_t end = headerBlock.find("\r\n", at);
        if (end == std::string_view::npos) end = headerBlock.size();
        std::string line(headerBlock.substr(at, end - at));
        at = end + 2;
        if (line.empty()) continue;
        std::string name = headerName(line);
        if (name == "user-agent") hasAgent = true;
        if (name == "accept") hasAccept = true;
        if (name == "expect") hasExpect = true;
        auto colon = line.find(':');
        if (colon != std::string::npos &&
            line.find_first_not_of(" \t", colon + 1) == std::string::npos)
            line = line.substr(0, colon) + ";";
        lines = curl_slist_append(lines, line.c_str());
    }
    if (!hasAccept) lines = curl_slist_append(lines, "Accept:");
    if (!hasExpect) lines = curl_slist_append(lines, "Expect:");
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, lines);
    if (!hasAgent) curl_easy_setopt(easy, CURLOPT_USERAGENT, session->agent.c_str());

    // Verb and body.
    if (request->verb == "POST") {
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body ? body->size() : 0));
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body ? body->data() : "");
    } else if (body) {
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body->size()));
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body->data());
        curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, request->verb.c_str());
    } else {
        curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
        if (request->verb != "GET") curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, request->verb.c_str());
    }

    // The transfer, on a pooled multi handle of its own so that a cancel can wake the wait.
    const std::string origin = url.substr(0, url.find('/', url.find("//") + 2)) + " " + proxy;
    std::unique_ptr<PooledMulti> pooled = multiPool().checkOut(origin);
    PooledMulti& tm = *pooled;
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    if (!(token && token->cancelled())) {
        if (token) token->attach(&tm);
        curl_multi_add_handle(tm.multi, easy);
        int running = 1;
        bool done = false;
        while (!done) {
            if (token && token->cancelled()) break;
            if (curl_multi_perform(tm.multi, &running) != CURLM_OK) break;
            int queued = 0;
            while (CURLMsg* message = curl_multi_info_read(tm.multi, &queued)) {
                if (message->msg == CURLMSG_DONE && message->easy_handle == easy) {
                    result = message->data.result;
                    done = true;
                }
            }
            if (done || running == 0) break;
            curl_multi_poll(tm.multi, nullptr, 0, 1000, nullptr);
        }
        curl_multi_remove_handle(tm.multi, easy);
        if (token) token->detach(&tm);
    }
    curl_easy_cleanup(easy);
    tm.origin = origin;
    multiPool().giveBack(std::move(pooled));
    curl_slist_free_all(lines);

    request->ok = result == CURLE_OK;
    if (!request->ok) {
        request->body.clear();
        request->headers.clear();
        request->haveHeaders = false;
    }
    return request->ok;
}

std::size_t readBody(Request* request, char* buffer, std::size_t capacity) {
    if (!request || !request->ok || request->readAt >= request->body.size()) return 0;
    std::size_t n = std::min(capacity, request->body.size() - request->readAt);
    std::memcpy(buffer, request->body.data() + request->readAt, n);
    request->readAt += n;
    return n;
}

bool rawHeaders(Request* request, char* buffer, std::size_t capacity) {
    if (!request || !request->ok || !request->haveHeaders) return false;
    if (request->headers.size() + 1 > capacity) return false;
    std::memcpy(buffer, request->headers.data(), request->headers.size());
    buffer[request->headers.size()] = '\0';
    return true;
}

void close(Request* request) { delete request; }
void close(Connection* connection) { delete connection; }
void close(Session* session) { delete session; }

}  // namespace pindora::inet
