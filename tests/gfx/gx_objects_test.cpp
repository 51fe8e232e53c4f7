#include <gtest/gtest.h>

#include "gfx/gx_brush.h"
#include "gfx/gx_font.h"
#include "gfx/gx_font_family.h"
#include "gfx/gx_graphics.h"
#include "gfx/gx_image.h"
#include "gfx/gx_path.h"
#include "gfx/gx_pen.h"
#include "platform/codepage/codepage.h"
#include "tests/gfx/delete_spy.h"
#include "tests/gfx/gx_test_support.h"

namespace pindora {
namespace {

using GxObjectsTest = test::GxSessionTest;

TEST_F(GxObjectsTest, EmptyObjectsPassTheFlatStatusThrough) {
  GxGraphics graphics;
  GxPen pen;
  GxBrush brush;
  GxFont font;
  GxPath path;
  GxImage image;
  GxFontFamily family;
  int mode = 7;
  EXPECT_EQ(graphics.GetSmoothingMode(mode), gdiplus::InvalidParameter);
  EXPECT_EQ(mode, -1);  // preset before the call
  bool empty = true;
  EXPECT_EQ(graphics.IsClipEmpty(empty), gdiplus::InvalidParameter);
  EXPECT_FALSE(empty);
  EXPECT_EQ(graphics.DrawLine(pen, 0, 0, 1, 1), gdiplus::InvalidParameter);
  EXPECT_EQ(brush.SetSolidFillColor(0xFF000000), gdiplus::InvalidParameter);
  EXPECT_EQ(pen.SetPenColor(0xFF000000), gdiplus::InvalidParameter);
  float size = 0;
  EXPECT_EQ(font.GetFontSize(size), gdiplus::InvalidParameter);
  EXPECT_EQ(path.AddPathLine(0, 0, 1, 1), gdiplus::InvalidParameter);
  unsigned width = 0;
  EXPECT_EQ(image.GetImageWidth(width), gdiplus::InvalidParameter);
  EXPECT_EQ(graphics.DeleteGraphics(), gdiplus::Ok);  // nothing to delete
  EXPECT_EQ(family.GetHandle(), nullptr);
}

TEST_F(GxObjectsTest, NotImplementedComesBackUnchanged) {
  GxPath path;
  path.CreatePath();
  path.AddPathRectangle(0, 0, 5, 5);
  EXPECT_EQ(path.WindingModeOutline(), gdiplus::NotImplemented);
  gdiplus::DrawingSurface surface(4, 4);
  GxFont font;
  EXPECT_EQ(font.CreateFontFromDC(surface.deviceContext()), gdiplus::NotImplemented);
  EXPECT_EQ(font.GetHandle(), nullptr);
}

TEST_F(GxObjectsTest, AttachAndEveryCreateDeleteThePreviousObject) {
  GxBrush brush;
  ASSERT_EQ(brush.CreateSolidFill(0xFF112233), gdiplus::Ok);
  const GxBrush::Handle first = brush.GetHandle();
  test::clearDeleteSpy();
  ASSERT_EQ(brush.CreateHatchBrush(1, 0xFF000000, 0xFFFFFFFF), gdiplus::Ok);
  EXPECT_EQ(test::deletedBrushes(), std::vector<void*>{first});

  gdiplus::GpBrush* native = nullptr;
  ASSERT_EQ(gdiplus::GdipCreateSolidFill(0xFF445566, &native), gdiplus::Ok);
  const GxBrush::Handle second = brush.GetHandle();
  test::clearDeleteSpy();
  brush.Attach(native);
  EXPECT_EQ(test::deletedBrushes(), std::vector<void*>{second});
  GxArgb color = 0;
  EXPECT_EQ(brush.GetSolidFillColor(color), gdiplus::Ok);
  EXPECT_EQ(color, 0xFF445566u);
}

TEST_F(GxObjectsTest, AttachOfTheHeldHandleKeepsIt) {
  GxBrush brush;
  ASSERT_EQ(brush.CreateSolidFill(0xFF010203), gdiplus::Ok);
  test::clearDeleteSpy();
  brush.Attach(brush.GetHandle());
  EXPECT_TRUE(test::deletedBrushes().empty());
  GxArgb color = 0;
  EXPECT_EQ(brush.GetSolidFillColor(color), gdiplus::Ok);
  EXPECT_EQ(color, 0xFF010203u);
}

TEST_F(GxObjectsTest, FailedCreateLeavesTheObjectEmpty) {
  GxBrush brush;
  ASSERT_EQ(brush.CreateSolidFill(0xFF000000), gdiplus::Ok);
  test::clearDeleteSpy();
  GxImage noImage;
  EXPECT_NE(brush.CreateTexture(noImage), gdiplus::Ok);
  EXPECT_EQ(brush.GetHandle(), nullptr);
  EXPECT_EQ(test::deletedBrushes().size(), 1u);
}

TEST_F(GxObjectsTest, CopyClonesBrushPenAndPath) {
  GxBrush brush;
  brush.CreateSolidFill(0xFF102030);
  GxBrush brushCopy = brush.Copy();
  ASSERT_NE(brushCopy.GetHandle(), nullptr);
  EXPECT_NE(brushCopy.GetHandle(), brush.GetHandle());
  brush.DeleteBrush();
  GxArgb color = 0;
  EXPECT_EQ(brushCopy.GetSolidFillColor(color), gdiplus::Ok);
  EXPECT_EQ(color, 0xFF102030u);

  GxPen pen;
  pen.CreatePen1(0xFF000000, 3);
  GxPen penCopy = pen.Copy();
  float width = 0;
  EXPECT_EQ(penCopy.GetPenWidth(width), gdiplus::Ok);
  EXPECT_FLOAT_EQ(width, 3);
  EXPECT_NE(penCopy.GetHandle(), pen.GetHandle());

  GxPath path;
  path.CreatePath();
  path.AddPathLine(0, 0, 5, 5);
  GxPath pathCopy = path.Copy();
  int count = 0;
  EXPECT_EQ(pathCopy.GetPointCount(count), gdiplus::Ok);
  EXPECT_EQ(count, 2);

  GxBrush emptyCopy = GxBrush().Copy();
  EXPECT_EQ(emptyCopy.GetHandle(), nullptr);
}

TEST_F(GxObjectsTest, PathListsAreResizedAndFilled) {
  GxPath path;
  ASSERT_EQ(path.CreatePath(1), gdiplus::Ok);
  int fillMode = -1;
  path.GetPathFillMode(fillMode);
  EXPECT_EQ(fillMode, 1);
  const GxPointF points[] = {{1, 2}, {3, 4}, {5, 6}};
  ASSERT_EQ(path.AddPathLine2(points, 3), gdiplus::Ok);
  EXPECT_EQ(path.AddPathLine2(points, 4), gdiplus::InvalidParameter);
  std::vector<GxPointF> read;
  ASSERT_EQ(path.GetPathPoints(read, 3), gdiplus::Ok);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_FLOAT_EQ(read[2].x, 5);
  EXPECT_FLOAT_EQ(read[2].y, 6);
  Bytes types;
  ASSERT_EQ(path.GetPathTypes(types, 3), gdiplus::Ok);
  EXPECT_EQ(types, (Bytes{0, 1, 1}));
  std::vector<GxPointF> dataPoints;
  Bytes dataTypes;
  ASSERT_EQ(path.GetPathData(dataPoints, dataTypes), gdiplus::Ok);
  EXPECT_EQ(dataPoints.size(), 3u);
  EXPECT_EQ(dataTypes, types);
}

TEST_F(GxObjectsTest, PathStringAndFontGoThroughATemporaryFamily) {
  GxPath path;
  path.CreatePath();
  const int before = gdiplus::liveSessionObjects();
  EXPECT_EQ(path.AddPathString(utf8ToCp936("宋体"), 5, 5, utf8ToCp936("宋体"), 0, 20), gdiplus::Ok);
  EXPECT_EQ(gdiplus::liveSessionObjects(), before);  // the family is gone again
  int count = 0;
  path.GetPointCount(count);
  EXPECT_GT(count, 10);

  GxFont font;
  ASSERT_EQ(font.CreateFont(utf8ToCp936("宋体"), 13, 1, 2), gdiplus::Ok);
  EXPECT_EQ(gdiplus::liveSessionObjects(), before + 1);
  float size = 0;
  int style = -1, unit = -1;
  font.GetFontSize(size);
  font.GetFontStyle(style);
  font.GetFontUnit(unit);
  EXPECT_FLOAT_EQ(size, 13);
  EXPECT_EQ(style, 1);
  EXPECT_EQ(unit, 2);
}

TEST_F(GxObjectsTest, LineBrushColorsComeBackInTwoOutputs) {
  GxBrush brush;
  ASSERT_EQ(brush.CreateLineBrush({0, 0}, {10, 0}, 0xFF0000FF, 0xFFFF0000), gdiplus::Ok);
  GxArgb first = 0, second = 0;
  ASSERT_EQ(brush.GetLineColors(first, second), gdiplus::Ok);
  EXPECT_EQ(first, 0xFF0000FFu);
  EXPECT_EQ(second, 0xFFFF0000u);
  int wrap = -1;
  brush.GetLineWrapMode(wrap);
  EXPECT_EQ(wrap, 0);
}

}  // namespace
}  // namespace pindora
