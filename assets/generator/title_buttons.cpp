// title/*: the title-bar buttons. White glyphs with a soft dark halo sit on any skin; hover and
// pressed add a translucent backing that hangs from the top edge (red for close).

#include <functional>

#include "palette.h"
#include "pictures.h"

namespace pindora::art {
namespace {

constexpr int kHeight = 19;

enum class Look { normal, hover, pressed };

using Glyph = std::function<void(QPainter&)>;

void drawBacking(QPainter& p, int width, Look look, bool danger) {
    if (look == Look::normal) return;
    // Rounded at the bottom only: the top corners lie above the picture.
    const QRectF box(0.5, -4.5, width - 1.0, kHeight + 4.0);
    p.save();
    if (danger) {
        const QColor top = look == Look::hover ? QColor(0xEC, 0x5C, 0x5C) : QColor(0xC2, 0x36, 0x36);
        const QColor bottom = look == Look::hover ? QColor(0xCE, 0x3B, 0x3B) : QColor(0xA8, 0x28, 0x28);
        p.setBrush(verticalGradient(box, top, bottom));
        p.setPen(QPen(QColor(0x80, 0x10, 0x10, 110), 1));
    } else if (look == Look::hover) {
        // A faint dark rim outside the white one keeps the backing visible on light skins.
        p.setBrush(verticalGradient(box, QColor(255, 255, 255, 40), QColor(255, 255, 255, 85)));
        p.setPen(QPen(QColor(0, 0, 0, 40), 1));
        p.drawRoundedRect(box, 3.5, 3.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 120), 1));
        p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 2.5, 2.5);
        p.restore();
        return;
    } else {
        p.setBrush(QColor(0, 0, 0, 60));
        p.setPen(QPen(QColor(255, 255, 255, 45), 1));  // a light rim for dark skins
    }
    p.drawRoundedRect(box, 3.5, 3.5);
    p.restore();
}

QImage button(int width, Look look, bool danger, const Glyph& glyph) {
    QImage image = blankCanvas(width, kHeight);
    QPainter p(&image);
    prepare(p);
    drawBacking(p, width, look, danger);
    if (look == Look::pressed) p.translate(0, 1);  // the glyph sinks a little when pressed
    glyph(p);
    return image;
}

void closeGlyph(QPainter& p, double centreX) {
    QPainterPath path;
    const double c = centreX, m = 9.5, r = 4.0;
    path.moveTo(c - r, m - r);
    path.lineTo(c + r, m + r);
    path.moveTo(c + r, m - r);
    path.lineTo(c - r, m + r);
    strokeOnSkin(p, path, 1.6);
}

void squareGlyph(QPainter& p) {
    QPainterPath path;
    path.addRect(QRectF(9.5, 5.5, 8, 8));
    path.moveTo(9.5, 6.5);
    path.lineTo(17.5, 6.5);
    strokeOnSkin(p, path, 1.0);
}

void restoreGlyph(QPainter& p) {
    QPainterPath path;
    path.moveTo(11.5, 7.0);  // the back window, behind the front one
    path.lineTo(11.5, 4.5);
    path.lineTo(18.5, 4.5);
    path.lineTo(18.5, 11.5);
    path.lineTo(16.0, 11.5);
    path.moveTo(11.5, 5.5);
    path.lineTo(18.5, 5.5);
    path.addRect(QRectF(8.5, 7.5, 7, 7));
    path.moveTo(8.5, 8.5);
    path.lineTo(15.5, 8.5);
    strokeOnSkin(p, path, 1.0);
}

void minimizeGlyph(QPainter& p) {
    QPainterPath path;
    path.moveTo(9.5, 12.5);
    path.lineTo(17.5, 12.5);
    strokeOnSkin(p, path, 2.0);
}

// Fills a shape white with the same halo the strokes have.
void fillOnSkin(QPainter& p, const QPainterPath& shape) {
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 60), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape.translated(0, 0.6));
    p.setPen(QPen(QColor(0x30, 0x38, 0x40, 190), 0.9));
    p.setBrush(Qt::white);
    p.drawPath(shape);
    p.restore();
}

void tipGlyph(QPainter& p) {
    QPainterPath window;
    window.addRect(QRectF(6.5, 4.5, 11, 8));
    window.moveTo(6.5, 5.5);
    window.lineTo(17.5, 5.5);
    strokeOnSkin(p, window, 1.0);
    // A pointer resting on the window's lower right corner.
    QPainterPath arrow;
    const QPointF tip(14.5, 8.0);
    const QPointF points[] = {{0, 0}, {0, 8.6}, {2.1, 6.6}, {3.5, 9.6}, {4.9, 9.0}, {3.5, 6.0}, {6.3, 6.0}};
    arrow.moveTo(tip + points[0]);
    for (const QPointF& point : points) arrow.lineTo(tip + point);
    arrow.closeSubpath();
    fillOnSkin(p, arrow);
}

void helpGlyph(QPainter& p) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(7.5, 4.5, 13, 9), 3, 3);
    QPainterPath tail;
    tail.moveTo(9.8, 12.5);
    tail.lineTo(9.3, 16.0);
    tail.lineTo(13.5, 12.5);
    strokeOnSkin(p, bubble.united(tail).simplified(), 1.2);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (double x : {11.0, 14.0, 17.0}) p.drawEllipse(QPointF(x, 9.0), 1.05, 1.05);
    p.restore();
}

}  // namespace

void drawTitleButtons(const PictureWriter& out) {
    struct Entry {
        const char* name;
        int width;
        bool danger;
        Glyph glyph;
    };
    const Entry entries[] = {
        {"close", 39, true, [](QPainter& p) { closeGlyph(p, 19.5); }},
        {"maximize", 27, false, squareGlyph},
        {"minimize", 27, false, minimizeGlyph},
        {"tip", 27, false, tipGlyph},
        {"help", 28, false, helpGlyph},
    };
    const std::pair<Look, const char*> looks[] = {
        {Look::normal, "normal"}, {Look::hover, "hover"}, {Look::pressed, "pressed"}};
    for (const Entry& e : entries)
        for (const auto& [look, suffix] : looks)
            out.png(button(e.width, look, e.danger, e.glyph),
                    QStringLiteral("title/%1_%2.png").arg(e.name, suffix));
    // The restore button shows its normal picture on hover.
    out.png(button(27, Look::normal, false, restoreGlyph), "title/restore_normal.png");
    out.png(button(27, Look::pressed, false, restoreGlyph), "title/restore_pressed.png");
}

}  // namespace pindora::art
