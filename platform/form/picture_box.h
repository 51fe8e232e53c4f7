#pragma once
// The picture box widget: shows image bytes, an animated GIF as a running animation. A picture
// larger than the box is scaled down keeping its proportions; a smaller one is centred.

#include <QBuffer>
#include <QMovie>
#include <QPixmap>
#include <QWidget>
#include <memory>

#include "base/types.h"

namespace pindora {

class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    void showImage(const Bytes& imageBytes);

    bool isAnimated() const { return movie_ != nullptr; }
    // The current frame and where it is drawn; a null pixmap and an empty rectangle when the
    // box shows nothing.
    QPixmap currentFrame() const;
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void clear();

    std::unique_ptr<QBuffer> buffer_;  // owns the GIF's bytes while the movie reads them
    std::unique_ptr<QMovie> movie_;
    QPixmap still_;
};

}  // namespace pindora
