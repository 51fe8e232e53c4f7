#include "net/web_request.h"

#include <array>

#include "base/text.h"
#include "net/charset.h"
#include "net/cookies.h"
#include "net/redirects.h"
#include "net/url.h"

namespace pindora {
namespace {

constexpr std::size_t kReadPiece = 1024;
constexpr std::size_t kHeaderBuffer = 5000;

// The routine's variables: one set shared by a request and its follow-ups. `*Given` are the
// given-flags received from the caller.
struct Vars {
    int method = 0;
    Text postText;
    Text cookies;
    bool cookiesGiven = false;
    Text responseCookies;
    Text headers;
    Text location;
    bool noRedirect = false;
    Bytes postBytes;
    Text proxy;
    bool proxyGiven = false;
    Text rawHeaders;
};

Vars takeVars(const RequestArgs& a) {
    Vars v;
    v.method = a.method.value_or(0);
    v.postText = a.postText.value_or(Text{});
    v.cookies = a.cookies.value_or(Text{});
    v.cookiesGiven = a.cookies.has_value();
    v.responseCookies = a.responseCookies.value_or(Text{});
    v.headers = a.headers.value_or(Text{});
    v.location = a.location.value_or(Text{});
    v.noRedirect = a.noRedirect.value_or(false);
    v.postBytes = a.postBytes.value_or(Bytes{});
    v.proxy = a.proxy.value_or(Text{});
    v.proxyGiven = a.proxy.has_value();
    v.rawHeaders = a.rawHeaders.value_or(Text{});
    return v;
}

void giveBack(const Vars& v, RequestArgs& a) {
    if (a.cookies) a.cookies = v.cookies;
    if (a.responseCookies) a.responseCookies = v.responseCookies;
    if (a.headers) a.headers = v.headers;
    if (a.location) a.location = v.location;
    if (a.postBytes) a.postBytes = v.postBytes;
    if (a.rawHeaders) a.rawHeaders = v.rawHeaders;
}

// The body as the variant returns it: the bytes as they came, or the text (converted from UTF-8
// when the body says so, cut at its first zero byte).
template <typename Result>
Result finish(Bytes body, const Vars& v);

template <>
Bytes finish<Bytes>(Bytes body, const Vars&) { return body; }

template <>
Text finish<Text>(Bytes body, const Vars& v) {
    Text text = bodyIsUtf8(body, v.rawHeaders) ? toText(utf8ToGbk(body)) : toText(body);
    auto zero = text.find('\0');
    if (zero != Text::npos) text.resize(zero);
    return text;
}

// One request of the chain, and the 301 follow-up it leads to. Gives the empty value with
// nothing written when the address or the headers cannot be sent safely; `wrote` tells when
// the arguments hold this request's results.
template <typename Result>
Result request(std::string_view url, Vars& v, int followUps, bool& wrote) {
    if (!isSafeAddress(url) || !isSafeHeaderValue(v.cookies)) return {};
    const char* verb = v.method == 1 ? "POST" : "GET";
    Text agent = requestAgent(v.headers);
    // The header block is composed first, so that an unsafe one is refused before anything is
    // written.
    Text block = v.headers;
    composeHeaderBlock(block, url, v.cookies);
    if (!isSafeHeaderBlock(block)) return {};

    inet::Session* session = inet::openSession(agent, v.proxyGiven ? "http=" + v.proxy : Text{});
    if (!session) return {};
    inet::Connection* connection = inet::connect(session, urlHost(url), urlPort(url));
    if (!connection) {
        inet::close(session);
        return {};
    }
    std::uint32_t flags = requestFlags(url, v.cookiesGiven, v.noRedirect);
    Text path = urlPath(url);
    inet::Request* req = inet::openRequest(connection, verb, path, "HTTP/1.1", flags);
    if (!req) {
        inet::close(connection);
        inet::close(session);
        return {};
    }
    // The composed block is the caller's `headers` from now on.
    v.headers = block;
    wrote = true;
    // Send (the result is not checked: a failure shows as no body and no headers).
    if (v.method == 0) {
        inet::send(req, v.headers, nullptr);
    } else {
        if (v.postBytes.empty()) v.postBytes = toBytes(v.postText);
        std::string body = toText(v.postBytes);
        inet::send(req, v.headers, &body);
    }
    // The body, read in pieces.
    Bytes body;
    for (;;) {
        std::array<char, kReadPiece> piece{};
        std::size_t n = inet::readBody(req, piece.data(), piece.size());
        if (n == 0) break;
        body.insert(body.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(n));
    }
    // The raw headers into a blank-filled buffer; the text ends at the zero the query writes
    // (a failed query leaves the blanks).
    std::string buffer(kHeaderBuffer, ' ');
    inet::rawHeaders(req, buffer.data(), buffer.size());
    auto zero = buffer.find('\0');
    v.rawHeaders = buffer.substr(0, zero);
    inet::close(req);
    inet::close(connection);
    inet::close(session);
    // Each header line gives its location and cookie.
    v.responseCookies.clear();
    for (const Text& line : splitText(v.rawHeaders, "\r\n")) {
        captureLocation(line, v.location);
        captureCookie(line, v.responseCookies);
    }
    // After the lines: the cookie merge, then a 301 Moved is followed with the same arguments.
    tidyCookies(v.responseCookies, v.cookiesGiven ? &v.cookies : nullptr);
    locationFallback(v.location, v.rawHeaders);
    if (isMovedRedirect(v.rawHeaders)) {
        Text next = nextAddress(v.location, url);
        v.location.clear();
        if (followUps >= kMaxFollowUps) return {};
        return request<Result>(next, v, followUps + 1, wrote);
    }
    return finish<Result>(std::move(body), v);
}

template <typename Result>
Result run(RequestArgs& args) {
    Vars v = takeVars(args);
    bool wrote = false;
    Result result = request<Result>(args.url, v, 0, wrote);
    if (wrote) giveBack(v, args);
    return result;
}

bool isHostCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
}

}  // namespace

