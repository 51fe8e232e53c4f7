#include "platform/codepage/codepage.h"

#include <bit>
#include <cerrno>
#include <iconv.h>

namespace pindora {
namespace {

// One iconv descriptor per direction and thread: opening one costs more than most conversions.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `input`; at a unit the target cannot take or a sequence the source cannot
    // decode, `onBad` gets the remaining input and the output so far, writes its replacement
    // and returns how many input bytes to skip.
    template <class OnBad>
    std::string run(std::string_view input, OnBad onBad) {
        std::string out;
        if (handle_ == reinterpret_cast<iconv_t>(-1)) return out;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        out.reserve(input.size() * 2 + 8);
        char buffer[4096];
        auto* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, outPtr - buffer);
            if (rc != static_cast<size_t>(-1)) break;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (a truncated sequence at the end): replace and go on.
            size_t skip = onBad(std::string_view(in, inLeft), out);
            if (skip > inLeft) skip = inLeft;
            in += skip;
            inLeft -= skip;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t handle_;
};

std::u16string fromLittleEndianBytes(const std::string& bytes) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return text;
}

std::string_view asBytes(std::u16string_view text) {
    // UTF-16LE in memory on this little-endian target.
    static_assert(std::endian::native == std::endian::little);
    return {reinterpret_cast<const char*>(text.data()), text.size() * 2};
}

void appendUnit(std::string& out, char16_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

// Length of the malformed UTF-8 prefix to replace by one U+FFFD: a lead byte with the
// continuation bytes that follow it correctly counts as one bad sequence, as Windows does.
size_t badUtf8Length(std::string_view rest) {
    auto lead = static_cast<unsigned char>(rest[0]);
    size_t expected = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 1;
    size_t n = 1;
    while (n < expected && n < rest.size() && (static_cast<unsigned char>(rest[n]) & 0xC0) == 0x80) ++n;
    return n == expected ? 1 : n;
}

}  // namespace

std::u16string utf8ToUtf16(std::string_view utf8) {
    thread_local Converter converter("UTF-16LE", "UTF-8");
    return fromLittleEndianBytes(converter.run(utf8, [](std::string_view rest, std::string& out) {
        appendUnit(out, u'\uFFFD');
        return badUtf8Length(rest);
    }));
}

std::string utf16ToUtf8(std::u16string_view utf16) {
    thread_local Converter converter("UTF-8", "UTF-16LE");
    return converter.run(asBytes(utf16), [](std::string_view, std::string& out) {
        out += "\xEF\xBF\xBD";  // a lone surrogate
        return size_t{2};
    });
}

std::u16string cp936ToUtf16(std::string_view cp936) {
    thread_local Converter converter("UTF-16LE", "CP936");
    return fromLittleEndianBytes(converter.run(cp936, [](std::string_view rest, std::string& out) {
        // A lead byte without a valid trail byte, or a byte with no character: the default
        // character for the bad byte, and the byte after it is read afresh.
        appendUnit(out, u'?');
        (void)rest;
        return size_t{1};
    }));
}

std::string utf16ToCp936(std::u16string_view utf16) {
    thread_local Converter converter("CP936", "UTF-16LE");
    return converter.run(asBytes(utf16), [](std::string_view rest, std::string& out) {
        out.push_back('?');
        bool pair = rest.size() >= 4 && (static_cast<unsigned char>(rest[1]) & 0xFC) == 0xD8 &&
                    (static_cast<unsigned char>(rest[3]) & 0xFC) == 0xDC;
        return size_t{pair ? 4u : 2u};
    });
}

std::string utf8ToCp936(std::string_view utf8) { return utf16ToCp936(utf8ToUtf16(utf8)); }

std::string cp936ToUtf8(std::string_view cp936) { return utf16ToUtf8(cp936ToUtf16(cp936)); }

}  // namespace pindora
