#pragma once
// Shared means of the generator: blank canvases, painters set up alike, and the writer that
// puts each picture under its name.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace pindora::art {

// A fully transparent ARGB canvas.
QImage blankCanvas(int width, int height);

// An antialiased painter with smooth picture scaling.
void prepare(QPainter& painter);

// White strokes that read on light and dark grounds: a soft dark halo and a drop shadow under
// the white line.
void strokeOnSkin(QPainter& painter, const QPainterPath& path, qreal width);

// A vertical two-colour gradient over `rect`.
QLinearGradient verticalGradient(const QRectF& rect, const QColor& top, const QColor& bottom);

// A colour with another alpha.
QColor withAlpha(QColor colour, int alpha);

// Writes pictures under the images folder and animation frames under the frames folder.
class PictureWriter {
public:
    PictureWriter(QString imagesDir, QString framesDir);
    // Writes `image` as the PNG file `name` (a path under the images folder); throws on failure.
    void png(const QImage& image, const QString& name) const;
    // Writes one frame of an animation that generate.sh assembles into a GIF.
    void frame(const QImage& image, const QString& animation, int index) const;

private:
    void write(const QImage& image, const QString& path) const;
    QDir images_;
    QDir frames_;
};

}  // namespace pindora::art
