// busy.gif: eight dots on a ring, the bright one stepping round once per 8 frames.

#include <cmath>
#include <numbers>

#include "palette.h"
#include "pictures.h"

namespace pindora::art {
namespace {

constexpr int kSize = 25;
constexpr int kDots = 8;

// A GIF pixel is either opaque or transparent: edges are blended onto the white the thumbnail
// boxes show, and pixels that are mostly empty become the transparent colour.
QImage withBinaryAlpha(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(row[x]);
            if (a < 80) {
                row[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const auto blend = [a](int c) { return (c * a + 255 * (255 - a)) / 255; };
            row[x] = qRgb(blend(qRed(row[x])), blend(qGreen(row[x])), blend(qBlue(row[x])));
        }
    }
    return out;
}

QImage spinnerFrame(int frame) {
    QImage image = blankCanvas(kSize, kSize);
    QPainter p(&image);
    prepare(p);
    p.setPen(Qt::NoPen);
    const QPointF centre(kSize / 2.0, kSize / 2.0);
    for (int i = 0; i < kDots; ++i) {
        const int age = (frame - i + kDots) % kDots;  // 0: the leading dot
        const double t = age / double(kDots - 1);
        const double angle = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / kDots;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * 8.6;
        const double radius = 2.6 - 1.0 * t;
        QColor colour = QColor::fromRgbF(accent.redF() + (0.78 - accent.redF()) * t,
                                         accent.greenF() + (0.86 - accent.greenF()) * t,
                                         accent.blueF() + (0.94 - accent.blueF()) * t);
        p.setBrush(colour);
        p.drawEllipse(at, radius, radius);
    }
    p.end();
    return withBinaryAlpha(image);
}

}  // namespace

void drawBusySpinner(const PictureWriter& out) {
    for (int frame = 0; frame < kDots; ++frame) out.frame(spinnerFrame(frame), "busy", frame);
}

}  // namespace pindora::art
