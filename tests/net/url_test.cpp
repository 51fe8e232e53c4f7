// The request routine's text helpers, as tables.
#include <gtest/gtest.h>

#include "net/charset.h"
#include "net/url.h"
#include "net/web_request.h"
#include "platform/codepage/codepage.h"

namespace pindora {
namespace {

TEST(TextBetween, Table) {
    struct Row {
        const char* text;
        const char* front;
        const char* back;
        int start;
        bool caseSensitive;
        const char* expected;
    } rows[] = {
        {"HTTP/1.1 301 Moved Permanently", "HTTP/1.1 ", " Moved", 1, false, "301"},
        {"http/1.1 301 MOVED", "HTTP/1.1 ", " moved", 1, false, "301"},
        {"http/1.1 301 MOVED", "HTTP/1.1 ", " moved", 1, true, ""},
        {"a[1]b[2]", "[", "]", 1, false, "1"},
        {"a[1]b[2]", "[", "]", 4, false, "2"},
        {"a[1]b[2]", "[", "]", 0, false, "1"},
        {"a[]b", "[", "]", 1, false, ""},
        {"no front", "[", "]", 1, false, ""},
        {"[no back", "[", "]", 1, false, ""},
        {"x=\"v\" y", "x=#引号", "#引号", 1, false, "v"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(textBetween(utf8ToCp936(r.text), utf8ToCp936(r.front), utf8ToCp936(r.back), r.start, r.caseSensitive),
                  r.expected)
            << r.text << " / " << r.front;
}

TEST(TextBetween, StepsOverDoubleByteCharacters) {
    // "\xB0\x5B" is one character whose trail byte is "[": no marker starts inside it.
    EXPECT_EQ(textBetween("\xB0[x]", "[", "]"), "");
    EXPECT_EQ(textBetween("\xB0[[y]", "[", "]"), "y");
}

TEST(HeaderValue, Table) {
    EXPECT_EQ(headerValue("Location: http://a/b"), "http://a/b");
    EXPECT_EQ(headerValue("X:  spaced  "), "spaced");
    EXPECT_EQ(headerValue("X: a:b"), "a:b");
    EXPECT_EQ(headerValue("no colon"), "");
    EXPECT_EQ(headerValue("Empty:"), "");
    EXPECT_EQ(headerValue("Tab:\tv"), "\tv");
}

TEST(UrlHelpers, Table) {
    struct Row {
        const char* url;
        const char* host;
        int port;
        const char* path;
    } rows[] = {
        {"HTTP://WWW.Example.COM:8080/Some/Path?Q=Mixed", "www.example.com", 8080, "/Some/Path?Q=Mixed"},
        {"www.example.com/a/b?c=d", "www.example.com", 80, "/a/b?c=d"},
        {"HTTPS://secure.example.com/x", "secure.example.com", 443, "/x"},
        {"hTtPs://secure.example.com:8443/x", "secure.example.com", 8443, "/x"},
        {"http://example.com", "example.com", 80, "/"},
        {"http://example.com/", "example.com", 80, "/"},
        {"example.com", "example.com", 80, "/"},
        {"http://127.0.0.1:8380/plugin.php?id=waterfall:threads&loads=1", "127.0.0.1", 8380,
         "/plugin.php?id=waterfall:threads&loads=1"},
        {"http://h:abc/", "h", 0, "/"},
        {"http://t/x?y", "t", 80, "/x?y"},     // mended: "t" is not looked for inside "http"
        {"HTTPS://tp:81/Q", "tp", 81, "/Q"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(urlHost(r.url), r.host) << r.url;
        EXPECT_EQ(urlPort(r.url), r.port) << r.url;
        EXPECT_EQ(urlPath(r.url), r.path) << r.url;
    }
    EXPECT_EQ(urlHost("http://www.example.com:81/", false, true), "www.example.com:81");
    EXPECT_EQ(urlHost("http://bbs.www.example.com/", true), "example.com");
    EXPECT_EQ(urlHost("http://localhost/", true), "localhost");
}

TEST(Charset, Utf8ToWideAndGbk) {
    Bytes utf8 = toBytes("A\xE4\xB8\xAD");  // "A中"
    EXPECT_EQ(utf8ToWide(utf8), (Bytes{0x41, 0x00, 0x2D, 0x4E}));
    EXPECT_EQ(utf8ToGbk(utf8), (Bytes{0x41, 0xD6, 0xD0}));
    EXPECT_TRUE(utf8ToWide({}).empty());
    EXPECT_TRUE(utf8ToGbk({}).empty());
    // Invalid UTF-8 does not cut the rest off; a character cp936 lacks becomes "?".
    EXPECT_EQ(toText(utf8ToGbk(toBytes("a\xFF" "b"))), "a?b");
    EXPECT_EQ(toText(utf8ToGbk(toBytes("\xF0\x9F\x98\x80z"))), "?z");
}

TEST(RequestPieces, FlagWord) {
    EXPECT_EQ(requestFlags("http://a/", false, false), 0x80004010u);
    EXPECT_EQ(requestFlags("https://a/", false, false), 0x80800010u);
    EXPECT_EQ(requestFlags("HTTPS://a/", false, false), 0x80800010u);
    EXPECT_EQ(requestFlags("a/", false, false), 0x80004010u);
    EXPECT_EQ(requestFlags("http://a/", true, false), 0x80084010u);
    EXPECT_EQ(requestFlags("http://a/", false, true), 0x80204010u);
    EXPECT_EQ(requestFlags("https://a/", true, true), 0x80A80010u);
}

TEST(RequestPieces, Agent) {
    EXPECT_EQ(requestAgent(""), kDefaultAgent);
    EXPECT_EQ(requestAgent("Accept: x"), kDefaultAgent);
    EXPECT_EQ(requestAgent("user-agent:  Mine/1.0 "), "Mine/1.0");
    EXPECT_EQ(requestAgent("Accept: x\r\nUSER-AGENT: Other\r\nX: y"), "Other");
    // A User-Agent on the last line has no CR LF to end it: the first line's value is taken, whole.
    EXPECT_EQ(requestAgent("X: y\r\nUser-Agent: Last"), "y\r\nUser-Agent: Last");
}

TEST(RequestPieces, HeaderBlock) {
    Text block;
    composeHeaderBlock(block, "http://h/p", "");
    EXPECT_EQ(block,
              "Referer: http://h/p\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
              "Content-Type: application/x-www-form-urlencoded");
    block = "Accept: text/html";
    composeHeaderBlock(block, "http://h/p", "a=1");
    EXPECT_EQ(block,
              "Accept: text/html\r\nReferer: http://h/p\r\nAccept-Language: zh-cn\r\n"
              "Content-Type: application/x-www-form-urlencoded\r\nCookie: a=1");
    block = "accept: text/html";
    composeHeaderBlock(block, "u", "");
    EXPECT_EQ(block, "accept: text/html\r\nReferer: u\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
                     "Content-Type: application/x-www-form-urlencoded");
    composeHeaderBlock(block, "u", "b=2");  // a follow-up: only one more cookie line
    EXPECT_EQ(block, "accept: text/html\r\nReferer: u\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
                     "Content-Type: application/x-www-form-urlencoded\r\nCookie: b=2");
}

TEST(RequestPieces, CharsetTest) {
    auto body = [](int at, const char* mark) {
        return toBytes(std::string(static_cast<std::size_t>(at - 1), '.') + mark);
    };
    EXPECT_TRUE(bodyIsUtf8(body(1, "utf-8"), ""));
    EXPECT_TRUE(bodyIsUtf8(body(499, "utf-8"), ""));
    EXPECT_FALSE(bodyIsUtf8(body(500, "utf-8"), ""));
    EXPECT_FALSE(bodyIsUtf8(body(10, "UTF-8"), "HTTP/1.1 200 OK\r\n"));
    EXPECT_TRUE(bodyIsUtf8(body(600, "x"), "Content-Type: text/html; charset=UTF-8"));
}

TEST(RequestPieces, SafeAddresses) {
    EXPECT_TRUE(isSafeAddress("http://127.0.0.1:8380/plugin.php?id=a&b=c"));
    EXPECT_TRUE(isSafeAddress("www.example.com"));
    EXPECT_FALSE(isSafeAddress("http://h/p\r\nX-Injected: 1"));
    EXPECT_FALSE(isSafeAddress("http://h/p\nX: 1"));
    EXPECT_FALSE(isSafeAddress("http://h/a b"));
    EXPECT_FALSE(isSafeAddress("http://h/\x7F"));
    EXPECT_FALSE(isSafeAddress("http:///path"));
    EXPECT_FALSE(isSafeAddress(""));
    EXPECT_FALSE(isSafeAddress("http://us@er:pw@h/"));
    EXPECT_FALSE(isSafeAddress("http://h:0/"));
    EXPECT_FALSE(isSafeAddress("http://h:70000/"));
    EXPECT_TRUE(isSafeHeaderValue("a=1; b=2"));
    EXPECT_FALSE(isSafeHeaderValue("a=1\r\nX: 1"));
    EXPECT_TRUE(isSafeHeaderBlock("A: 1\r\nB: 2\twith tab"));
    EXPECT_FALSE(isSafeHeaderBlock("A: 1\nB: 2"));
    EXPECT_FALSE(isSafeHeaderBlock("A: 1\rB: 2"));
    EXPECT_FALSE(isSafeHeaderBlock(std::string("A: \0", 4)));
}

}  // namespace
}  // namespace pindora
