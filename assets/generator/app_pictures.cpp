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

QPainterPath outlineOf(const QPainterPath& path, qreal width, Qt::PenCapStyle cap = Qt::RoundCap) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path);
}

// The coloured tile with its white glyph, in a 36 x 36 design space.
void drawIconTile(QPainter& p, const QColor& colour, const QColor& dark, const QPainterPath& glyph) {
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
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawPath(glyph.translated(0, 0.7));
    p.setBrush(Qt::white);
    p.drawPath(glyph);
}

QPainterPath homeGlyph() {
    QPainterPath roof;
    roof.moveTo(9.5, 18.5);
    roof.lineTo(18, 10.5);
    roof.lineTo(26.5, 18.5);
    QPainterPath body;
    body.addRect(QRectF(12.5, 17, 11, 9.5));
    QPainterPath door;
    door.addRoundedRect(QRectF(16.3, 20.2, 3.4, 6.5), 1, 1);
    return outlineOf(roof, 2.6).united(body).subtracted(door);
}

QPainterPath peopleGlyph() {
    const auto person = [](QPointF head, double scale) {
        QPainterPath path;
        path.addEllipse(head, 3.5 * scale, 3.5 * scale);
        QPainterPath shoulders;
        shoulders.addRoundedRect(QRectF(head.x() - 6.5 * scale, head.y() + 4.6 * scale, 13 * scale, 11 * scale),
                                 6 * scale, 6 * scale);
        return path.united(shoulders);
    };
    QPainterPath front = person({15, 13.5}, 1.0);
    QPainterPath back = person({22.5, 12.0}, 0.85);
    QPainterPath clip;
    clip.addRect(QRectF(6, 6, 24, 20.5));
    // The front person stands clear of the back one by a thin gap.
    back = back.subtracted(outlineOf(front, 2.4).united(front));
    return front.united(back).intersected(clip);
}

QPainterPath envelopeGlyph() {
    QPainterPath body;
    body.addRoundedRect(QRectF(9, 11.5, 18, 13.5), 1.6, 1.6);
    QPainterPath flap;
    flap.moveTo(10, 12.8);
    flap.lineTo(18, 19.2);
    flap.lineTo(26, 12.8);
    return body.subtracted(outlineOf(flap, 1.7));
}

QPainterPath bugGlyph() {
    QPainterPath bug;
    bug.addEllipse(QRectF(13, 13.2, 10, 13));
    bug.addEllipse(QRectF(14.8, 9.2, 6.4, 5.4));
    QPainterPath legs;
    for (double y : {16.0, 19.5, 23.0}) {
        const double spread = (y - 19.5) * 0.6;
        legs.moveTo(13.2, y);
        legs.lineTo(9.6, y + spread);
        legs.moveTo(22.8, y);
        legs.lineTo(26.4, y + spread);
    }
    legs.moveTo(16.4, 9.8);
    legs.lineTo(14.6, 7.4);
    legs.moveTo(19.6, 9.8);
    legs.lineTo(21.4, 7.4);
    QPainterPath seam;
    seam.moveTo(18, 15.5);
    seam.lineTo(18, 26);
    return bug.united(outlineOf(legs, 1.5)).subtracted(outlineOf(seam, 1.1, Qt::FlatCap));
}

QPainterPath bookGlyph() {
    QPainterPath book;
    book.moveTo(18, 12.2);
    book.cubicTo(15, 10.4, 11.5, 10.2, 8.5, 11.2);
    book.lineTo(8.5, 25.2);
    book.cubicTo(11.5, 24.2, 15, 24.6, 18, 26.2);
    book.cubicTo(21, 24.6, 24.5, 24.2, 27.5, 25.2);
    book.lineTo(27.5, 11.2);
    book.cubicTo(24.5, 10.2, 21, 10.4, 18, 12.2);
    book.closeSubpath();
    QPainterPath lines;
    lines.moveTo(18, 12.8);
    lines.lineTo(18, 25.4);
    for (double y : {15.0, 18.0, 21.0}) {
        lines.moveTo(11, y - 0.2);
        lines.lineTo(15.6, y + 0.4);
        lines.moveTo(20.4, y + 0.4);
        lines.lineTo(25, y - 0.2);
    }
    return book.subtracted(outlineOf(lines, 1.0, Qt::FlatCap));
}

QImage navIcon(int size, const QColor& colour, const QColor& dark, const QPainterPath& glyph) {
    QImage image = blankCanvas(size, size);
    QPainter p(&image);
    prepare(p);
    p.scale(size / 36.0, size / 36.0);
    drawIconTile(p, colour, dark, glyph);
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
    QPainterPath clip;
    clip.addRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    QPainterPath bust;
    bust.addEllipse(QPointF(8, 6.4), 2.9, 2.9);
    bust.addEllipse(QRectF(2.8, 10.0, 10.4, 9.0));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(bust.intersected(clip));
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
    drawIconTile(p, red, redDark, bugGlyph());
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
        light.setColorAt(0.5, QColor(255, 255, 255, 95));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(all.adjusted(1, 1, -1, -1), light);
    }
    return image;
}

}  // namespace

void drawAppPictures(const PictureWriter& out) {
    out.png(navIcon(36, accent, accentDark, homeGlyph()), "app/nav_home.png");
    out.png(navIcon(36, teal, tealDark, peopleGlyph()), "app/nav_about.png");
    out.png(navIcon(256, orange, orangeDark, envelopeGlyph()), "app/nav_contact.png");
    out.png(navIcon(36, red, redDark, bugGlyph()), "app/nav_bug.png");
    out.png(navIcon(36, purple, purpleDark, bookGlyph()), "app/nav_usage.png");
    out.png(programIcon(16), "app/icon.png");
    out.png(programIcon(256), "app/icon_256.png");
    for (int frame = 0; frame < kBannerFrames; ++frame) out.frame(bannerFrame(frame), "banner", frame);
}

}  // namespace pindora::art
