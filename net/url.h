#pragma once
// The request routine's text helpers: markers, header values and the three parts of an address.

#include "base/types.h"

namespace pindora {

// The text between the first `front` found at or after `start` (1 or less: from the
// beginning) and the first `back` after it; empty when either is missing. "#引号" in a
// marker stands for a double quote. Letter case is ignored unless `caseSensitive`.
Text textBetween(std::string_view text, std::string_view front, std::string_view back,
                 int start = 1, bool caseSensitive = false);

// The part of a header line after its first ":", trimmed; empty without ":".
Text headerValue(std::string_view line);

// The host of an address in lower case ("http://" assumed without a scheme). `domainOnly`
// keeps the last two dot-separated labels; `keepPort` keeps ":port".
Text urlHost(std::string_view url, bool domainOnly = false, bool keepPort = false);

// The port: the one given after the host, else 443 for "https" addresses, else 80.
int urlPort(std::string_view url);

// Path with query from the first "/" after the host, letter case kept; "/" when there is none.
Text urlPath(std::string_view url);

}  // namespace pindora
