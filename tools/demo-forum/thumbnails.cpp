// The thumbnails: 200 x 200, a distinct dominant colour per item (the background, and the
// whole centre square 60..139), a darker frame, a light "head and shoulders" figure in the top
// left corner and the item's number as a row of bit squares at the bottom, so that each
// picture is different and recognisable. Formats rotate JPEG, PNG, GIF over the items.
#include <QBuffer>
#include <QImage>
#include <cmath>
#include <mutex>

#include "tools/demo-forum/content.h"

namespace pindora::demo {
namespace {

constexpr int kSize = 200;

unsigned darker(unsigned c) {
    unsigned r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return ((r * 3 / 5) << 16) | ((g * 3 / 5) << 8) | (b * 3 / 5);
}

// Palette index per pixel: 0 background, 1 frame, 2 figure, 3 bit on, 4 bit off.
std::vector<unsigned char> layout(int number) {
    std::vector<unsigned char> px(kSize * kSize, 0);
    auto at = [&](int x, int y) -> unsigned char& { return px[static_cast<std::size_t>(y * kSize + x)]; };
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (x < 8 || y < 8 || x >= kSize - 8 || y >= kSize - 8) at(x, y) = 1;
    for (int y = 14; y < 58; ++y)
        for (int x = 14; x < 58; ++x) {
            double dx = x - 36, dy = y - 30;
            bool head = dx * dx + dy * dy <= 11 * 11;
            bool body = y >= 44 && dx * dx / (20.0 * 20.0) + (y - 58) * (y - 58) / (14.0 * 14.0) <= 1.0;
            if (head || body) at(x, y) = 2;
        }
    for (int bit = 0; bit < 10; ++bit) {
        int x0 = 20 + bit * 16;
        for (int y = 164; y < 176; ++y)
            for (int x = x0; x < x0 + 12; ++x) at(x, y) = (number >> (9 - bit)) & 1 ? 3 : 4;
    }
    return px;
}

}  // namespace

std::string drawThumbnail(const DemoItem& item) {
    std::vector<unsigned> palette = {item.colour, darker(item.colour), 0xF4F1EA, 0x202020, 0xFFFFFF};
    std::vector<unsigned char> px = layout(item.tid);
    if (item.format == "gif") return encodeGif(kSize, kSize, px, palette);
    QImage image(kSize, kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kSize; ++x) line[x] = 0xFF000000u | palette[px[static_cast<std::size_t>(y * kSize + x)]];
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, item.format == "png" ? "PNG" : "JPEG", item.format == "png" ? -1 : 92);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

const std::map<std::string, std::string>& thumbnails() {
    static std::once_flag once;
    static std::map<std::string, std::string>* all = nullptr;
    std::call_once(once, [] {
        all = new std::map<std::string, std::string>;
        for (const Category& category : categories())
            for (int page = 1; page <= category.pages; ++page)
                for (const DemoItem& item : pageItems(category.typeId, page, 6))
                    (*all)[item.thumbnailSrc] = drawThumbnail(item);
    });
    return *all;
}

}  // namespace pindora::demo
