// backgrounds/2.png .. 9.png: the eight skin pictures, 840 x 205.
//
// The window shows rows 5..204 right-aligned and fills everything else with pixel (1, 204), which
// also decides the text tone: pictures 3 and 6 are light (black text), the others dark (white
// text). Pictures 2 to 6 are scenes whose left edge is plain sky, so that stretching the first
// column sideways looks right; 7 to 9 are patterns that repeat every 50 columns. The lower part
// of every picture fades into the fill colour, which continues below it.

#include <cmath>
#include <numbers>

#include "palette.h"
#include "pictures.h"

namespace pindora::art {
namespace {

constexpr int kWidth = 840;
constexpr int kHeight = 205;
constexpr double kTau = 2 * std::numbers::pi;

// A small deterministic generator for stars, petals and the like.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed) {}
    double next() {  // in [0, 1)
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / double(1 << 24);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t state_;
};

void fillSky(QPainter& p, std::initializer_list<std::pair<double, QColor>> stops) {
    QLinearGradient sky(0, 0, 0, kHeight);
    for (const auto& [at, colour] : stops) sky.setColorAt(at, colour);
    p.fillRect(QRect(0, 0, kWidth, kHeight), sky);
}

// Lets the bottom rows melt into the colour that fills the window below the picture.
void fadeIntoFill(QPainter& p, const QColor& fill, int from = 120) {
    QLinearGradient fade(0, from, 0, kHeight - 8);
    fade.setColorAt(0, withAlpha(fill, 0));
    fade.setColorAt(1, fill);
    p.fillRect(QRect(0, from, kWidth, kHeight - from), fade);
}

void glow(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    g.setColorAt(1, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// A ridge line from x0 to the right edge: sums of sines, filled down to the bottom.
QPainterPath ridge(double x0, double base, std::initializer_list<std::array<double, 3>> waves) {
    QPainterPath path;
    path.moveTo(x0, kHeight);
    for (double x = x0; x <= kWidth + 1; x += 2) {
        // The ridge climbs gently out of the bottom edge over its first 200 columns.
        const double t = std::min(1.0, (x - x0) / 200.0);
        const double rise = t * t * (3 - 2 * t);
        double y = 0;
        for (const auto& [amplitude, period, phase] : waves) y += amplitude * std::sin(kTau * x / period + phase);
        path.lineTo(x, kHeight - rise * (kHeight - base + 30 + y));
    }
    path.lineTo(kWidth + 1, kHeight);
    path.closeSubpath();
    return path;
}

void nightMountains(QPainter& p) {
    const QColor fill(0x1C, 0x26, 0x42);
    fillSky(p, {{0, QColor(0x14, 0x1E, 0x3A)}, {0.55, QColor(0x2C, 0x3E, 0x70)}, {1, QColor(0x3A, 0x4C, 0x7E)}});
    Scatter s(2);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const QPointF at(s.between(260, kWidth), s.between(6, 95));
        const double r = s.between(0.35, 1.0);
        p.setBrush(QColor(255, 255, 255, int(s.between(90, 230))));
        p.drawEllipse(at, r, r);
    }
    glow(p, {752, 38}, 46, QColor(0xC8, 0xD8, 0xFF, 90));
    QPainterPath moon, shade;  // a crescent
    moon.addEllipse(QPointF(752, 38), 14, 14);
    shade.addEllipse(QPointF(759, 33), 12, 12);
    p.setBrush(QColor(0xF4, 0xF1, 0xDE));
    p.drawPath(moon.subtracted(shade));
    p.setBrush(QColor(0x34, 0x47, 0x7A));
    p.drawPath(ridge(330, 92, {{18, 230, 0.4}, {9, 97, 1.3}, {4, 41, 2.0}}));
    p.setBrush(QColor(0x26, 0x35, 0x5E));
    p.drawPath(ridge(420, 112, {{16, 180, 2.2}, {8, 71, 0.3}, {3, 29, 1.1}}));
    p.setBrush(QColor(0x1A, 0x24, 0x40));
    p.drawPath(ridge(520, 132, {{12, 150, 4.0}, {6, 53, 2.6}, {2, 23, 0.7}}));
    fadeIntoFill(p, fill, 135);
}

void morningMeadow(QPainter& p) {
    const QColor fill(0xE2, 0xF2, 0xE8);
    fillSky(p, {{0, QColor(0xA9, 0xD8, 0xF3)}, {0.5, QColor(0xD6, 0xEE, 0xFA)}, {1, QColor(0xEC, 0xF7, 0xF4)}});
    glow(p, {690, 34}, 120, QColor(255, 250, 220, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF4, 0xC4));
    p.drawEllipse(QPointF(690, 34), 15, 15);
    const auto cloud = [&p](double x, double y, double w) {
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QRectF(x, y, w, w * 0.32));
        p.drawEllipse(QRectF(x + w * 0.18, y - w * 0.16, w * 0.42, w * 0.38));
        p.drawEllipse(QRectF(x + w * 0.45, y - w * 0.1, w * 0.34, w * 0.3));
    };
    cloud(430, 44, 90);
    cloud(560, 20, 70);
    cloud(760, 58, 64);
    p.setBrush(QColor(0xB8, 0xE0, 0xAE));
    p.drawPath(ridge(360, 118, {{12, 300, 0.5}, {5, 120, 2.0}}));
    p.setBrush(QColor(0x98, 0xD1, 0x90));
    p.drawPath(ridge(470, 134, {{10, 240, 3.0}, {4, 90, 1.0}}));
    fadeIntoFill(p, fill, 140);
}

void sunsetSea(QPainter& p) {
    const QColor fill(0x24, 0x1C, 0x40);
    // The horizon lies just above the content panel, so that the setting sun shows.
    const double horizon = 103;
    const double h = horizon / kHeight;
    fillSky(p, {{0, QColor(0x2A, 0x1E, 0x52)}, {h * 0.55, QColor(0x66, 0x2C, 0x6C)}, {h * 0.9, QColor(0xA8, 0x40, 0x68)},
                {h, QColor(0xC8, 0x58, 0x60)}, {h + 0.004, QColor(0x46, 0x30, 0x62)}, {1, fill}});
    glow(p, {712, horizon - 16}, 110, QColor(255, 170, 110, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xC8, 0x7C));
    p.save();
    p.setClipRect(QRectF(0, 0, kWidth, horizon));
    p.drawEllipse(QPointF(712, horizon - 4), 22, 22);
    p.restore();
    Scatter s(4);
    for (int i = 0; i < 26; ++i) {  // the sun's reflection, broken by the waves
        const double y = horizon + 3 + i * 2.4;
        const double half = 34 - i * 0.9 + s.between(-6, 6);
        p.setBrush(QColor(255, 190, 120, std::max(0, 150 - i * 6)));
        p.drawRoundedRect(QRectF(712 - half + s.between(-5, 5), y, 2 * half, 1.2), 0.6, 0.6);
    }
    for (int i = 0; i < 3; ++i) {  // gulls
        const QPointF at(560 + i * 28, 40 + i * 11);
        QPainterPath gull;
        gull.moveTo(at + QPointF(-5, 0));
        gull.quadTo(at + QPointF(-2.5, -3), at);
        gull.quadTo(at + QPointF(2.5, -3), at + QPointF(5, 0));
        p.setPen(QPen(QColor(40, 20, 50, 160), 1.2));
        p.drawPath(gull);
    }
}

void pine(QPainter& p, double x, double baseY, double height, const QColor& colour) {
    QPainterPath tree;
    const double w = height * 0.42;
    for (int tier = 0; tier < 3; ++tier) {
        const double top = baseY - height + tier * height * 0.24;
        const double bottom = top + height * 0.46;
        const double half = w * (0.55 + tier * 0.22);
        tree.moveTo(x, top);
        tree.lineTo(x + half, bottom);
        tree.lineTo(x - half, bottom);
        tree.closeSubpath();
    }
    tree.addRect(QRectF(x - height * 0.03, baseY - height * 0.2, height * 0.06, height * 0.22));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(tree.simplified());
}

void pineForest(QPainter& p) {
    const QColor fill(0x17, 0x3A, 0x2D);
    fillSky(p, {{0, QColor(0x1A, 0x45, 0x3A)}, {0.6, QColor(0x3B, 0x7A, 0x62)}, {1, QColor(0x4F, 0x8C, 0x70)}});
    glow(p, {640, 60}, 160, QColor(0xE8, 0xF5, 0xD0, 80));
    Scatter s(5);
    for (int layer = 0; layer < 3; ++layer) {
        const QColor colour = layer == 0 ? QColor(0x3E, 0x76, 0x5C) : layer == 1 ? QColor(0x2A, 0x5A, 0x45)
                                                                                : QColor(0x17, 0x3A, 0x2D);
        const double base = 120 + layer * 16;
        for (double x = 380 + layer * 30 + s.between(0, 20); x < kWidth + 30; x += s.between(22, 40) - layer * 3)
            pine(p, x, base, s.between(45, 80) + layer * 12 * std::min(1.0, (x - 380) / 200), colour);
        QLinearGradient mist(0, base - 30, 0, base + 14);  // mist between the rows of trees
        mist.setColorAt(0, QColor(0xE0, 0xF0, 0xE4, 0));
        mist.setColorAt(0.7, QColor(0xE0, 0xF0, 0xE4, 40));
        mist.setColorAt(1, QColor(0xE0, 0xF0, 0xE4, 0));
        p.fillRect(QRectF(0, base - 30, kWidth, 44), mist);
    }
    fadeIntoFill(p, fill, 145);
}

void blossom(QPainter& p, QPointF at, double r, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < 5; ++i) {
        const double a = kTau * i / 5 - std::numbers::pi / 2;
        p.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * r * 0.55, r * 0.52, r * 0.52);
    }
    p.setBrush(QColor(0xFF, 0xF4, 0xF8));
    p.drawEllipse(at, r * 0.28, r * 0.28);
    p.setBrush(QColor(0xE0, 0x5A, 0x88));
    p.drawEllipse(at, r * 0.12, r * 0.12);
}

