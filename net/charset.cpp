#include "net/charset.h"

#include "platform/codepage/codepage.h"

namespace pindora {

Bytes utf8ToWide(const Bytes& utf8) {
    std::u16string wide = utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
    Bytes out;
    out.reserve(wide.size() * 2);
    for (char16_t unit : wide) {
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return out;
}

Bytes utf8ToGbk(const Bytes& utf8) {
    return toBytes(utf8ToCp936(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size())));
}

}  // namespace pindora
