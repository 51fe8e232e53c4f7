#pragma once
// Redirect following: location capture and the redirect decision, as text functions.

#include "base/types.h"

namespace pindora {

// The follow-ups one request may chain before the call gives up with the empty value.
inline constexpr int kMaxFollowUps = 10;

// Line hook: a line containing "Location:" (exact case) sets `location` to its value.
void captureLocation(std::string_view line, Text& location);
// After the lines: an empty `location` becomes a copy of the raw headers.
void locationFallback(Text& location, std::string_view rawHeaders);
// True when the text between "HTTP/1.1 " and " Moved" (case ignored) is exactly "301".
bool isMovedRedirect(std::string_view rawHeaders);
// `location` followed by the urlPath of the address just requested.
Text nextAddress(std::string_view location, std::string_view currentUrl);

}  // namespace pindora
