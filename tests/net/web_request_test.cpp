// The request routines against the real demo forum on 127.0.0.1 (never a mock transport).
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "net/web_request.h"
#include "platform/codepage/codepage.h"
#include "tests/demo-forum/demo_forum_suite.h"
#include "tests/support/sleep_until.h"

namespace pindora {
namespace {

using demo::DemoForum;
using demo::LoggedRequest;

class WebRequest : public DemoForumSuite {
protected:
    void SetUp() override { forum->clearRequests(); }

    static std::string url(const std::string& path) { return forum->baseUrl() + path; }
    static std::vector<LoggedRequest> sent() { return forum->requests(); }
    static LoggedRequest last() {
        auto all = sent();
        return all.empty() ? LoggedRequest{} : all.back();
    }
    static std::vector<std::string> linesNamed(const LoggedRequest& r, const std::string& prefix) {
        std::vector<std::string> out;
        for (const auto& line : r.headerLines)
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
        return out;
    }
    // A request with every out argument given, so that the test can read them.
    static RequestArgs withOuts(const std::string& address) {
        RequestArgs a;
        a.url = address;
        a.responseCookies.emplace();
        a.headers.emplace();
        a.location.emplace();
        a.rawHeaders.emplace();
        return a;
    }
};

TEST_F(WebRequest, PlainGetSendsTheDefaultBlock) {
    std::string address = url("/test/echo");
    EXPECT_EQ(webRequestText(address), "ok");
    LoggedRequest r = last();
    EXPECT_EQ(r.requestLine, "GET /test/echo HTTP/1.1");
    std::vector<std::string> expected = {
        "Host: " + forum->hostAndPort(),
        "User-Agent: " + std::string(kDefaultAgent),
        "Referer: " + address,
        "Accept: */*",
        "Accept-Language: zh-cn",
        "Content-Type: application/x-www-form-urlencoded",
    };
    EXPECT_EQ(r.headerLines, expected);
    EXPECT_EQ(r.body, "");
}

TEST_F(WebRequest, OutArgumentsOfAPlainGet) {
    RequestArgs a = withOuts(url("/test/echo"));
    EXPECT_EQ(webRequestText(a), "ok");
    EXPECT_EQ(*a.headers, "Referer: " + a.url +
                              "\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
                              "Content-Type: application/x-www-form-urlencoded");
    EXPECT_EQ(a.rawHeaders->rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << *a.rawHeaders;
    EXPECT_EQ(a.rawHeaders->substr(a.rawHeaders->size() - 4), "\r\n\r\n");
    EXPECT_EQ(*a.location, *a.rawHeaders);  // no Location line: the raw headers
    EXPECT_EQ(*a.responseCookies, "");
    EXPECT_FALSE(a.cookies.has_value());
    // Out arguments that were not given stay not given.
    RequestArgs b{.url = url("/test/echo")};
    webRequestText(b);
    EXPECT_FALSE(b.rawHeaders.has_value());
    EXPECT_FALSE(b.headers.has_value());
}

TEST_F(WebRequest, CallerBlockWithItsOwnAcceptLine) {
    RequestArgs a = withOuts(url("/test/echo"));
    a.headers = "Accept: text/html";
    webRequestText(a);
    EXPECT_EQ(*a.headers, "Accept: text/html\r\nReferer: " + a.url +
                              "\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded");
    LoggedRequest r = last();
    EXPECT_EQ(linesNamed(r, "Accept:"), std::vector<std::string>{"Accept: text/html"});
    // A lower-case accept line gets the default one as well.
    a = withOuts(url("/test/echo"));
    a.headers = "accept: text/html";
    webRequestText(a);
    r = last();
    EXPECT_EQ(linesNamed(r, "accept:"), std::vector<std::string>{"accept: text/html"});
    EXPECT_EQ(linesNamed(r, "Accept:"), std::vector<std::string>{"Accept: */*"});
}

TEST_F(WebRequest, CallerBlockWithItsOwnUserAgentLine) {
    RequestArgs a = withOuts(url("/test/echo"));
    a.headers = "user-agent: Pindora-Test/2.0";
    webRequestText(a);
    LoggedRequest r = last();
    int agents = 0;
    for (const auto& line : r.headerLines)
        if (line.size() > 11 && strncasecmp(line.c_str(), "User-Agent:", 11) == 0) ++agents;
    EXPECT_EQ(agents, 1);
    EXPECT_EQ(linesNamed(r, "user-agent:"), std::vector<std::string>{"user-agent: Pindora-Test/2.0"});
    EXPECT_EQ(r.headerLines.at(1), "user-agent: Pindora-Test/2.0");  // the block's first line
}

TEST_F(WebRequest, PostFromPostText) {
    RequestArgs a = withOuts(url("/test/echo"));
    a.method = 1;
    a.postText = "a=b";
    a.postBytes.emplace();
    EXPECT_EQ(webRequestText(a), "ok");
    LoggedRequest r = last();
    EXPECT_EQ(r.requestLine, "POST /test/echo HTTP/1.1");
    EXPECT_EQ(r.body, "a=b");
    EXPECT_EQ(linesNamed(r, "Content-Length:"), std::vector<std::string>{"Content-Length: 3"});
    EXPECT_EQ(linesNamed(r, "Content-Type:"),
              std::vector<std::string>{"Content-Type: application/x-www-form-urlencoded"});
    EXPECT_EQ(*a.postBytes, toBytes("a=b"));
}

TEST_F(WebRequest, PostFromPostBytesWinsOverPostText) {
    RequestArgs a{.url = url("/test/echo")};
    a.method = 1;
    a.postText = "ignored";
    a.postBytes = Bytes{0x01, 0x00, 0xFF};
    webRequestBytes(a);
    LoggedRequest r = last();
    EXPECT_EQ(r.method, "POST");
    EXPECT_EQ(r.body, std::string("\x01\x00\xFF", 3));
}

TEST_F(WebRequest, OtherMethodIsGetWithABody) {
    RequestArgs a{.url = url("/test/echo")};
    a.method = 2;
    a.postText = "xyz";
    webRequestText(a);
    LoggedRequest r = last();
    EXPECT_EQ(r.method, "GET");
    EXPECT_EQ(r.body, "xyz");
}

TEST_F(WebRequest, ProcessCookieStoreUnlessCookiesGiven) {
    // Omitted cookies: the process store keeps what the server sets and sends it back.
    webRequestText(url("/test/raw?cookie=storecookie%3Dyes%3B%20path%3D/"));
    webRequestText(url("/test/echo"));
    EXPECT_EQ(linesNamed(last(), "Cookie:"), std::vector<std::string>{"Cookie: storecookie=yes"});
    // Given (even empty) cookies: the store is neither read ...
    RequestArgs a{.url = url("/test/echo")};
    a.cookies = Text{};
    webRequestText(a);
    EXPECT_TRUE(linesNamed(last(), "Cookie:").empty());
    EXPECT_EQ(*a.cookies, "");
    // ... nor written.
    RequestArgs b{.url = url("/test/raw?cookie=nostore%3D1%3B%20path%3D/")};
    b.cookies = Text{};
    b.responseCookies.emplace();
    webRequestText(b);
    EXPECT_EQ(*b.responseCookies, "nostore=1");
    EXPECT_EQ(*b.cookies, "nostore=1");
    webRequestText(url("/test/echo"));
    EXPECT_EQ(linesNamed(last(), "Cookie:"), std::vector<std::string>{"Cookie: storecookie=yes"});
}

TEST_F(WebRequest, CookiesCapturedAndMerged) {
    RequestArgs a = withOuts(url("/test/raw?cookie=b%3D3%3B%20path%3D/&cookie=c%3D4&cookie=a%3Ddeleted%3B%20path%3D/"));
    a.cookies = "a=1; b=2; d=5";
    webRequestText(a);
    EXPECT_EQ(linesNamed(last(), "Cookie:"), std::vector<std::string>{"Cookie: a=1; b=2; d=5"});
    // "c=4" has no ";" after the marker: its entry is empty, and travels as one.
    EXPECT_EQ(*a.responseCookies, "b=3;;a=deleted");
    EXPECT_EQ(*a.cookies, "b=3; ; d=5");
}

TEST_F(WebRequest, AutomaticRedirectsUnlessNoRedirect) {
    std::string target = url("/test/echo");
    std::string path = "/test/raw?status=302&reason=Found&location=" + target;
    RequestArgs a = withOuts(url(path));
    EXPECT_EQ(webRequestText(a), "ok");  // the transport followed
    EXPECT_EQ(a.rawHeaders->rfind("HTTP/1.1 200 OK", 0), 0u);
    EXPECT_EQ(sent().size(), 2u);
    forum->clearRequests();
    a = withOuts(url(path));
    a.noRedirect = true;
    EXPECT_EQ(webRequestText(a), "raw body");
    EXPECT_EQ(*a.location, target);
    EXPECT_EQ(sent().size(), 1u);
}

TEST_F(WebRequest, TransportFollowsA301ChainItself) {
    RequestArgs a = withOuts(url("/test/chain/3"));
    EXPECT_EQ(webRequestText(a), "chain end");
    EXPECT_EQ(sent().size(), 4u);
    EXPECT_EQ(a.rawHeaders->rfind("HTTP/1.1 200", 0), 0u);
}

TEST_F(WebRequest, Moved301FollowedByTheRoutine) {
    RequestArgs a = withOuts(url("/test/chain/2?q=Mixed"));
    a.noRedirect = true;
    EXPECT_EQ(webRequestText(a), "chain end");
    auto all = sent();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1].target, "/test/chain/1/test/chain/2?q=Mixed");  // Location + current path
    EXPECT_EQ(all[2].target, "/test/chain/0/test/chain/1/test/chain/2?q=Mixed");
    EXPECT_EQ(*a.location, *a.rawHeaders);  // the last response's
    // The follow-up keeps the first block: its Referer names the first address.
    EXPECT_EQ(linesNamed(all[2], "Referer:"), std::vector<std::string>{"Referer: " + a.url});
}

TEST_F(WebRequest, Moved301ChainCarriesMergedCookies) {
    RequestArgs a = withOuts(url("/test/chain/1?cookie=b%3D3%3B%20path%3D/"));
    a.noRedirect = true;
    a.cookies = "a=1";
    EXPECT_EQ(webRequestText(a), "chain end");
    auto all = sent();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(linesNamed(all[0], "Cookie:"), std::vector<std::string>{"Cookie: a=1"});
    EXPECT_EQ(linesNamed(all[1], "Cookie:"), (std::vector<std::string>{"Cookie: a=1", "Cookie: b=3; a=1"}));
    EXPECT_EQ(*a.cookies, "b=3; a=1");
    EXPECT_EQ(*a.responseCookies, "");
}

TEST_F(WebRequest, RedirectsTheRoutineDoesNotFollow) {
    std::string target = "http://127.0.0.1:1/elsewhere";
    struct Row {
        const char* query;
    } rows[] = {
        {"status=302&reason=Moved%20Temporarily"},
        {"status=301&reason=Moved%20Permanently&version=HTTP/1.0"},
        {"status=301&reason=Permanent"},
    };
    for (const Row& r : rows) {
        forum->clearRequests();
        RequestArgs a = withOuts(url(std::string("/test/raw?") + r.query + "&location=" + target));
        a.noRedirect = true;
        EXPECT_EQ(webRequestText(a), "raw body") << r.query;
        EXPECT_EQ(*a.location, target) << r.query;
        EXPECT_EQ(sent().size(), 1u) << r.query;
    }
    // Reason in capitals: followed.
    forum->clearRequests();
    RequestArgs a = withOuts(url("/test/raw?status=301&reason=MOVED%20PERMANENTLY&location=" + url("/test/chain/0")));
    a.noRedirect = true;
    EXPECT_EQ(webRequestText(a), "chain end");
    EXPECT_EQ(sent().size(), 2u);
}

TEST_F(WebRequest, FollowUpsAreBounded) {
    RequestArgs a{.url = url("/test/chain/10")};
    a.noRedirect = true;
    EXPECT_EQ(webRequestText(a), "chain end");  // ten follow-ups
    forum->clearRequests();
    RequestArgs b{.url = url("/test/chain/11")};
    b.noRedirect = true;
    b.location.emplace();
    EXPECT_EQ(webRequestText(b), "");  // the eleventh is refused
    EXPECT_EQ(sent().size(), 11u);
    RequestArgs c{.url = url("/test/chain/11")};
    c.noRedirect = true;
    EXPECT_TRUE(webRequestBytes(c).empty());
}

TEST_F(WebRequest, Moved301WithoutLocationGivesTheEmptyValue) {
    // The next address would begin with the raw header text (CR LF inside): refused.
    RequestArgs a{.url = url("/test/raw?status=301&reason=Moved%20Permanently")};
    a.noRedirect = true;
    EXPECT_EQ(webRequestText(a), "");
    EXPECT_EQ(sent().size(), 1u);
}

TEST_F(WebRequest, UnsafeAddressesAndBlocksSendNothing) {
    const std::string unsafe[] = {
        url("/test/echo\r\nX-Injected: 1"), url("/test/echo\nX: 1"), url("/a b"), "http:///test/echo",
        "http://:" + std::to_string(forum->port()) + "/test/echo", "",
    };
    for (const std::string& address : unsafe) {
        RequestArgs a = withOuts(address);
        EXPECT_EQ(webRequestText(a), "");
        EXPECT_EQ(*a.headers, "") << "nothing written";
        RequestArgs b{.url = address};
        EXPECT_TRUE(webRequestBytes(b).empty());
    }
    RequestArgs c = withOuts(url("/test/echo"));
    c.headers = "X-A: 1\nX-Injected: 1";
    EXPECT_EQ(webRequestText(c), "");
    EXPECT_EQ(*c.headers, "X-A: 1\nX-Injected: 1");
    RequestArgs d{.url = url("/test/echo")};
    d.cookies = "a=1\r\nX-Injected: 1";
    EXPECT_EQ(webRequestText(d), "");
    EXPECT_TRUE(sent().empty());
}

TEST_F(WebRequest, CharsetDecisions) {
    const Text chinese = utf8ToCp936("中文内容");
    const std::string utf8 = "中文内容";
    struct Row {
        const char* path;
        bool converted;
    } rows[] = {
        {"/test/charset?at=60", true},
        {"/test/charset?at=1", true},
        {"/test/charset?at=499", true},
        {"/test/charset?at=500", false},
        {"/test/charset?at=60&upper=1", false},
        {"/test/charset?at=0&header=utf-8", true},
        {"/test/charset?at=0&header=UTF-8", true},
        {"/test/charset?at=700&header=Utf-8", true},
        {"/test/charset-header", true},
        {"/test/charset-late", false},
    };
    for (const Row& r : rows) {
        Text text = webRequestText(url(r.path));
        ASSERT_FALSE(text.empty()) << r.path;
        EXPECT_EQ(text.find(chinese) != Text::npos, r.converted) << r.path;
        EXPECT_EQ(text.find(utf8) != Text::npos, !r.converted) << r.path;
    }
    // A GBK page is returned unchanged.
    Text gbk = webRequestText(url("/test/gbk"));
    EXPECT_NE(gbk.find("\xB2\xE2\xCA\xD4\xD2\xB3\xC3\xE6"), Text::npos);
}

TEST_F(WebRequest, ZeroByteCutsTextNotBytes) {
    EXPECT_EQ(webRequestText(url("/test/zero")), "abc");
    EXPECT_EQ(webRequestBytes(url("/test/zero")), toBytes(std::string("abc\0def", 7)));
}

TEST_F(WebRequest, BytesAreTheBodyUnchanged) {
    auto item = forum->items(132, 2).at(1);
    Bytes bytes = webRequestBytes(forum->baseUrl() + "/" + item.thumbnailSrc);
    EXPECT_EQ(toText(bytes), *forum->thumbnailBytes(item.thumbnailSrc));
}

int closedPort() {
    int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(s);
    return ntohs(address.sin_port);
}

TEST_F(WebRequest, UnreachableHost) {
    for (std::string address : {"http://127.0.0.1:" + std::to_string(closedPort()) + "/x",
                                std::string("http://no-such-host.invalid/x")}) {
        RequestArgs a = withOuts(address);
        a.responseCookies = "stale";
        EXPECT_EQ(webRequestText(a), "");
        EXPECT_EQ(*a.responseCookies, "");
        EXPECT_EQ(*a.headers, "Referer: " + address +
                                  "\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
                                  "Content-Type: application/x-www-form-urlencoded");
        EXPECT_EQ(*a.rawHeaders, std::string(5000, ' '));  // the query failed: the blanks
        RequestArgs b{.url = address};
        EXPECT_TRUE(webRequestBytes(b).empty());
    }
}

TEST_F(WebRequest, ConnectionResetGivesTheEmptyValue) {
    EXPECT_EQ(webRequestText(url("/test/reset")), "");
    EXPECT_TRUE(webRequestBytes(url("/test/reset")).empty());
}

TEST_F(WebRequest, HeadersOver5000BytesFailTheQueryButKeepTheBody) {
    RequestArgs a = withOuts(url("/test/big-headers?bytes=6000"));
    EXPECT_EQ(webRequestText(a), "big headers");
    EXPECT_EQ(*a.rawHeaders, std::string(5000, ' '));
    RequestArgs b = withOuts(url("/test/big-headers?bytes=4000"));
    EXPECT_EQ(webRequestText(b), "big headers");
    EXPECT_EQ(b.rawHeaders->rfind("HTTP/1.1 200 OK", 0), 0u);
    EXPECT_LE(b.rawHeaders->size(), 4999u);
}

// A tiny HTTP proxy: answers every request itself and remembers the request line.
class TinyProxy {
public:
    TinyProxy() {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        ::listen(socket_, 4);
        thread_ = std::thread([this] {
            int client = ::accept(socket_, nullptr, nullptr);
            if (client < 0) return;
            std::string head;
            char c;
            while (head.find("\r\n\r\n") == std::string::npos && ::recv(client, &c, 1, 0) == 1) head += c;
            requestLine_ = head.substr(0, head.find("\r\n"));
            std::string answer = "HTTP/1.1 200 OK\r\nContent-Length: 7\r\nConnection: close\r\n\r\nproxied";
            ::send(client, answer.data(), answer.size(), MSG_NOSIGNAL);
            ::close(client);
        });
    }
    ~TinyProxy() {
        ::shutdown(socket_, SHUT_RDWR);
        ::close(socket_);
        thread_.join();
    }
    int port() const { return port_; }
    std::string requestLine() {
        thread_.join();
        thread_ = std::thread([] {});
        return requestLine_;
    }

private:
    int socket_;
    int port_;
    std::thread thread_;
    std::string requestLine_;
};

TEST_F(WebRequest, ProxyNamesTheHttpProxy) {
    TinyProxy proxy;
    RequestArgs a{.url = "http://forum.example.invalid/plugin.php?id=x"};
    a.proxy = "127.0.0.1:" + std::to_string(proxy.port());
    EXPECT_EQ(webRequestText(a), "proxied");
    EXPECT_EQ(proxy.requestLine(), "GET http://forum.example.invalid/plugin.php?id=x HTTP/1.1");
}

TEST_F(WebRequest, DemoListPageArrivesInCp936) {
    auto items = forum->items(131, 1);
    ASSERT_EQ(items.size(), 6u);
    Text page = webRequestText(url(DemoForum::listPath(131, 1)));
    Text title = utf8ToCp936(items[0].titleUtf8);
    EXPECT_NE(page.find(title), Text::npos);
    EXPECT_NE(page.find("\xC7\xE9\xC2\xC2\xCD\xB7\xCF\xF1"), Text::npos);  // 情侣头像 in cp936
    EXPECT_EQ(page.find(items[0].titleUtf8), Text::npos);
    EXPECT_EQ(last().target, DemoForum::listPath(131, 1));
}

TEST_F(WebRequest, SeveralThreadsAtOnce) {
    std::atomic<int> good{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 10; ++i) {
                int typeId = 131 + (t + i) % 6;
                auto items = forum->items(typeId, 1);
                Text page = webRequestText(url(DemoForum::listPath(typeId, 1)));
                Bytes thumb = webRequestBytes(forum->baseUrl() + "/" + items[static_cast<std::size_t>(i % 6)].thumbnailSrc);
                if (page.find(utf8ToCp936(items[0].titleUtf8)) != Text::npos &&
                    toText(thumb) == *forum->thumbnailBytes(items[static_cast<std::size_t>(i % 6)].thumbnailSrc))
                    ++good;
            }
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(good.load(), 80);
}

TEST_F(WebRequest, ConnectionsAreKeptAliveAndReused) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(webRequestText(url("/test/echo")), "ok");
    auto all = sent();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].connection, all[1].connection);
    EXPECT_EQ(all[1].connection, all[2].connection);
}

