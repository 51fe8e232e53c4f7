#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <gtest/gtest.h>

#include "platform/form/picture_box.h"

namespace pindora {
namespace {

// Two 4 x 4 frames, red then blue, 50 ms each, looping.
const Bytes kAnimatedGif = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x04, 0x00, 0xf0, 0x00, 0x00, 0xff, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x05, 0x00, 0x00, 0x00, 0x21, 0xff, 0x0b, 0x4e, 0x45,
    0x54, 0x53, 0x43, 0x41, 0x50, 0x45, 0x32, 0x2e, 0x30, 0x03, 0x01, 0x00, 0x00, 0x00, 0x2c, 0x00,
    0x00, 0x00, 0x00, 0x04, 0x00, 0x04, 0x00, 0x00, 0x02, 0x04, 0x84, 0x8f, 0x09, 0x05, 0x00, 0x21,
    0xf9, 0x04, 0x00, 0x05, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x04, 0x00,
    0x80, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0x02, 0x04, 0x84, 0x8f, 0x09, 0x05, 0x00, 0x3b};

Bytes encodedImage(int width, int height, const char* format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::green);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return Bytes(buffer.data().begin(), buffer.data().end());
}

TEST(PictureBox, FitsPicturesIntoTheBox) {
    struct Case { int width, height; const char* format; QRect expected; };
    const Case cases[] = {
        {400, 200, "PNG", QRect(0, 50, 200, 100)},   // wider: scaled down, proportions kept
        {100, 300, "JPEG", QRect(67, 0, 66, 200)},   // taller
        {50, 30, "PNG", QRect(75, 85, 50, 30)},      // smaller: centred, not enlarged
        {200, 200, "JPEG", QRect(0, 0, 200, 200)},
    };
    PictureBox box;
    box.resize(200, 200);
    for (const Case& c : cases) {
        box.showImage(encodedImage(c.width, c.height, c.format));
        EXPECT_FALSE(box.isAnimated());
        EXPECT_EQ(box.pictureRect(), c.expected) << c.width << " x " << c.height << " " << c.format;
    }
}

TEST(PictureBox, AnimatesGifAndShowsNothingForEmptyOrBrokenBytes) {
    PictureBox box;
    box.resize(200, 200);
    box.showImage(kAnimatedGif);
    ASSERT_TRUE(box.isAnimated());
    EXPECT_EQ(box.pictureRect(), QRect(98, 98, 4, 4));
    const QImage rendered = box.grab().toImage();
    EXPECT_EQ(rendered.pixelColor(100, 100), QColor(Qt::red));
    QElapsedTimer clock;
    clock.start();
    while (box.currentFrame().toImage().pixelColor(0, 0) != QColor(Qt::blue) && clock.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_EQ(box.currentFrame().toImage().pixelColor(0, 0), QColor(Qt::blue)) << "the animation runs";

    box.showImage({});
    EXPECT_FALSE(box.isAnimated());
    EXPECT_TRUE(box.currentFrame().isNull());
    EXPECT_TRUE(box.pictureRect().isEmpty());

    box.showImage({'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});
    EXPECT_TRUE(box.currentFrame().isNull());
}

}  // namespace
}  // namespace pindora
