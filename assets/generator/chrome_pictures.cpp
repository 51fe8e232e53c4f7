// skin_button/*, nav/* and grip.png: the pieces of chrome that sit on the skin background.

#include "palette.h"
#include "pictures.h"

namespace pindora::art {
namespace {

// A painter's palette: a white disc with a thumb notch and four paint dots.
QImage skinButtonIcon() {
    QImage image = blankCanvas(14, 14);
    QPainter p(&image);
    prepare(p);
    QPainterPath palette;
    palette.addEllipse(QRectF(1, 1, 12, 12));
    QPainterPath notch;
    notch.addEllipse(QRectF(7.6, 7.8, 3.6, 3.4));
    palette = palette.subtracted(notch);
    p.setPen(QPen(QColor(0, 0, 0, 70), 2.0));
    p.drawPath(palette.translated(0, 0.5));
    p.setPen(QPen(QColor(0x2A, 0x34, 0x40, 170), 0.8));
    p.setBrush(verticalGradient(QRectF(1, 1, 12, 12), Qt::white, QColor(0xE6, 0xEA, 0xEF)));
    p.drawPath(palette);
    p.setPen(Qt::NoPen);
    const std::pair<QPointF, QColor> dots[] = {
        {{4.4, 5.0}, red}, {{7.3, 3.6}, QColor(0xF4, 0xC0, 0x2A)}, {{10.1, 5.0}, green}, {{4.6, 8.5}, accent}};
    for (const auto& [at, colour] : dots) {
        p.setBrush(colour);
        p.drawEllipse(at, 1.45, 1.45);
    }
    return image;
}

// The frame behind the icon: a translucent rounded button with a small drop arrow.
QImage skinButtonFrame(bool pressed) {
    QImage image = blankCanvas(28, 22);
    QPainter p(&image);
    prepare(p);
    const QRectF box(0.5, 0.5, 27, 21);
    if (pressed) {
        p.setBrush(QColor(0, 0, 0, 60));
        p.setPen(QPen(QColor(0, 0, 0, 70), 1));
    } else {
        p.setBrush(verticalGradient(box, QColor(255, 255, 255, 90), QColor(255, 255, 255, 45)));
        p.setPen(QPen(QColor(0, 0, 0, 40), 1));  // reads on light skins too
    }
    p.drawRoundedRect(box, 4, 4);
    if (!pressed) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1));
        p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 3, 3);
    }
    // The icon covers (7, 4)-(21, 18); a small arrow below-right says that it drops down.
    QPainterPath arrow;
    arrow.moveTo(22.5, 16.0);
    arrow.lineTo(26.0, 16.0);
    arrow.lineTo(24.25, 18.2);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 0, 80), 1.2));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return image;
}

QImage navTile(bool selected) {
    QImage image = blankCanvas(76, 71);
    QPainter p(&image);
    prepare(p);
    const QRectF box(0.5, 0.5, 75, 70);
    // A faint dark rim keeps the tile visible on light skins.
    p.setPen(QPen(QColor(0, 0, 0, selected ? 45 : 30), 1));
    p.setBrush(verticalGradient(box, QColor(255, 255, 255, selected ? 120 : 70),
                                QColor(255, 255, 255, selected ? 70 : 30)));
    p.drawRoundedRect(box, 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, selected ? 190 : 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 5, 5);
    if (selected) {  // a glossy upper half
        QPainterPath gloss;
        gloss.addRoundedRect(box.adjusted(2, 2, -2, -36), 4, 4);
        p.fillPath(gloss, verticalGradient(gloss.boundingRect(), QColor(255, 255, 255, 70),
                                           QColor(255, 255, 255, 0)));
    }
    return image;
}

// Six dots in a triangle, each white over a dark shadow so that they read on any ground.
QImage grip() {
    QImage image = blankCanvas(9, 8);
    QPainter p(&image);
    const QPoint dots[] = {{6, 0}, {3, 3}, {6, 3}, {0, 6}, {3, 6}, {6, 6}};
    for (const QPoint& d : dots) p.fillRect(QRect(d + QPoint(1, 1), QSize(2, 2)), QColor(0, 0, 0, 110));
    for (const QPoint& d : dots) p.fillRect(QRect(d, QSize(2, 2)), QColor(255, 255, 255, 235));
    return image;
}

}  // namespace

void drawChromePictures(const PictureWriter& out) {
    out.png(skinButtonIcon(), "skin_button/icon.png");
    out.png(skinButtonFrame(false), "skin_button/hover.png");
    out.png(skinButtonFrame(true), "skin_button/pressed.png");
    out.png(navTile(false), "nav/hover.png");
    out.png(navTile(true), "nav/selected.png");
    out.png(grip(), "grip.png");
}

}  // namespace pindora::art
