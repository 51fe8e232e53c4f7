// msgbox/*: the skinned message box. Round icons with a white glyph on the light panel, the
// close button of its title strip, and the backgrounds of its buttons.

#include <QFont>

#include "palette.h"
#include "pictures.h"

namespace pindora::art {
namespace {

QPainterPath strokeAsShape(const QPainterPath& path, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path);
}

QPainterPath centredText(const QString& text, const QPointF& centre, int pixelSize) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    return path.translated(centre - box.center());
}

// A badge (circle or triangle) in a gradient of `colour`, with a soft shadow and a white glyph.
QImage messageIcon(const QPainterPath& badge, const QColor& colour, const QColor& dark, const QPainterPath& glyph) {
    QImage image = blankCanvas(40, 40);
    QPainter p(&image);
    prepare(p);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(0x20, 0x30, 0x50, 18 - i * 5));
        p.drawPath(strokeAsShape(badge, 1.0 + i * 1.6).united(badge).translated(0, 1.5));
    }
    const QRectF box = badge.boundingRect();
    p.setBrush(verticalGradient(box, colour.lighter(118), dark));
    p.setPen(QPen(dark.darker(115), 1));
    p.drawPath(badge);
    QPainterPath shine;  // a soft highlight over the upper half
    shine.addEllipse(QRectF(box.left() + 5, box.top() + 1.5, box.width() - 10, box.height() * 0.45));
    p.setPen(Qt::NoPen);
    p.fillPath(shine.intersected(badge), verticalGradient(shine.boundingRect(), QColor(255, 255, 255, 80),
                                                          QColor(255, 255, 255, 0)));
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPath(glyph.translated(0, 0.8));
    p.setBrush(Qt::white);
    p.drawPath(glyph);
    return image;
}

QPainterPath circleBadge() {
    QPainterPath path;
    path.addEllipse(QPointF(20, 19), 16, 16);
    return path;
}

QPainterPath triangleBadge() {
    QPainterPath corners;
    corners.moveTo(20, 5);
    corners.lineTo(36, 33);
    corners.lineTo(4, 33);
    corners.closeSubpath();
    return strokeAsShape(corners, 4).united(corners);  // rounded corners
}

QPainterPath informationGlyph() {
    QPainterPath glyph;
    glyph.addEllipse(QPointF(20, 11.8), 2.4, 2.4);
    glyph.addRoundedRect(QRectF(17.9, 16, 4.2, 12.5), 1.6, 1.6);
    return glyph;
}

QPainterPath successGlyph() {
    QPainterPath tick;
    tick.moveTo(12.5, 19.5);
    tick.lineTo(17.8, 24.6);
    tick.lineTo(27.5, 13.8);
    return strokeAsShape(tick, 4.0);
}

QPainterPath warningGlyph() {
    QPainterPath glyph;
    glyph.addRoundedRect(QRectF(18.1, 13, 3.8, 11.5), 1.6, 1.6);
    glyph.addEllipse(QPointF(20, 28.4), 2.1, 2.1);
    return glyph;
}

QPainterPath errorGlyph() {
    QPainterPath cross;
    cross.moveTo(14.5, 13.5);
    cross.lineTo(25.5, 24.5);
    cross.moveTo(25.5, 13.5);
    cross.lineTo(14.5, 24.5);
    return strokeAsShape(cross, 4.0);
}

QPainterPath questionGlyph() { return centredText("?", QPointF(20, 19), 22); }

enum class Look { normal, hover, pressed, defaultLook };

QImage closeButton(Look look) {
    QImage image = blankCanvas(40, 19);
    QPainter p(&image);
    prepare(p);
    if (look != Look::normal) {
        const QRectF box(0.5, -4.5, 39, 23);
        p.setBrush(look == Look::hover ? verticalGradient(box, QColor(0xEC, 0x5C, 0x5C), QColor(0xCE, 0x3B, 0x3B))
                                       : verticalGradient(box, QColor(0xB0, 0x2C, 0x2C), QColor(0xA0, 0x24, 0x24)));
        p.setPen(QPen(QColor(0x80, 0x10, 0x10, 110), 1));
        p.drawRoundedRect(box, 3.5, 3.5);
    }
    QPainterPath cross;
    const double c = 20, m = look == Look::pressed ? 10.5 : 9.5, r = 4.0;
    cross.moveTo(c - r, m - r);
    cross.lineTo(c + r, m + r);
    cross.moveTo(c + r, m - r);
    cross.lineTo(c - r, m + r);
    strokeOnSkin(p, cross, 1.6);
    return image;
}

QImage buttonBackground(Look look) {
    QImage image = blankCanvas(69, 21);
    QPainter p(&image);
    prepare(p);
    const QRectF box(0.5, 0.5, 68, 20);
    struct Style { QColor top, bottom, border; };
    const Style style = look == Look::normal  ? Style{Qt::white, QColor(0xEC, 0xEF, 0xF3), QColor(0xAE, 0xB8, 0xC4)}
                        : look == Look::hover ? Style{QColor(0xF5, 0xFA, 0xFF), QColor(0xD6, 0xEA, 0xFB), QColor(0x5E, 0xA6, 0xE2)}
                        : look == Look::pressed ? Style{QColor(0xC4, 0xDD, 0xF4), QColor(0xD8, 0xE9, 0xF8), accentDark}
                                                : Style{QColor(0xEA, 0xF4, 0xFE), QColor(0xCE, 0xE5, 0xFA), accent};
    p.setBrush(verticalGradient(box, style.top, style.bottom));
    p.setPen(QPen(style.border, 1));
    p.drawRoundedRect(box, 3, 3);
    p.setBrush(Qt::NoBrush);
    if (look == Look::pressed) {  // an inner shadow along the top
        p.setPen(QPen(QColor(0, 0x30, 0x70, 40), 1));
        p.drawLine(QPointF(3, 1.5), QPointF(66, 1.5));
    } else {  // an inner highlight
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 2, 2);
    }
    if (look == Look::defaultLook) {  // the default button's border is doubled
        p.setPen(QPen(withAlpha(accent, 90), 1));
        p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 2, 2);
    }
    return image;
}

}  // namespace

void drawMessageBoxPictures(const PictureWriter& out) {
    out.png(messageIcon(circleBadge(), accent, accentDark, informationGlyph()), "msgbox/icon_information.png");
    out.png(messageIcon(circleBadge(), green, greenDark, successGlyph()), "msgbox/icon_success.png");
    out.png(messageIcon(triangleBadge(), orange, orangeDark, warningGlyph()), "msgbox/icon_warning.png");
    out.png(messageIcon(circleBadge(), red, redDark, errorGlyph()), "msgbox/icon_error.png");
    out.png(messageIcon(circleBadge(), accent, accentDark, questionGlyph()), "msgbox/icon_question.png");
    out.png(closeButton(Look::normal), "msgbox/close_normal.png");
    out.png(closeButton(Look::hover), "msgbox/close_hover.png");
    out.png(closeButton(Look::pressed), "msgbox/close_pressed.png");
    out.png(buttonBackground(Look::normal), "msgbox/button_normal.png");
    out.png(buttonBackground(Look::hover), "msgbox/button_hover.png");
    out.png(buttonBackground(Look::pressed), "msgbox/button_pressed.png");
    out.png(buttonBackground(Look::defaultLook), "msgbox/button_default.png");
}

}  // namespace pindora::art
