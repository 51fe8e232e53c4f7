// Pictures onto the clipboard.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <iterator>

#include "platform/clipboard/clipboard.h"

namespace pindora {
namespace {

Bytes encoded(const QImage& image, const char* format) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return Bytes(data.begin(), data.end());
}

// A 1 x 1 GIF whose one pixel is red (Qt writes no GIF, so it is spelt out here).
const unsigned char redGif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0,
                                ',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, ';'};

TEST(Clipboard, PicturesOfEachFormatArriveDecoded) {
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(QColor(200, 40, 40));
  struct Case {
    const char* name;
    Bytes bytes;
    QSize size;
    QColor colour;
  } cases[] = {
      {"PNG", encoded(picture, "PNG"), {20, 10}, {200, 40, 40}},
      {"JPEG", encoded(picture, "JPEG"), {20, 10}, {200, 40, 40}},
      {"GIF", Bytes(std::begin(redGif), std::end(redGif)), {1, 1}, {255, 0, 0}},
  };
  for (const Case& c : cases) {
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(copyPictureToClipboard(c.bytes)) << c.name;
    QImage onClipboard = QGuiApplication::clipboard()->image();
    ASSERT_EQ(onClipboard.size(), c.size) << c.name;
    QColor corner = onClipboard.pixelColor(0, 0);
    EXPECT_NEAR(corner.red(), c.colour.red(), 8) << c.name;
    EXPECT_NEAR(corner.green(), c.colour.green(), 8) << c.name;
    EXPECT_NEAR(corner.blue(), c.colour.blue(), 8) << c.name;
  }
}

TEST(Clipboard, BytesThatDoNotDecodeLeaveTheClipboardAlone) {
  QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
  EXPECT_FALSE(copyPictureToClipboard(Bytes{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'}));
  EXPECT_FALSE(copyPictureToClipboard(Bytes{}));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

}  // namespace
}  // namespace pindora

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