TEST_F(WebRequest, ConnectionsOutliveTheThreadThatOpenedThem) {
    for (int t = 0; t < 3; ++t) std::thread([] { EXPECT_EQ(webRequestText(url("/test/echo")), "ok"); }).join();
    auto all = sent();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].connection, all[1].connection);
    EXPECT_EQ(all[1].connection, all[2].connection);
}

TEST_F(WebRequest, ACancelledTransferLeavesTheKeptConnectionsUsable) {
    EXPECT_EQ(webRequestText(url("/test/echo")), "ok");
    auto token = std::make_shared<inet::CancelToken>();
    // Cancelled once the slow request has reached the forum on the kept connection.
    std::thread canceller([token] {
        sleepUntil([] { return sent().size() == 2; });
        token->cancel();
    });
    {
        inet::ScopedCancelToken scope(token);
        EXPECT_EQ(webRequestText(url("/test/echo?latency=2000")), "");
    }
    canceller.join();
    // The aborted transfer's connection is closed; the next request finds a working one.
    EXPECT_EQ(webRequestText(url("/test/echo")), "ok");
    EXPECT_EQ(webRequestText(url("/test/echo")), "ok");
    auto all = sent();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_NE(all[3].connection, all[1].connection);
    EXPECT_EQ(all[3].connection, all[2].connection);
}