void cherryBlossom(QPainter& p) {
    const QColor fill(0xF6, 0xE3, 0xEA);
    fillSky(p, {{0, QColor(0xF9, 0xD5, 0xE2)}, {0.55, QColor(0xFD, 0xEC, 0xF2)}, {1, QColor(0xFB, 0xF0, 0xF4)}});
    glow(p, {760, 20}, 170, QColor(255, 255, 255, 150));
    // A branch reaching in from the right, below the title-bar buttons.
    QPainterPath branch;
    branch.moveTo(850, 30);
    branch.cubicTo(780, 44, 700, 36, 600, 66);
    branch.moveTo(720, 41);
    branch.cubicTo(700, 60, 680, 78, 650, 94);
    branch.moveTo(790, 36);
    branch.cubicTo(785, 60, 770, 88, 752, 112);
    p.setPen(QPen(QColor(0x6E, 0x4A, 0x48), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(branch);
    Scatter s(6);
    const QColor pinks[] = {QColor(0xF4, 0x8F, 0xB1), QColor(0xF8, 0xB4, 0xCB), QColor(0xEC, 0x7A, 0xA2)};
    for (int i = 0; i < 34; ++i) {
        const double t = s.next();
        const QPointF at = branch.pointAtPercent(t) + QPointF(s.between(-10, 10), s.between(-8, 8));
        blossom(p, at, s.between(4.5, 7.5), pinks[i % 3]);
    }
    for (int i = 0; i < 40; ++i) {  // falling petals
        const QPointF at(s.between(300, kWidth), s.between(10, 125));
        p.save();
        p.translate(at);
        p.rotate(s.between(0, 180));
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(pinks[i % 3], int(s.between(120, 220))));
        p.drawEllipse(QRectF(-2.6, -1.5, 5.2, 3.0));
        p.restore();
    }
    fadeIntoFill(p, fill, 130);
}

// The patterns below repeat every 50 columns; only a soft light on the far right breaks that,
// well inside the picture.
void tealWaves(QPainter& p) {
    const QColor fill(0x0B, 0x3C, 0x48);
    fillSky(p, {{0, QColor(0x0C, 0x4A, 0x5A)}, {0.6, QColor(0x14, 0x74, 0x80)}, {1, fill}});
    for (int i = 0; i < 11; ++i) {
        QPainterPath wave;
        const double base = 10 + i * 11.5;
        for (int x = -2; x <= kWidth + 2; ++x) {
            const double y = base + 4.2 * std::sin(kTau * x / 50 + i * 0.7) + 1.6 * std::sin(kTau * x / 25 + i * 1.9);
            if (x == -2) wave.moveTo(x, y); else wave.lineTo(x, y);
        }
        p.setPen(QPen(QColor(255, 255, 255, 18 + (i % 3) * 10), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }
    glow(p, {760, 40}, 200, QColor(0x7F, 0xE8, 0xE0, 60));
    fadeIntoFill(p, fill, 140);
}

void indigoFacets(QPainter& p) {
    const QColor fill(0x22, 0x18, 0x4A);
    fillSky(p, {{0, QColor(0x2A, 0x1C, 0x5E)}, {0.6, QColor(0x4A, 0x2C, 0x80)}, {1, fill}});
    constexpr int cell = 25;  // two cells a period
    for (int row = 0; row * cell < kHeight; ++row)
        for (int col = 0; col * cell < kWidth; ++col) {
            const int phase = (col % 2) * 3 + row;  // repeats with the 50-column period
            const QPointF a(col * cell, row * cell), b(a.x() + cell, a.y()), c(a.x(), a.y() + cell),
                d(a.x() + cell, a.y() + cell);
            const bool flip = (row + col) % 2;
            QPolygonF upper, lower;
            if (flip) { upper << a << b << d; lower << a << d << c; }
            else { upper << a << b << c; lower << b << d << c; }
            const int shadeA = 6 + (phase * 7) % 22, shadeB = 4 + (phase * 11 + 5) % 20;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, shadeA));
            p.drawPolygon(upper);
            p.setBrush(QColor(0, 0, 0, shadeB));
            p.drawPolygon(lower);
        }
    glow(p, {730, 30}, 210, QColor(0xD0, 0x9C, 0xFF, 70));
    fadeIntoFill(p, fill, 130);
}

void amberDots(QPainter& p) {
    const QColor fill(0x1E, 0x26, 0x33);
    fillSky(p, {{0, QColor(0x1A, 0x22, 0x30)}, {0.6, QColor(0x2E, 0x3A, 0x4E)}, {1, fill}});
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 9; ++row)
        for (int col = -1; col * 50 < kWidth + 50; ++col) {
            const double x = col * 50 + (row % 2 ? 25 : 0) + 12.5;
            const double y = 6 + row * 15;
            const double r = 2.0 + (row % 3) * 1.2;
            p.setBrush(QColor(0xFF, 0xC2, 0x6A, 30 + (row % 4) * 14));
            p.drawEllipse(QPointF(x, y), r, r);
        }
    glow(p, {700, 50}, 190, QColor(0xFF, 0xB0, 0x50, 60));
    fadeIntoFill(p, fill, 135);
}

}  // namespace

QImage backgroundPicture(int n) {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    prepare(p);
    switch (n) {
        case 2: nightMountains(p); break;
        case 3: morningMeadow(p); break;
        case 4: sunsetSea(p); break;
        case 5: pineForest(p); break;
        case 6: cherryBlossom(p); break;
        case 7: tealWaves(p); break;
        case 8: indigoFacets(p); break;
        case 9: amberDots(p); break;
        default: break;
    }
    return image;
}

void drawBackgrounds(const PictureWriter& out) {
    for (int n = 2; n <= 9; ++n) out.png(backgroundPicture(n), QStringLiteral("backgrounds/%1.png").arg(n));
}

}  // namespace pindora::art