Text webRequestText(RequestArgs& args) { return run<Text>(args); }
Bytes webRequestBytes(RequestArgs& args) { return run<Bytes>(args); }

Text webRequestText(std::string_view url) {
    RequestArgs args{.url = Text(url)};
    return webRequestText(args);
}
Bytes webRequestBytes(std::string_view url) {
    RequestArgs args{.url = Text(url)};
    return webRequestBytes(args);
}

std::uint32_t requestFlags(std::string_view url, bool cookiesGiven, bool noRedirect) {
    std::uint32_t flags = inet::kReload | inet::kNeedFile;
    if (cookiesGiven) flags |= inet::kNoCookies;
    if (noRedirect) flags |= inet::kNoAutoRedirect;
    flags |= toLowerText(url.substr(0, 5)) == "https" ? inet::kSecure : inet::kIgnoreRedirectToHttps;
    return flags;
}

Text requestAgent(std::string_view headers) {
    if (!containsText(headers, "User-Agent:", true)) return Text(kDefaultAgent);
    Text agent = trimText(textBetween(headers, "User-Agent:", "\r\n"));
    if (agent.empty()) agent = headerValue(headers);
    return agent;
}

void composeHeaderBlock(Text& headers, std::string_view url, std::string_view cookies) {
    if (!containsText(headers, "Referer:")) {
        if (headers.empty())
            headers = "Referer: " + Text(url);
        else
            headers += "\r\nReferer: " + Text(url);
    }
    if (!containsText(headers, "Accept:")) headers += "\r\nAccept: */*";
    if (!containsText(headers, "Accept-Language:")) headers += "\r\nAccept-Language: zh-cn";
    if (!containsText(headers, "Content-Type:")) headers += "\r\nContent-Type: application/x-www-form-urlencoded";
    if (!cookies.empty()) headers += "\r\nCookie: " + Text(cookies);
}

bool bodyIsUtf8(const Bytes& body, std::string_view rawHeaders) {
    std::string_view bytes(reinterpret_cast<const char*>(body.data()), body.size());
    // The mark counts when it starts within the first 499 bytes.
    constexpr std::string_view kMark = "utf-8";
    if (bytes.substr(0, 499 - 1 + kMark.size()).find(kMark) != std::string_view::npos) return true;
    return containsText(rawHeaders, "utf-8", true);
}

bool isSafeAddress(std::string_view url) {
    for (char c : url) {
        unsigned char b = static_cast<unsigned char>(c);
        if (b <= 0x20 || b == 0x7F) return false;
    }
    Text host = urlHost(url);
    if (host.empty()) return false;
    bool bracketed = host.front() == '[';
    for (char c : host)
        if (!isHostCharacter(c) && !(bracketed && (c == '[' || c == ']' || c == ':'))) return false;
    int port = urlPort(url);
    return port >= 1 && port <= 65535;
}

bool isSafeHeaderValue(std::string_view value) {
    for (char c : value) {
        unsigned char b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\t') || b == 0x7F) return false;
    }
    return true;
}

bool isSafeHeaderBlock(std::string_view block) {
    for (const Text& line : splitText(block, "\r\n")) {
        if (!isSafeHeaderValue(line)) return false;
    }
    return true;
}

}  // namespace pindora
