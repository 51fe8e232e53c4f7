#pragma once
// Text helpers over code page 936 byte strings. Positions are 1-based and a search that finds
// nothing yields -1. Searches walk the text a character at a time, a lead byte and its trail
// byte being one character, so a match starts only on a character boundary. Letter case is
// folded for ASCII letters only; the bytes of double-byte characters are compared exactly.

#include <string_view>
#include <vector>

#include "base/types.h"

namespace pindora {

// Position of `needle` in `text` at or after `start` (a start of 1 or less searches from the
// beginning), or -1.
int findText(std::string_view text, std::string_view needle, int start = 1, bool ignoreCase = false);
bool containsText(std::string_view text, std::string_view needle, bool ignoreCase = false);

// ASCII letters lowered; trail bytes of double-byte characters left alone.
Text toLowerText(std::string_view text);

// Without the ASCII spaces and full-width spaces (A1 A1) at both ends.
Text trimText(std::string_view text);

// Every occurrence of `from` replaced, from the start, letter case respected.
Text replaceText(std::string_view text, std::string_view from, std::string_view to);

// Pieces between separators: empty pieces between two separators are kept, an empty piece
// after the last separator is dropped, and the empty text gives no pieces.
std::vector<Text> splitText(std::string_view text, std::string_view separator);

}  // namespace pindora
