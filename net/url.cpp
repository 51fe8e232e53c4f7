#include "net/url.h"

#include "base/text.h"
#include "platform/codepage/codepage.h"

namespace pindora {

Text textBetween(std::string_view text, std::string_view front, std::string_view back, int start,
                 bool caseSensitive) {
    static const Text quoteMark = utf8ToCp936("#引号");
    Text f = replaceText(front, quoteMark, "\"");
    Text b = replaceText(back, quoteMark, "\"");
    int found = findText(text, f, start, !caseSensitive);
    if (found < 0) return {};
    int p = found + static_cast<int>(f.size());
    int end = findText(text, b, p, !caseSensitive);
    if (end < 0) return {};
    return Text(text.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(end - p)));
}

Text headerValue(std::string_view line) {
    int colon = findText(line, ":");
    if (colon < 0) return {};
    return trimText(line.substr(static_cast<std::size_t>(colon)));
}

Text urlHost(std::string_view url, bool domainOnly, bool keepPort) {
    Text s = toLowerText(url);
    if (s.empty() || s.back() != '/') s += '/';
    Text host;
    if (s.substr(0, 8) == "https://") {
        host = textBetween(s, "https://", "/");
    } else {
        if (!containsText(s, "http://")) s = "http://" + s;
        host = textBetween(s, "http://", "/");
    }
    if (domainOnly) {
        auto pieces = splitText(host, ".");
        if (pieces.size() > 1) host = pieces[pieces.size() - 2] + "." + pieces.back();
    }
    if (!keepPort) {
        int colon = findText(host, ":");
        if (colon > 0) host = host.substr(0, static_cast<std::size_t>(colon - 1));
    }
    return host;
}

int urlPort(std::string_view url) {
    Text host = urlHost(url, false, true);
    std::size_t colon = host.rfind(':');
    if (colon == Text::npos) return toLowerText(url.substr(0, 5)) == "https" ? 443 : 80;
    // The integer value of the text after the last ":": its leading digits, 0 when none.
    long value = 0;
    for (std::size_t i = colon + 1; i < host.size() && host[i] >= '0' && host[i] <= '9'; ++i) {
        value = value * 10 + (host[i] - '0');
        if (value > 1000000) break;
    }
    return static_cast<int>(value);
}

Text urlPath(std::string_view url) {
    Text host = urlHost(url);
    // Mended: the search starts after the scheme that urlHost skipped, so that a host whose
    // name occurs in the scheme ("h", "tp") is not found inside "http://".
    int from = 1;
    if (toLowerText(url.substr(0, 8)) == "https://") {
        from = 9;
    } else if (int scheme = findText(url, "http://", 1, true); scheme > 0) {
        from = scheme + 7;
    }
    int at = findText(url, host, from, true);
    int slash = findText(url, "/", at > 0 ? at : 1);
    if (slash < 0) return "/";
    return Text(url.substr(static_cast<std::size_t>(slash - 1)));
}

}  // namespace pindora
