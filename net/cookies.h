#pragma once
// Cookie handling: cookie capture, tidy-up and merge.

#include <vector>

#include "base/types.h"

namespace pindora {

// Line hook: a line containing "Set-Cookie" (exact case) appends its entry and "; ".
void captureCookie(std::string_view line, Text& responseCookies);
// After the lines: drops the last "; "; merges when `cookies` is given.
void tidyCookies(Text& responseCookies, Text* cookies);

// Removes blanks from both (stored back), merges the response's cookies over the old ones,
// drops "=deleted" entries and duplicates; stores the result into `cookies` and returns it.
Text mergeCookies(Text& cookies, Text& responseCookies);
Text cookieName(std::string_view entry);
bool hasCookieNamed(const std::vector<Text>& entries, std::string_view name);
Text joinDistinct(std::string_view text, std::string_view separator);
// 1-based index of the first element equal to `text`, or -1.
int indexOfText(const std::vector<Text>& list, std::string_view text);

}  // namespace pindora
