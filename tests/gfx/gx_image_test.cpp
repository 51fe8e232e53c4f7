#include "gfx/gx_image.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/gx_graphics.h"
#include "tests/gfx/delete_spy.h"
#include "tests/gfx/gx_test_support.h"

namespace pindora {
namespace {

using gdiplus::DrawingSurface;
using test::alphaOf;

constexpr GxArgb opaqueGreen = 0xFF00FF00;
constexpr GxArgb halfBlue = 0x800000FF;

class GxImageTest : public test::GxSessionTest {
 protected:
  std::optional<GxGuid> pngEncoder() {
    GxImage any;
    std::vector<GxImageCodec> encoders;
    if (any.GetImageEncoders(encoders) != gdiplus::Ok) return std::nullopt;
    for (const GxImageCodec& codec : encoders) {
      if (codec.mimeType == "image/png") return codec.clsid;
    }
    return std::nullopt;
  }

  // A 4 x 4 PNG: the left half opaque green, the right half half-transparent blue.
  Bytes makePng() {
    gdiplus::GpBitmap* native = nullptr;
    EXPECT_EQ(gdiplus::GdipCreateBitmapFromScan0(4, 4, 0, gdiplus::PixelFormat32bppARGB, nullptr, &native),
              gdiplus::Ok);
    GxImage bitmap;
    bitmap.Attach(native);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) bitmap.BitmapSetPixel(x, y, x < 2 ? opaqueGreen : halfBlue);
    }
    const auto encoder = pngEncoder();
    EXPECT_TRUE(encoder.has_value());
    Bytes png;
    EXPECT_EQ(bitmap.SaveImageToStream(png, encoder), gdiplus::Ok);
    return png;
  }
};

TEST_F(GxImageTest, EncodersAreListedAsRecords) {
  GxImage image;
  std::vector<GxImageCodec> encoders;
  ASSERT_EQ(image.GetImageEncoders(encoders), gdiplus::Ok);
  const auto png = std::find_if(encoders.begin(), encoders.end(),
                                [](const GxImageCodec& codec) { return codec.mimeType == "image/png"; });
  ASSERT_NE(png, encoders.end());
  EXPECT_NE(png->filenameExtension.find("PNG"), Text::npos);
  EXPECT_EQ(png->sigPattern.size(), static_cast<std::size_t>(png->sigCount) * png->sigSize);
  EXPECT_GE(png->sigPattern.size(), 8u);
  EXPECT_EQ(png->sigPattern[1], 'P');
}

TEST_F(GxImageTest, PngWithAlphaFromBytesReadsBackAndDrawsScaled) {
  const Bytes png = makePng();
  ASSERT_GE(png.size(), 8u);
  EXPECT_EQ(png[1], 'P');

  GxImage image;
  ASSERT_EQ(image.LoadImageFromStream(png), gdiplus::Ok);
  unsigned width = 0, height = 0;
  image.GetImageWidth(width);
  image.GetImageHeight(height);
  EXPECT_EQ(width, 4u);
  EXPECT_EQ(height, 4u);
  // Sample pixels are read before the image is drawn.
  GxArgb left = 0, right = 0;
  ASSERT_EQ(image.BitmapGetPixel(0, 0, left), gdiplus::Ok);
  ASSERT_EQ(image.BitmapGetPixel(3, 3, right), gdiplus::Ok);
  EXPECT_EQ(left, opaqueGreen);
  EXPECT_EQ(right, halfBlue);

  DrawingSurface surface(40, 40);
  {
    GxGraphics graphics;
    graphics.CreateFromHDC(surface.deviceContext());
    ASSERT_EQ(graphics.DrawImageRect(image, 0, 0, 40, 40), gdiplus::Ok);
  }
  EXPECT_EQ(surface.pixel(12, 20), 0xFF00FF00u);  // between two green columns
  const std::uint32_t blue = surface.pixel(28, 20);  // between two blue columns
  EXPECT_NEAR(static_cast<int>(alphaOf(blue)), 0x80, 2);
  EXPECT_NEAR(static_cast<int>(blue & 0xFF), 0x80, 2);  // premultiplied
  EXPECT_EQ((blue >> 8) & 0xFFFF, 0u);
}

