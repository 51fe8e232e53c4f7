#include "base/text.h"

#include "platform/codepage/codepage.h"

namespace pindora {
namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

size_t characterLength(std::string_view text, size_t at) {
    return isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

bool matchesAt(std::string_view text, size_t at, std::string_view needle, bool ignoreCase) {
    for (size_t i = 0; i < needle.size();) {
        size_t length = characterLength(needle, i);
        for (size_t k = 0; k < length; ++k) {
            char a = text[at + i + k];
            char b = needle[i + k];
            if (ignoreCase && length == 1) {
                a = lowerAscii(a);
                b = lowerAscii(b);
            }
            if (a != b) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

int findText(std::string_view text, std::string_view needle, int start, bool ignoreCase) {
    size_t at = start > 1 ? static_cast<size_t>(start - 1) : 0;
    if (at > text.size()) return -1;
    if (needle.empty()) return static_cast<int>(at + 1);
    while (at + needle.size() <= text.size()) {
        if (matchesAt(text, at, needle, ignoreCase)) return static_cast<int>(at + 1);
        at += characterLength(text, at);
    }
    return -1;
}

bool containsText(std::string_view text, std::string_view needle, bool ignoreCase) {
    return findText(text, needle, 1, ignoreCase) > 0;
}

Text toLowerText(std::string_view text) {
    Text out(text);
    for (size_t i = 0; i < out.size();) {
        size_t length = characterLength(out, i);
        if (length == 1) out[i] = lowerAscii(out[i]);
        i += length;
    }
    return out;
}

Text trimText(std::string_view text) {
    auto blankAtFront = [&] {
        return !text.empty() && (text.front() == ' ' || text.substr(0, 2) == "\xA1\xA1");
    };
    while (blankAtFront()) text.remove_prefix(text.front() == ' ' ? 1 : 2);
    // At the end a full-width space counts only when its first byte starts a character.
    for (;;) {
        if (!text.empty() && text.back() == ' ') {
            text.remove_suffix(1);
            continue;
        }
        if (text.size() >= 2 && text.substr(text.size() - 2) == "\xA1\xA1") {
            size_t at = 0;
            while (at < text.size() - 2) at += characterLength(text, at);
            if (at == text.size() - 2) {
                text.remove_suffix(2);
                continue;
            }
        }
        break;
    }
    return Text(text);
}

Text replaceText(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return Text(text);
    Text out;
    size_t copied = 0;
    for (int at = findText(text, from); at > 0; at = findText(text, from, static_cast<int>(copied) + 1)) {
        out.append(text.substr(copied, at - 1 - copied));
        out.append(to);
        copied = at - 1 + from.size();
    }
    out.append(text.substr(copied));
    return out;
}

std::vector<Text> splitText(std::string_view text, std::string_view separator) {
    std::vector<Text> pieces;
    if (text.empty()) return pieces;
    if (separator.empty()) return {Text(text)};
    size_t from = 0;
    for (int at = findText(text, separator); at > 0; at = findText(text, separator, static_cast<int>(from) + 1)) {
        pieces.emplace_back(text.substr(from, at - 1 - from));
        from = at - 1 + separator.size();
    }
    if (from < text.size()) pieces.emplace_back(text.substr(from));
    return pieces;
}

}  // namespace pindora
