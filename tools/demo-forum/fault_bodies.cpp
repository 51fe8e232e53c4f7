// The pictures of the fault modes: text posing as a picture, and "decompression bombs": tiny
// files whose header declares 30000 x 30000 pixels (3.6 GB once decoded), so that a decoder
// trusting the header would try to allocate the whole picture.
#include <QBuffer>
#include <QImage>
#include <zlib.h>

#include "tools/demo-forum/content.h"

namespace pindora::demo {
namespace {

constexpr std::uint32_t kBombSide = 30000;

void putBigEndian(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
}

void putLittleEndian16(std::string& bytes, std::size_t at, std::uint32_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

// A 1 x 1 PNG whose IHDR then declares the bomb's size (its checksum recomputed, so that the
// header is valid and only the missing pixel data gives it away).
std::string pngBomb() {
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::red);
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    pixel.save(&buffer, "PNG");
    std::string png(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    // Signature (8), IHDR length (4), "IHDR" (4), width, height, 5 more bytes, CRC.
    putBigEndian(png, 16, kBombSide);
    putBigEndian(png, 20, kBombSide);
    const auto crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17);
    putBigEndian(png, 29, static_cast<std::uint32_t>(crc));
    return png;
}

// A 1 x 1 GIF whose screen and image descriptor then declare the bomb's size.
std::string gifBomb() {
    std::string gif = encodeGif(1, 1, {0}, {0xFF0000, 0x000000});
    putLittleEndian16(gif, 6, kBombSide);
    putLittleEndian16(gif, 8, kBombSide);
    const auto flags = static_cast<unsigned char>(gif[10]);
    std::size_t at = 13 + ((flags & 0x80) ? 3u << ((flags & 7) + 1) : 0u);
    while (at < gif.size() && gif[at] == 0x21) {  // extensions before the picture
        at += 2;
        while (at < gif.size() && gif[at] != 0) at += 1 + static_cast<unsigned char>(gif[at]);
        ++at;
    }
    if (at + 9 <= gif.size() && gif[at] == 0x2C) {
        putLittleEndian16(gif, at + 5, kBombSide);
        putLittleEndian16(gif, at + 7, kBombSide);
    }
    return gif;
}

}  // namespace

std::string faultPicture(Fault fault) {
    switch (fault) {
    case Fault::NotImage: return "<html><body>This is a page, not a picture.</body></html>";
    case Fault::PngBomb: return pngBomb();
    case Fault::GifBomb: return gifBomb();
    default: return {};
    }
}

}  // namespace pindora::demo
