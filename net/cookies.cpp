#include "net/cookies.h"

#include "base/text.h"
#include "net/url.h"
#include "platform/codepage/codepage.h"

namespace pindora {
namespace {

Text withoutBlanks(std::string_view text) {
    Text out;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (isLeadByte(c) && i + 1 < text.size()) {
            if (!(c == 0xA1 && static_cast<unsigned char>(text[i + 1]) == 0xA1)) out.append(text.substr(i, 2));
            i += 2;
        } else {
            if (c != ' ') out += text[i];
            ++i;
        }
    }
    return out;
}

void dropLast(Text& text, std::size_t n) { text.resize(text.size() > n ? text.size() - n : 0); }

}  // namespace

void captureCookie(std::string_view line, Text& responseCookies) {
    if (line.find("Set-Cookie") == std::string_view::npos) return;
    responseCookies += trimText(textBetween(line, "Set-Cookie:", ";"));
    responseCookies += "; ";
}

void tidyCookies(Text& responseCookies, Text* cookies) {
    dropLast(responseCookies, 2);
    if (cookies) mergeCookies(*cookies, responseCookies);
}

Text mergeCookies(Text& cookies, Text& responseCookies) {
    cookies = withoutBlanks(cookies);
    responseCookies = withoutBlanks(responseCookies);
    std::vector<Text> oldList = splitText(cookies, ";");
    std::vector<Text> newList = splitText(responseCookies, ";");
    for (const Text& entry : oldList)
        if (!hasCookieNamed(newList, cookieName(entry))) newList.push_back(entry);
    Text result;
    for (const Text& entry : newList) {
        if (std::string_view(entry).ends_with("=deleted")) continue;
        result += entry;
        result += "; ";
    }
    dropLast(result, 2);
    result = joinDistinct(result, "; ");
    cookies = result;
    return result;
}

Text cookieName(std::string_view entry) {
    int equals = findText(entry, "=");
    if (equals < 0) return trimText(entry);
    return trimText(entry.substr(0, static_cast<std::size_t>(equals - 1)));
}

bool hasCookieNamed(const std::vector<Text>& entries, std::string_view name) {
    for (const Text& entry : entries)
        if (cookieName(entry) == name) return true;
    return false;
}

Text joinDistinct(std::string_view text, std::string_view separator) {
    std::vector<Text> kept;
    Text out;
    for (const Text& piece : splitText(text, separator)) {
        if (indexOfText(kept, piece) > 0) continue;
        kept.push_back(piece);
        out += piece;
        out += separator;
    }
    dropLast(out, separator.size());
    return out;
}

int indexOfText(const std::vector<Text>& list, std::string_view text) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == text) return static_cast<int>(i + 1);
    return -1;
}

}  // namespace pindora
