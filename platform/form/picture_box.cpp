#include "platform/form/picture_box.h"

#include <QImageReader>
#include <QPainter>

namespace pindora {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

PictureBox::~PictureBox() { clear(); }

void PictureBox::clear() {
    movie_.reset();  // before the buffer it reads from
    buffer_.reset();
    still_ = QPixmap();
}

void PictureBox::showImage(const Bytes& imageBytes) {
    clear();
    if (!imageBytes.empty()) {
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(reinterpret_cast<const char*>(imageBytes.data()),
                        static_cast<qsizetype>(imageBytes.size()));
        buffer->open(QIODevice::ReadOnly);
        if (QImageReader::imageFormat(buffer.get()) == "gif") {
            buffer_ = std::move(buffer);
            movie_ = std::make_unique<QMovie>(buffer_.get(), "gif");
            QObject::connect(movie_.get(), &QMovie::frameChanged, this, [this] { update(); });
            movie_->start();
        } else {
            still_.loadFromData(imageBytes.data(), static_cast<uint>(imageBytes.size()));
        }
    }
    update();
}

QPixmap PictureBox::currentFrame() const { return movie_ ? movie_->currentPixmap() : still_; }

QRect PictureBox::pictureRect() const {
    const QPixmap frame = currentFrame();
    if (frame.isNull()) return {};
    QSize size = frame.size();
    if (size.width() > width() || size.height() > height()) size.scale(this->size(), Qt::KeepAspectRatio);
    return {QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

void PictureBox::paintEvent(QPaintEvent*) {
    const QPixmap frame = currentFrame();
    if (frame.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(pictureRect(), frame);
}

}  // namespace pindora
