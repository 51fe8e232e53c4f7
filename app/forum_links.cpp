#include "app/forum_links.h"

#include <cctype>

#include "base/forum_host.h"
#include "base/text.h"
#include "platform/shell/shell.h"

namespace pindora {
namespace {

// The scheme of an absolute address ("http" of "http://..."), lowered; empty when the link is
// relative (no scheme before the first '/', '?' or '#').
Text schemeOf(std::string_view link) {
    const std::size_t colon = link.find(':');
    if (colon == std::string_view::npos || colon == 0) return {};
    const std::string_view scheme = link.substr(0, colon);
    if (scheme.find_first_of("/?#") != std::string_view::npos) return {};
    if (!std::isalpha(static_cast<unsigned char>(scheme[0]))) return {};
    for (const char c : scheme) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.') return {};
    }
    return toLowerText(scheme);
}

}  // namespace

Text resolveForumLink(std::string_view link, std::string_view host) {
    const Text trimmed = trimText(link);
    if (trimmed.empty()) return {};
    if (trimmed.starts_with("//")) return "http:" + trimmed;
    if (trimmed.find(':') != Text::npos) {
        const Text scheme = schemeOf(trimmed);
        if (scheme == "http" || scheme == "https") return trimmed;
        if (!scheme.empty()) return {};
    }
    const std::string_view path = trimmed.starts_with("/") ? std::string_view(trimmed).substr(1) : trimmed;
    return "http://" + Text(host) + "/" + Text(path);
}

void openForumLink(std::string_view link) {
    const Text address = resolveForumLink(link, forumHost());
    if (!address.empty()) openInBrowser(address);
}

}  // namespace pindora
