#pragma once
// The demo forum: a real HTTP/1.1 server (cpp-httplib) on 127.0.0.1 that stands in for the
// forum host. Tests, benchmarks and ./run.sh start it; tests start it in-process on a free port:
//
//     pindora::demo::DemoForum forum;
//     int port = forum.start();            // 0 = any free port; returns the port, -1 on failure
//     ... requests to forum.baseUrl() ... // "http://127.0.0.1:<port>"
//     forum.stop();                       // also done by the destructor
//
// What it serves (all pages in UTF-8 unless said otherwise):
//   /                                           home page
//   /plugin.php?id=waterfall:waterfall          the waterfall plugin's page
//   /plugin.php?id=waterfall:threads&fid=83&typeid=T&...&page=&loads=N&_=...
//                                               list page N of category T (131..136): six items
//                                               matching the feed loader's pattern, no items past
//                                               the last page (an empty or bad `loads` is page 1)
//   /forum.php?mod=viewthread&tid=N             thread page of an item
//   /forum.php?mod=forumdisplay&fid=63 | 83     forum pages
//   /data/attachment/...                        the thumbnails (200 x 200, JPEG, PNG or GIF)
//
// Test behaviours (paths and query keys):
//   any path, ?latency=MS                       answer after MS milliseconds (setLatency: all)
//   /test/echo                                  200 "ok" for any method (see requests())
//   /test/gbk                                   a GBK page, meta charset=gbk, header without charset
//   /test/charset-header                        UTF-8 body that does not name its charset; the
//                                               Content-Type header says charset=utf-8
//   /test/charset-late                          UTF-8 body naming "utf-8" only from byte 600 on,
//                                               header without charset
//   /test/charset?at=N[&upper=1][&header=CS]    UTF-8 body with "utf-8" ("UTF-8" with upper=1)
//                                               starting at 1-based byte N (0: nowhere); header
//                                               "text/html" or "text/html; charset=CS"
//   /test/raw?status=301&reason=Moved%20Permanently&version=HTTP/1.0&location=URL
//            &cookie=a%3D1%3B%20path%3D/&cookie=...&header=X-A%3A%201&body=TEXT
//                                               a response written byte for byte: any version,
//                                               status and reason; Location only when given;
//                                               one Set-Cookie line per `cookie`; connection closed
//   /test/chain/N...                            301 Moved Permanently with Location
//                                               "http://127.0.0.1:<port>/test/chain/N-1" while N > 0
//                                               (anything after N is ignored, so the routine's
//                                               "Location + path" addresses work), then 200
//                                               "chain end". ?cookie=V adds "Set-Cookie: V" per hop.
//   /test/big-headers?bytes=N                   200 with about N bytes of header lines (6000)
//   /test/zero                                  body "abc", a zero byte, "def" (7 bytes)
//   /test/reset                                 the connection is reset, no response
// New test behaviours: add a case to DemoForum::Impl::testBehaviour (demo_forum.cpp).
//
// Fault modes (addFault): every request whose path and query start with a prefix gets one of
// the broken answers of Fault instead of its content, e.g. addFault("/plugin.php", Fault::Stall)
// for the list pages or addFault(item.thumbnailSrc with a leading "/", Fault::ResetMidBody) for
// one thumbnail. A connection refused needs no mode: stop() the forum, or use a closed port.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pindora::demo {

struct DemoItem {
    int typeId = 0;
    int page = 0;
    int index = 0;            // 1..6 within the page
    int tid = 0;
    std::string threadLink;   // as it appears in the page: "forum.php?mod=viewthread&amp;tid=N"
    std::string thumbnailSrc; // relative to the root: "data/attachment/..."
    std::string titleUtf8;    // Chinese title, UTF-8
    std::uint32_t colour = 0; // dominant colour of the thumbnail, 0xRRGGBB (the centre 80 x 80
                              // and most of the picture; exact in PNG/GIF, near in JPEG)
    std::string format;       // "jpeg", "png" or "gif"
};

struct LoggedRequest {
    std::string requestLine;               // "GET /path HTTP/1.1"
    std::vector<std::string> headerLines;  // as received, in order, without CR LF
    std::string body;
    std::string method;
    std::string target;                    // path and query as received
    int connection = 0;                    // 1, 2, ... per accepted connection: requests with
                                           // the same number came over one kept-alive connection
};

enum class Fault {
    ResetMidBody,     // 200 declaring 200000 bytes, 64 KiB of them, then a connection reset
    TruncatedBody,    // 200 declaring 200000 bytes, 1000 of them, then an orderly close
    MalformedStatus,  // a status line that is not HTTP ("HTPT/1.1 2OO Fine"), headers, a body
    Stall,            // the connection stays open and silent until the client closes or stop()
    HugeBody,         // 200 with no length, streamed in 64 KiB pieces until the client closes
                      // (at most 256 MiB); the server never holds more than one piece
    NotImage,         // 200 image/png whose body is text
    PngBomb,          // a PNG of under 1 KiB declaring 30000 x 30000 pixels
    GifBomb,          // a GIF of under 1 KiB declaring 30000 x 30000 pixels
};

struct DemoForumOptions {
    std::string host = "127.0.0.1";
    std::chrono::milliseconds latency{0};  // added to every response
    int itemsPerPage = 6;
};

class DemoForum {
public:
    explicit DemoForum(DemoForumOptions options = {});
    ~DemoForum();
    DemoForum(const DemoForum&) = delete;
    DemoForum& operator=(const DemoForum&) = delete;

    int start(int port = 0);   // listens in a background thread; the port, or -1
    void stop();
    int port() const;
    std::string baseUrl() const;   // "http://127.0.0.1:<port>"
    std::string hostAndPort() const;   // "127.0.0.1:<port>", the form PINDORA_FORUM_HOST takes
    void setLatency(std::chrono::milliseconds latency);

    // What it serves.
    static std::vector<int> typeIds();                 // 131..136
    static int pageCount(int typeId);                  // 5..8; 0 for an unknown category
    // The loader's exact list path for the category and page (with its "&_=" suffix).
    static std::string listPath(int typeId, int page);
    std::vector<DemoItem> items(int typeId, int page) const;   // empty past the end
    std::optional<DemoItem> itemByTid(int tid) const;
    // The exact bytes served for a thumbnail src ("data/attachment/..."), or nothing.
    std::optional<std::string> thumbnailBytes(const std::string& src) const;

    // Fault modes: the first added rule whose prefix starts the request's path and query wins.
    void addFault(std::string prefix, Fault fault);
    void clearFaults();
    // The body a fault mode serves as a picture (NotImage, PngBomb, GifBomb).
    static std::string faultBody(Fault fault);

    // Every request received since start or clearRequests(), in arrival order.
    std::vector<LoggedRequest> requests() const;
    // The list pages among them, as (type id, page), in arrival order.
    std::vector<std::pair<int, int>> listPagesServed() const;
    void clearRequests();

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace pindora::demo
