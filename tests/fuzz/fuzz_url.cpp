// The address helpers over arbitrary addresses: urlHost (all four option pairs), urlPort,
// urlPath and the address check that guards a request. Input: the address.
#include <algorithm>

#include "base/text.h"
#include "net/url.h"
#include "net/web_request.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pindora;
    const std::string_view url = fuzz::asText(data, size);

    const Text host = urlHost(url);
    const Text hostAndPort = urlHost(url, false, true);
    const Text domain = urlHost(url, true, false);
    for (const Text* h : {&host, &hostAndPort, &domain}) FUZZ_REQUIRE(toLowerText(*h) == *h);
    FUZZ_REQUIRE(hostAndPort.compare(0, host.size(), host) == 0);
    // The host ends at the first "/" and the port is cut at the first ":"; a byte after a lead
    // byte belongs to its character, so this holds where every lead byte has a valid trail.
    if (fuzz::wellFormedCp936(url)) {
        for (const Text* h : {&host, &hostAndPort, &domain}) FUZZ_REQUIRE(h->find('/') == Text::npos);
        FUZZ_REQUIRE(host.find(':') == Text::npos && domain.find(':') == Text::npos);
        FUZZ_REQUIRE(std::count(domain.begin(), domain.end(), '.') <= 1);
    }
    (void)urlHost(url, true, true);

    const int port = urlPort(url);
    FUZZ_REQUIRE(port >= 0);
    const std::size_t colon = hostAndPort.rfind(':');
    if (colon == Text::npos) {
        FUZZ_REQUIRE(port == 80 || port == 443);
    } else {
        // A port of up to five digits reads as its number.
        const std::string_view digits = std::string_view(hostAndPort).substr(colon + 1);
        if (!digits.empty() && digits.size() <= 5 &&
            std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            FUZZ_REQUIRE(port == std::stoi(Text(digits)));
    }

    const Text path = urlPath(url);
    FUZZ_REQUIRE(!path.empty() && path.front() == '/');
    FUZZ_REQUIRE(path == "/" || (url.size() >= path.size() && url.substr(url.size() - path.size()) == path));

    if (isSafeAddress(url)) {
        FUZZ_REQUIRE(!host.empty());
        FUZZ_REQUIRE(port >= 1 && port <= 65535);
    }
    return 0;
}
