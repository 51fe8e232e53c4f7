#include "net/redirects.h"

#include "net/url.h"

namespace pindora {

void captureLocation(std::string_view line, Text& location) {
    if (line.find("Location:") != std::string_view::npos) location = headerValue(line);
}

void locationFallback(Text& location, std::string_view rawHeaders) {
    if (location.empty()) location = Text(rawHeaders);
}

bool isMovedRedirect(std::string_view rawHeaders) {
    return textBetween(rawHeaders, "HTTP/1.1 ", " Moved") == "301";
}

Text nextAddress(std::string_view location, std::string_view currentUrl) {
    return Text(location) + urlPath(currentUrl);
}

}  // namespace pindora
