// app/*: the program icon, the five navigation icons and the frames of the feedback banner.
// The navigation icons share one look: a coloured rounded tile with a white glyph, which reads
// on light and dark skins alike.

#include <QFont>
#include <cmath>
#include <numbers>

#include "palette.h"
#include "pictures.h"

namespace pindora::art {
namespace {

// Glyphs are painted white on a layer of their own, holes cut with DestinationOut: every curve
// is then rasterised at the final size, crisp at 36 and at 256 pixels alike.
using GlyphPainter = void (*)(QPainter&);

QPen roundPen(const QColor& colour, qreal width, Qt::PenCapStyle cap = Qt::RoundCap) {
    return QPen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin);
}

void cutHoles(QPainter& p) { p.setCompositionMode(QPainter::CompositionMode_DestinationOut); }

// The glyph in white on a transparent layer of `size` pixels, drawn in the 36-unit design space.
QImage glyphLayer(int size, GlyphPainter paintGlyph) {
    QImage layer = blankCanvas(size, size);
    QPainter p(&layer);
    prepare(p);
    p.scale(size / 36.0, size / 36.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    paintGlyph(p);
    return layer;
}

QImage tinted(const QImage& layer, const QColor& colour) {
    QImage out = layer;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), colour);
    return out;
}

// The coloured tile with its white glyph, in a 36 x 36 design space scaled to `size` pixels.
void drawIconTile(QPainter& p, int size, const QColor& colour, const QColor& dark, GlyphPainter paintGlyph) {
    p.save();
    p.scale(size / 36.0, size / 36.0);
    const QRectF tile(3, 2.5, 30, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(tile.translated(0, 1.5).adjusted(-0.5, -0.5, 0.5, 0.5), 8, 8);
    p.setBrush(verticalGradient(tile, colour.lighter(115), dark));
    p.setPen(QPen(dark.darker(118), 1));
    p.drawRoundedRect(tile, 7.5, 7.5);
    QPainterPath shine;
    shine.addRoundedRect(tile.adjusted(1.5, 1.5, -1.5, -16), 6, 6);
    p.setPen(Qt::NoPen);
    p.fillPath(shine, verticalGradient(shine.boundingRect(), QColor(255, 255, 255, 70), QColor(255, 255, 255, 0)));
    p.restore();
    const QImage glyph = glyphLayer(size, paintGlyph);
    p.drawImage(QPointF(0, 0.7 * size / 36.0), tinted(glyph, QColor(0, 0, 0, 45)));
    p.drawImage(QPointF(0, 0), glyph);
}

void homeGlyph(QPainter& p) {
    p.drawRect(QRectF(12.5, 17, 11, 9.5));
    p.setPen(roundPen(Qt::white, 2.6));
    p.drawPolyline(QPolygonF{{9.5, 18.5}, {18, 10.5}, {26.5, 18.5}});
    cutHoles(p);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(16.3, 20.2, 3.4, 6.5), 1, 1);  // the door
}

void drawPerson(QPainter& p, QPointF head, double scale) {
    p.drawEllipse(head, 3.5 * scale, 3.5 * scale);
    p.drawRoundedRect(QRectF(head.x() - 6.5 * scale, head.y() + 4.6 * scale, 13 * scale, 11 * scale), 6 * scale,
                      6 * scale);
}

void peopleGlyph(QPainter& p) {
    p.setClipRect(QRectF(6, 6, 24, 20.5));
    drawPerson(p, {22.5, 12.0}, 0.85);
    // The front person stands clear of the back one by a thin gap.
    cutHoles(p);
    p.setPen(roundPen(Qt::white, 2.4));
    drawPerson(p, {15, 13.5}, 1.0);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(Qt::NoPen);
    drawPerson(p, {15, 13.5}, 1.0);
}

void envelopeGlyph(QPainter& p) {
    p.drawRoundedRect(QRectF(9, 11.5, 18, 13.5), 1.6, 1.6);
    cutHoles(p);
    p.setPen(roundPen(Qt::white, 1.7));
    p.drawPolyline(QPolygonF{{10, 12.8}, {18, 19.2}, {26, 12.8}});  // the flap
}

void bugGlyph(QPainter& p) {
    p.drawEllipse(QRectF(13, 13.2, 10, 13));
    p.drawEllipse(QRectF(14.8, 9.2, 6.4, 5.4));
    p.setPen(roundPen(Qt::white, 1.5));
    for (double y : {16.0, 19.5, 23.0}) {
        const double spread = (y - 19.5) * 0.6;
        p.drawLine(QPointF(13.2, y), QPointF(9.6, y + spread));
        p.drawLine(QPointF(22.8, y), QPointF(26.4, y + spread));
    }
    p.drawLine(QPointF(16.4, 9.8), QPointF(14.6, 7.4));  // feelers
    p.drawLine(QPointF(19.6, 9.8), QPointF(21.4, 7.4));
    cutHoles(p);
    p.setPen(roundPen(Qt::white, 1.1, Qt::FlatCap));
    p.drawLine(QPointF(18, 15.5), QPointF(18, 26));  // where the wings meet
}

