#include "canvas.h"

#include <QImageWriter>
#include <stdexcept>

namespace pindora::art {

QImage blankCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

void strokeOnSkin(QPainter& painter, const QPainterPath& path, qreal width) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const auto pen = [](QColor colour, qreal w) {
        return QPen(colour, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    };
    painter.setPen(pen(QColor(0, 0, 0, 75), width + 2.2));
    painter.drawPath(path);
    painter.setPen(pen(QColor(0, 0, 0, 95), width + 0.8));
    painter.drawPath(path.translated(0, 1));
    painter.setPen(pen(Qt::white, width));
    painter.drawPath(path);
    painter.restore();
}

QLinearGradient verticalGradient(const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

PictureWriter::PictureWriter(QString imagesDir, QString framesDir)
    : images_(std::move(imagesDir)), frames_(std::move(framesDir)) {}

void PictureWriter::png(const QImage& image, const QString& name) const {
    write(image, images_.filePath(name));
}

void PictureWriter::frame(const QImage& image, const QString& animation, int index) const {
    write(image, frames_.filePath(QStringLiteral("%1_%2.png").arg(animation).arg(index, 2, 10, QChar('0'))));
}

void PictureWriter::write(const QImage& image, const QString& path) const {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path, "png");
    writer.setQuality(0);  // for PNG: the strongest compression
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 writer.errorString().toStdString());
}

}  // namespace pindora::art
