#pragma once
// platform/inet: the HTTP transport under the request routines, over libcurl.
//
// The operations mirror the transport steps of the request routine (open session, connect, open request,
// send, read body, raw headers, close), in our own terms. Handles are plain pointers that the
// caller closes, request first, then connection, then session. Like the platform's, opening a
// session, a connection or a request never reaches the network: a host that does not resolve
// or refuses shows up at the send, which then leaves no body and no raw headers.
//
// Flag word (the same bits as the platform's):
//   kReload, kNeedFile            no response is taken from a cache (libcurl keeps none);
//   kNoCookies                    the process-wide cookie store is neither read nor written;
//   kNoAutoRedirect               redirects are handed back; without it the transport follows
//                                 them itself (at most 20), http to https included;
//   kSecure                       TLS (https); a secure request follows redirects to https only;
//   kIgnoreRedirectToHttps        accepted; following http -> https is the default anyway.
//
// Process-wide state: curl_global_init runs once; one libcurl share holds the cookie store
// (CURL_LOCK_DATA_COOKIE) together with the DNS cache and TLS sessions, with a mutex per lock
// data kind; requests with kNoCookies use a second share without the cookie store. Connections
// are kept alive and reused across requests and threads: a process-wide pool of idle libcurl
// multi handles, each keeping its connections; a transfer checks one out (preferably one whose
// last transfer went to the same scheme, host, port and proxy), runs on it alone and gives it
// back. A handle and its connections thus serve one thread at a time (libcurl 7.88 documents
// CURL_LOCK_DATA_CONNECT as unsafe across concurrent threads, so connections are not put into
// the shared object), and transfers running at once use connections of their own.
//
// Thread safety: every operation may be called from several threads at once, each on its own
// handles. A handle is used by one thread at a time.
//
// Limits (see Limits): a transfer with no progress for `stallTimeout` (30 s) fails, a body over
// `maxBodyBytes` (32 MiB) fails; both are set process-wide with setLimits.
//
// Cancellation: a CancelToken installed for the current thread with ScopedCancelToken aborts at
// once (within milliseconds, also while waiting for a slow server) every transfer the thread
// runs while the token is set; cancel() may be called from any thread. A cancelled send fails
// like an unreachable host: no body, no raw headers.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace pindora::inet {

inline constexpr std::uint32_t kReload = 0x80000000u;
inline constexpr std::uint32_t kNeedFile = 0x00000010u;
inline constexpr std::uint32_t kNoCookies = 0x00080000u;
inline constexpr std::uint32_t kNoAutoRedirect = 0x00200000u;
inline constexpr std::uint32_t kSecure = 0x00800000u;
inline constexpr std::uint32_t kIgnoreRedirectToHttps = 0x00004000u;

struct Session;
struct Connection;
struct Request;

// agent: the User-Agent text. proxyList: empty for a direct session; otherwise entries
// separated by blanks, "http=host:port" naming the HTTP proxy for http requests ("https=" for
// https requests; an entry without "=" serves both). Never null.
Session* openSession(std::string_view agent, std::string_view proxyList);
// Null for an empty host or a port outside 1..65535. Does not reach the server.
Connection* connect(Session* session, std::string_view host, int port);
// verb "GET"/"POST"/..., path with query ("/..."), version "HTTP/1.1". Null on a bad argument.
Request* openRequest(Connection* connection, std::string_view verb, std::string_view path,
                     std::string_view version, std::uint32_t flags);

// Sends the header block (lines separated by CR LF, no line break at its end) as given, in its
// order, plus Host and Content-Length; the session's agent is the User-Agent unless the block
// has its own line. `body` null: no body (a POST then sends an empty one); otherwise the body
// is sent (a verb other than POST keeps its verb). Runs the whole transfer. Returns false when
// the transfer failed (unresolved host, refused, reset, stalled, too large, cancelled); then
// the request has no body and no raw headers.
bool send(Request* request, std::string_view headerBlock, const std::string* body);

// Copies up to `capacity` further body bytes into `buffer`; 0 at the end or after a failure.
std::size_t readBody(Request* request, char* buffer, std::size_t capacity);

// The status line and header lines of the final response (after automatic redirects), each
// ended by CR LF, then the empty line's CR LF, zero-ended in `buffer`. False (buffer untouched)
// when there are no headers or when text and zero do not fit into `capacity` bytes.
bool rawHeaders(Request* request, char* buffer, std::size_t capacity);

void close(Request* request);
void close(Connection* connection);
void close(Session* session);

struct Limits {
    std::chrono::milliseconds stallTimeout{30000};      // no progress for this long: fail
    std::chrono::milliseconds connectTimeout{30000};
    std::int64_t maxBodyBytes = 32 * 1024 * 1024;      // larger bodies fail
};
void setLimits(const Limits& limits);
Limits limits();

class CancelToken {
public:
    CancelToken() = default;
    CancelToken(const CancelToken&) = delete;
    CancelToken& operator=(const CancelToken&) = delete;
    // Aborts every transfer running under this token now and every later one at its start.
    void cancel();
    bool cancelled() const;

    // Used by the transport: a waiting transfer registers the waker called by cancel().
    struct Waker {
        virtual void wake() = 0;
        virtual ~Waker() = default;
    };
    void attach(Waker* waker);
    void detach(Waker* waker);

private:
    mutable std::mutex mutex_;
    bool cancelled_ = false;
    std::vector<Waker*> wakers_;
};
using CancelTokenPtr = std::shared_ptr<CancelToken>;

// Installs `token` for the current thread for the guard's lifetime (the previous one returns
// afterwards). Every webRequestText/webRequestBytes on this thread runs under it.
class ScopedCancelToken {
public:
    explicit ScopedCancelToken(CancelTokenPtr token);
    ~ScopedCancelToken();
    ScopedCancelToken(const ScopedCancelToken&) = delete;
    ScopedCancelToken& operator=(const ScopedCancelToken&) = delete;

private:
    CancelTokenPtr previous_;
};

}  // namespace pindora::inet