TEST_F(GxImageTest, DrawImagePointsMapsThreeCorners) {
  GxImage image;
  ASSERT_EQ(image.LoadImageFromStream(makePng()), gdiplus::Ok);
  DrawingSurface surface(40, 40);
  {
    GxGraphics graphics;
    graphics.CreateFromHDC(surface.deviceContext());
    // Upper-left (20, 0), upper-right (40, 0), lower-left (20, 20): the right upper quarter.
    ASSERT_EQ(graphics.DrawImagePoints(image, 20, 0, 40, 0, 20, 20), gdiplus::Ok);
  }
  EXPECT_EQ(surface.pixel(22, 10), 0xFF00FF00u);
  EXPECT_EQ(alphaOf(surface.pixel(10, 10)), 0u);
  EXPECT_EQ(alphaOf(surface.pixel(30, 30)), 0u);
}

TEST_F(GxImageTest, FailedLoadLeavesTheImageEmptyAndDisposesThePrevious) {
  GxImage image;
  ASSERT_EQ(image.LoadImageFromStream(makePng()), gdiplus::Ok);
  const GxImage::Handle previous = image.GetHandle();
  ASSERT_NE(previous, nullptr);
  test::clearDeleteSpy();
  const Bytes garbage = {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'};
  EXPECT_NE(image.LoadImageFromStream(garbage), gdiplus::Ok);
  EXPECT_EQ(image.GetHandle(), nullptr);
  EXPECT_EQ(test::disposedImages(), std::vector<void*>{previous});
  unsigned width = 0;
  EXPECT_EQ(image.GetImageWidth(width), gdiplus::InvalidParameter);
  EXPECT_NE(image.LoadImageFromStream({}), gdiplus::Ok);
  EXPECT_EQ(image.GetHandle(), nullptr);
}

TEST_F(GxImageTest, CopyIsAnIndependentClone) {
  GxImage image;
  ASSERT_EQ(image.LoadImageFromStream(makePng()), gdiplus::Ok);
  GxImage copy = image.Copy();
  ASSERT_NE(copy.GetHandle(), nullptr);
  EXPECT_NE(copy.GetHandle(), image.GetHandle());
  image.DisposeImage();
  GxArgb pixel = 0;
  EXPECT_EQ(copy.BitmapGetPixel(3, 0, pixel), gdiplus::Ok);
  EXPECT_EQ(pixel, halfBlue);
}

TEST(GxMemoryBlock, WithAndWithoutBytes) {
  GxMemoryBlock block;
  EXPECT_EQ(block.GetStream(), nullptr);
  EXPECT_EQ(block.GetSize(), 0u);
  const Bytes bytes = {1, 2, 3, 4, 5};
  GxMemoryBlock::Stream* stream = block.Open(bytes);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(block.GetStream(), stream);
  EXPECT_EQ(block.GetSize(), 5u);
  EXPECT_EQ(block.GetBytes(), bytes);
  std::uint8_t head[3] = {};
  EXPECT_EQ(stream->read(head, 3, true), 3);
  EXPECT_EQ(stream->position(), 0u);
  EXPECT_EQ(stream->seek(-2, 2), 3);
  EXPECT_EQ(stream->read(head, 3, false), 2);
  EXPECT_EQ(head[0], 4);

  GxMemoryBlock copy = block.Copy();
  EXPECT_EQ(copy.GetBytes(), bytes);
  EXPECT_NE(copy.GetStream(), block.GetStream());

  stream = block.Open();
  EXPECT_EQ(block.GetSize(), 0u);
  const std::uint8_t more[4] = {9, 8, 7, 6};
  stream->write(more, 4);
  stream->seek(2, 0);
  stream->write(more, 4);
  EXPECT_EQ(block.GetBytes(), (Bytes{9, 8, 9, 8, 7, 6}));
  block.Free();
  EXPECT_EQ(block.GetStream(), nullptr);
  EXPECT_EQ(block.GetSize(), 0u);
}

}  // namespace
}  // namespace pindora