TEST_F(WebRequest, CancelTokenAbortsAtOnce) {
    auto token = std::make_shared<inet::CancelToken>();
    std::thread canceller([token] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        token->cancel();
    });
    auto started = std::chrono::steady_clock::now();
    Text result;
    {
        inet::ScopedCancelToken scope(token);
        result = webRequestText(url("/test/echo?latency=3000"));
        // Later requests under the cancelled token fail at once too.
        EXPECT_EQ(webRequestText(url("/test/echo")), "");
    }
    auto elapsed = std::chrono::steady_clock::now() - started;
    canceller.join();
    EXPECT_EQ(result, "");
    EXPECT_LT(elapsed, std::chrono::milliseconds(1000));
    EXPECT_EQ(webRequestText(url("/test/echo")), "ok");  // the token is gone with its scope
}

TEST_F(WebRequest, StallAndSizeLimits) {
    inet::Limits saved = inet::limits();
    inet::Limits tight = saved;
    tight.stallTimeout = std::chrono::milliseconds(1000);
    inet::setLimits(tight);
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(webRequestText(url("/test/echo?latency=3000")), "");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(2800));
    tight = saved;
    tight.maxBodyBytes = 100;
    inet::setLimits(tight);
    EXPECT_EQ(webRequestText(url("/test/echo")), "ok");
    EXPECT_TRUE(webRequestBytes(forum->baseUrl() + "/" + forum->items(131, 1)[0].thumbnailSrc).empty());
    inet::setLimits(saved);
}

}  // namespace
}  // namespace pindora