void bookGlyph(QPainter& p) {
    QPainterPath book;
    book.moveTo(18, 12.2);
    book.cubicTo(15, 10.4, 11.5, 10.2, 8.5, 11.2);
    book.lineTo(8.5, 25.2);
    book.cubicTo(11.5, 24.2, 15, 24.6, 18, 26.2);
    book.cubicTo(21, 24.6, 24.5, 24.2, 27.5, 25.2);
    book.lineTo(27.5, 11.2);
    book.cubicTo(24.5, 10.2, 21, 10.4, 18, 12.2);
    book.closeSubpath();
    p.drawPath(book);
    cutHoles(p);
    p.setPen(roundPen(Qt::white, 1.0, Qt::FlatCap));
    p.drawLine(QPointF(18, 12.8), QPointF(18, 25.4));  // the spine
    for (double y : {15.0, 18.0, 21.0}) {              // lines of text on both pages
        p.drawLine(QPointF(11, y - 0.2), QPointF(15.6, y + 0.4));
        p.drawLine(QPointF(20.4, y + 0.4), QPointF(25, y - 0.2));
    }
}

QImage navIcon(int size, const QColor& colour, const QColor& dark, GlyphPainter paintGlyph) {
    QImage image = blankCanvas(size, size);
    QPainter p(&image);
    prepare(p);
    drawIconTile(p, size, colour, dark, paintGlyph);
    return image;
}

// The program icon: a portrait bust in a blue rounded frame, in a 16 x 16 design space.
QImage programIcon(int size) {
    QImage image = blankCanvas(size, size);
    QPainter p(&image);
    prepare(p);
    p.scale(size / 16.0, size / 16.0);
    const QRectF tile(0.5, 0.5, 15, 15);
    p.setBrush(verticalGradient(tile, QColor(0x5C, 0xB4, 0xEE), accentDark));
    p.setPen(QPen(accentDark.darker(125), 1.0));
    p.drawRoundedRect(tile, 3.5, 3.5);
    QImage bust = blankCanvas(size, size);  // the shoulders are cut off by the frame
    {
        QPainter b(&bust);
        prepare(b);
        b.scale(size / 16.0, size / 16.0);
        b.setPen(Qt::NoPen);
        b.setBrush(Qt::white);
        b.drawEllipse(QPointF(8, 6.4), 2.9, 2.9);
        b.drawEllipse(QRectF(2.8, 10.0, 10.4, 9.0));
        b.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        b.setBrush(Qt::black);
        b.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
    p.resetTransform();
    p.drawImage(0, 0, bust);
    p.scale(size / 16.0, size / 16.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x7A, 0x9A));  // a small heart: the avatar one likes
    QPainterPath heart;
    heart.moveTo(12.6, 5.9);
    heart.cubicTo(10.6, 4.5, 11.0, 2.4, 12.6, 3.3);
    heart.cubicTo(14.2, 2.4, 14.6, 4.5, 12.6, 5.9);
    p.drawPath(heart);
    return image;
}

QPainterPath textPath(const QString& text, int pixelSize, bool bold, QPointF baseline) {
    QFont font("WenQuanYi Zen Hei");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    QPainterPath path;
    path.addText(baseline, font, text);
    return path;
}

constexpr int kBannerFrames = 16;

// The feedback banner: a bug tile, the invitation, and a round arrow that nudges to the right;
// a soft light sweeps over it in the first half of the loop.
QImage bannerFrame(int frame) {
    QImage image(287, 55, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    prepare(p);
    const QRectF all(0, 0, 287, 55);
    p.fillRect(all, verticalGradient(all, QColor(0xF4, 0xFA, 0xFF), QColor(0xDD, 0xEE, 0xFC)));
    p.setPen(QPen(accentLight, 1));
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    p.save();
    p.translate(8, 9.5);
    drawIconTile(p, 36, red, redDark, bugGlyph);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(accentDark);
    p.drawPath(textPath(QString::fromUtf8("提交BUG · 意见建议"), 17, true, {52, 26}));
    p.setBrush(inkSoft.darker(115));
    p.drawPath(textPath(QString::fromUtf8("您的每一条反馈，都让我们做得更好"), 11, false, {53, 44}));
    const double phase = 2 * std::numbers::pi * frame / kBannerFrames;
    const QPointF arrowCentre(264 + 2.0 * std::sin(phase), 27.5);
    p.setBrush(verticalGradient(QRectF(arrowCentre - QPointF(10, 10), QSizeF(20, 20)), accent.lighter(112), accentDark));
    p.drawEllipse(arrowCentre, 10, 10);
    QPainterPath chevron;
    chevron.moveTo(arrowCentre + QPointF(-2.2, -4.6));
    chevron.lineTo(arrowCentre + QPointF(2.6, 0));
    chevron.lineTo(arrowCentre + QPointF(-2.2, 4.6));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chevron);
    if (frame < kBannerFrames / 2) {  // the sweeping light, slanted
        const double x = -40 + frame * 370.0 / (kBannerFrames / 2 - 1);
        QLinearGradient light(x - 24, 0, x + 24, 12);
        light.setColorAt(0, QColor(255, 255, 255, 0));
        light.setColorAt(0.5, QColor(255, 255, 255, 150));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(all.adjusted(1, 1, -1, -1), light);
    }
    return image;
}

}  // namespace

void drawAppPictures(const PictureWriter& out) {
    out.png(navIcon(36, accent, accentDark, homeGlyph), "app/nav_home.png");
    out.png(navIcon(36, teal, tealDark, peopleGlyph), "app/nav_about.png");
    out.png(navIcon(256, orange, orangeDark, envelopeGlyph), "app/nav_contact.png");
    out.png(navIcon(36, red, redDark, bugGlyph), "app/nav_bug.png");
    out.png(navIcon(36, purple, purpleDark, bookGlyph), "app/nav_usage.png");
    out.png(programIcon(16), "app/icon.png");
    out.png(programIcon(256), "app/icon_256.png");
    for (int frame = 0; frame < kBannerFrames; ++frame) out.frame(bannerFrame(frame), "banner", frame);
}

}  // namespace pindora::art
