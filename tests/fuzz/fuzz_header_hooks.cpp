// The response-header hooks as the request routine runs them over a raw header block: the
// location capture and the cookie capture on each line, then the cookie tidy-up and merge,
// the location fallback and the redirect decision. Input: raw headers, the caller's cookies and
// the address just requested, separated by zero bytes.
#include "base/text.h"
#include "net/cookies.h"
#include "net/redirects.h"
#include "net/url.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pindora;
    const auto in = fuzz::fields(data, size, 3);
    const std::string_view rawHeaders = in[0];
    Text cookies = in[1];
    const std::string_view url = in[2];

    Text location;
    Text responseCookies;
    for (const Text& line : splitText(rawHeaders, "\r\n")) {
        captureLocation(line, location);
        const std::size_t before = responseCookies.size();
        captureCookie(line, responseCookies);
        // A Set-Cookie line adds its entry, which stops before the line's first ";" (a byte
        // after a lead byte is part of its character), and "; ".
        if (line.find("Set-Cookie") == Text::npos) {
            FUZZ_REQUIRE(responseCookies.size() == before);
        } else {
            const std::string_view added = std::string_view(responseCookies).substr(before);
            FUZZ_REQUIRE(added.ends_with("; ") && findText(added.substr(0, added.size() - 2), ";") < 0);
        }
    }
    const Text captured = responseCookies;
    tidyCookies(responseCookies, &cookies);
    // The tidy-up drops the last "; " and the merge takes the blanks out; the caller's cookies
    // hold the merged set, without deleted entries.
    FUZZ_REQUIRE(captured.empty() || responseCookies.size() + 2 <= captured.size());
    for (const Text& entry : splitText(cookies, "; ")) FUZZ_REQUIRE(!entry.ends_with("=deleted"));

    locationFallback(location, rawHeaders);
    FUZZ_REQUIRE(rawHeaders.find(location) != std::string_view::npos);
    FUZZ_REQUIRE(!location.empty() || rawHeaders.empty());

    if (isMovedRedirect(rawHeaders)) {
        FUZZ_REQUIRE(toLowerText(rawHeaders).find("http/1.1 301 moved") != Text::npos);
        const Text next = nextAddress(location, url);
        const Text path = urlPath(url);
        FUZZ_REQUIRE(next.starts_with(location) && next.ends_with(path) &&
                     next.size() == location.size() + path.size());
    }
    return 0;
}
