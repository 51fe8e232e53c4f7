// A small GIF89a writer: one frame, a global 256-colour table and LZW data that never grows
// past 9-bit codes (a clear code every 250 literals), which every decoder reads.
#include "tools/demo-forum/content.h"

namespace pindora::demo {
namespace {

class BitWriter {
public:
    void put(unsigned code, int width) {
        for (int i = 0; i < width; ++i) {
            if (code & (1u << i)) current_ |= static_cast<unsigned char>(1u << used_);
            if (++used_ == 8) flush();
        }
    }
    std::string finish() {
        if (used_ > 0) flush();
        return bytes_;
    }

private:
    void flush() {
        bytes_ += static_cast<char>(current_);
        current_ = 0;
        used_ = 0;
    }
    std::string bytes_;
    unsigned char current_ = 0;
    int used_ = 0;
};

void putWord(std::string& out, int value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

}  // namespace

std::string encodeGif(int width, int height, const std::vector<unsigned char>& indices,
                      const std::vector<unsigned>& palette) {
    std::string out = "GIF89a";
    putWord(out, width);
    putWord(out, height);
    out += static_cast<char>(0xF7);  // global table of 256 entries, 8-bit colour resolution
    out += '\0';                     // background colour index
    out += '\0';                     // aspect ratio
    for (int i = 0; i < 256; ++i) {
        unsigned c = i < static_cast<int>(palette.size()) ? palette[static_cast<std::size_t>(i)] : 0;
        out += static_cast<char>((c >> 16) & 0xFF);
        out += static_cast<char>((c >> 8) & 0xFF);
        out += static_cast<char>(c & 0xFF);
    }
    out += ',';
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, width);
    putWord(out, height);
    out += '\0';  // no local table, not interlaced
    out += static_cast<char>(8);  // LZW minimum code size

    constexpr unsigned kClear = 256, kEnd = 257;
    BitWriter bits;
    int sinceClear = 0;
    bits.put(kClear, 9);
    for (unsigned char index : indices) {
        if (sinceClear == 250) {
            bits.put(kClear, 9);
            sinceClear = 0;
        }
        bits.put(index, 9);
        ++sinceClear;
    }
    bits.put(kEnd, 9);
    std::string data = bits.finish();
    for (std::size_t at = 0; at < data.size(); at += 255) {
        std::size_t n = std::min<std::size_t>(255, data.size() - at);
        out += static_cast<char>(n);
        out.append(data, at, n);
    }
    out += '\0';
    out += ';';
    return out;
}

}  // namespace pindora::demo
