// picker/*: the skin picker popup. A white panel with a soft shadow; two tabs at its top left
// (pictures and colours); thumbnails of the nine skins with hover and selected frames; the tick
// that marks a colour swatch.

#include "palette.h"
#include "pictures.h"

namespace pindora::art {
namespace {

QImage popupBackground() {
    QImage image = blankCanvas(218, 174);
    QPainter p(&image);
    prepare(p);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {  // the shadow: a few widening, fading rims
        p.setBrush(QColor(0, 0, 0, 16 - i * 4));
        p.drawRoundedRect(QRectF(2 - i, 3 - i, 214 + 2 * i, 170 + 2 * i), 4 + i, 4 + i);
    }
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2.5, 2.5, 213, 168), 3.5, 3.5);
    return image;
}

// Landscape: a framed picture with a sun and two hills.
void landscapeIcon(QPainter& p, const QColor& colour) {
    const QRectF frame(12.5, 8.5, 16, 13);
    p.setPen(QPen(colour, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(24.0, 12.6), 1.7, 1.7);
    QPainterPath hills;
    hills.moveTo(13.2, 20.8);
    hills.lineTo(18.2, 14.6);
    hills.lineTo(21.4, 18.0);
    hills.lineTo(23.2, 16.4);
    hills.lineTo(27.8, 20.8);
    hills.closeSubpath();
    p.drawPath(hills);
}

// Colours: three overlapping drops of paint.
void colourIcon(QPainter& p, bool vivid, const QColor& outline) {
    const std::pair<QPointF, QColor> drops[] = {
        {{17.4, 13.0}, red}, {{22.6, 13.0}, accent}, {{20.0, 17.6}, QColor(0xF4, 0xC0, 0x2A)}};
    for (const auto& [at, colour] : drops) {
        QColor c = colour;
        if (!vivid) c = QColor::fromHsvF(c.hsvHueF(), c.hsvSaturationF() * 0.35, 0.78);
        p.setPen(QPen(outline, 0.9));
        p.setBrush(withAlpha(c, 215));
        p.drawEllipse(at, 4.3, 4.3);
    }
}

enum class TabLook { normal, hover, selected };

// A tab's own picture: on the grey strip when not selected, bare on the white backing when selected.
QImage tab(int number, TabLook look) {
    QImage image = blankCanvas(40, 30);
    QPainter p(&image);
    prepare(p);
    const QRectF face(2, 3, 36, 26);
    if (look != TabLook::selected) {
        QPainterPath shape;
        shape.addRoundedRect(face.adjusted(0, 0, 0, 4), 3, 3);
        p.setClipRect(face);
        p.fillPath(shape, look == TabLook::hover ? accentPale : paperGrey);
        p.setClipping(false);
    }
    const QColor colour = look == TabLook::normal ? inkSoft : accent;
    if (number == 1) landscapeIcon(p, colour);
    else colourIcon(p, look != TabLook::normal, look == TabLook::normal ? inkSoft : accentDark);
    return image;
}

QImage selectedTabBacking() {
    QImage image = blankCanvas(40, 30);
    QPainter p(&image);
    prepare(p);
    // Open at the bottom, where the tab joins the panel below it.
    p.setClipRect(QRect(0, 0, 40, 29));
    p.setPen(QPen(line, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2.5, 3.5, 35, 40), 3, 3);
    p.setClipRect(QRect(0, 3, 40, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(2, 3, 36, 10), 3, 3);
    return image;
}

QImage panelBacking() {
    QImage image = blankCanvas(208, 133);
    QPainter p(&image);
    prepare(p);
    p.setPen(QPen(line, 1));
    p.setBrush(QColor(0xE9, 0xED, 0xF2));
    p.drawRoundedRect(QRectF(0.5, 0.5, 207, 132), 2, 2);
    return image;
}

// Thumbnail k: plain default blue for 1, otherwise the right part of background k, as the
// window shows it, scaled down.
QImage thumbnail(int k) {
    if (k == 1) {
        QImage image(68, 43, QImage::Format_ARGB32_Premultiplied);
        image.fill(skinBlue);
        return image;
    }
    const QImage picture = backgroundPicture(k);
    const QImage strip = picture.copy(840 - 316, 5, 316, 200);
    return strip.scaled(68, 43, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage thumbnailFrame(bool selected) {
    QImage image = blankCanvas(68, 43);
    QPainter p(&image);
    prepare(p);
    if (!selected) {
        p.setPen(QPen(accentLight, 2));
        p.drawRect(QRectF(1, 1, 66, 41));
        p.setPen(QPen(QColor(255, 255, 255, 170), 1));
        p.drawRect(QRectF(2.5, 2.5, 63, 38));
        return image;
    }
    p.setPen(QPen(accent, 2));
    p.drawRect(QRectF(1, 1, 66, 41));
    // A tick badge in the lower right corner.
    const QPointF centre(59.5, 34.5);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(accent);
    p.drawEllipse(centre, 6, 6);
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-3.0, 0.2));
    tick.lineTo(centre + QPointF(-0.9, 2.3));
    tick.lineTo(centre + QPointF(3.0, -1.9));
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return image;
}

// A white tick with a dark rim: readable on the darkest and the lightest swatch.
QImage swatchMark() {
    QImage image = blankCanvas(16, 17);
    QPainter p(&image);
    prepare(p);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 14, 15));
    QPainterPath tick;
    tick.moveTo(3.8, 8.6);
    tick.lineTo(6.6, 11.4);
    tick.lineTo(11.6, 5.2);
    p.setPen(QPen(QColor(0, 0, 0, 170), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return image;
}

}  // namespace

void drawPickerPictures(const PictureWriter& out) {
    out.png(popupBackground(), "picker/background.png");
    const std::pair<TabLook, const char*> looks[] = {
        {TabLook::normal, "normal"}, {TabLook::hover, "hover"}, {TabLook::selected, "selected"}};
    for (int number : {1, 2})
        for (const auto& [look, suffix] : looks)
            out.png(tab(number, look), QStringLiteral("picker/tab%1_%2.png").arg(number).arg(suffix));
    out.png(selectedTabBacking(), "picker/tab_selected_backing.png");
    out.png(panelBacking(), "picker/panel.png");
    for (int k = 1; k <= 9; ++k) out.png(thumbnail(k), QStringLiteral("picker/thumb%1.png").arg(k));
    out.png(thumbnailFrame(false), "picker/thumb_hover.png");
    out.png(thumbnailFrame(true), "picker/thumb_selected.png");
    out.png(swatchMark(), "picker/swatch_mark.png");
}

}  // namespace pindora::art
