// Regions, capture, cursors, icons, the taskbar and injected clicks.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include "platform/window/qt_window.h"
#include "platform/window/screen.h"
#include "platform/window/window_control.h"
#include "tests/window/recorder.h"

namespace pindora {
namespace {

TEST(Regions, RoundedTopCornersAndSquareBottomCorners) {
  QWidget widget;
  widget.resize(300, 160);
  WindowHandle window = handleOf(&widget);
  ASSERT_TRUE(setRoundRectUnionRegion(window, Rect{0, 0, 300, 160}, 5, 5, Rect{0, 10, 299, 160}));
  EXPECT_FALSE(windowRegionContains(window, {0, 0}));
  EXPECT_FALSE(windowRegionContains(window, {299, 0}));
  EXPECT_TRUE(windowRegionContains(window, {150, 0}));
  EXPECT_TRUE(windowRegionContains(window, {0, 80}));
  EXPECT_TRUE(windowRegionContains(window, {0, 159}));
  EXPECT_TRUE(windowRegionContains(window, {298, 159}));
  EXPECT_FALSE(windowRegionContains(window, {150, 160}));

  ASSERT_TRUE(setRoundRectRegion(window, Rect{0, 0, 300, 160}, 5, 5));
  EXPECT_FALSE(windowRegionContains(window, {0, 0}));
  EXPECT_FALSE(windowRegionContains(window, {0, 159}));
  EXPECT_TRUE(windowRegionContains(window, {150, 80}));
  clearWindowRegion(window);
  EXPECT_TRUE(windowRegionContains(window, {0, 0}));
}

TEST(Capture, TheCapturingWindowGetsPressesMadeOverAnotherWindow) {
  Recorder holderRecorder, otherRecorder;
  QWidget holder, other;
  holder.setGeometry(100, 100, 200, 100);
  other.setGeometry(400, 100, 200, 100);
  holder.show();
  other.show();
  WindowHandle holderWindow = handleOf(&holder), otherWindow = handleOf(&other);
  holderRecorder.previous = subclassWindow(holderWindow, holderRecorder.procedure());
  otherRecorder.previous = subclassWindow(otherWindow, otherRecorder.procedure());

  setCapture(holderWindow);
  EXPECT_EQ(captureWindow(), holderWindow);
  // A press 10 pixels into the other window, as the window system hands it to that window.
  sendMouse(other.windowHandle(), QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
  sendMouse(other.windowHandle(), QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton, Qt::NoButton);
  ASSERT_EQ(holderRecorder.count(Message::LeftDown), 1);
  EXPECT_EQ(otherRecorder.count(Message::LeftDown), 0);
  const Received* down = holderRecorder.last(Message::LeftDown);
  EXPECT_EQ(packedX(down->lParam), 310);  // in the holder's pixels
  EXPECT_EQ(packedY(down->lParam), 10);

  releaseCapture();
  EXPECT_EQ(captureWindow(), 0u);
  sendMouse(other.windowHandle(), QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
  sendMouse(other.windowHandle(), QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(otherRecorder.count(Message::LeftDown), 1);
}

TEST(Cursor, SetAndReadBack) {
  QWidget widget;
  WindowHandle window = handleOf(&widget);
  EXPECT_EQ(windowCursor(window), CursorShape::Default);
  for (CursorShape shape : {CursorShape::SizeNS, CursorShape::SizeWE, CursorShape::SizeNWSE, CursorShape::SizeNESW,
                            CursorShape::Default}) {
    setWindowCursor(window, shape);
    EXPECT_EQ(windowCursor(window), shape);
  }
}

TEST(Icon, TheSmallIconReadsBackAsA16PixelPng) {
  QWidget widget;
  WindowHandle window = handleOf(&widget);
  QImage big(32, 32, QImage::Format_ARGB32);
  big.fill(0xFF10A040);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  big.save(&buffer, "PNG");

  EXPECT_FALSE(setSmallIcon(window, Bytes{1, 2, 3}));
  ASSERT_TRUE(setSmallIcon(window, Bytes(png.begin(), png.end())));
  IconHandle icon = static_cast<IconHandle>(sendMessage(window, Message::GetIcon));
  ASSERT_NE(icon, 0u);
  Bytes back = iconPng(icon);
  QImage decoded;
  ASSERT_TRUE(decoded.loadFromData(back.data(), static_cast<int>(back.size())));
  EXPECT_EQ(decoded.size(), QSize(16, 16));
  EXPECT_EQ(decoded.pixel(8, 8), 0xFF10A040u);
  EXPECT_TRUE(iconPng(0).empty());
}

TEST(Taskbar, TheStripOutsideTheWorkArea) {
  Rect screen{0, 0, 1920, 1080};
  struct Case {
    Rect work, taskbar;
  } cases[] = {
      {{0, 0, 1920, 1040}, {0, 1040, 1920, 1080}},   // bottom
      {{0, 40, 1920, 1080}, {0, 0, 1920, 40}},       // top
      {{60, 0, 1920, 1080}, {0, 0, 60, 1080}},       // left
      {{0, 0, 1860, 1080}, {1860, 0, 1920, 1080}},   // right
      {{0, 0, 1920, 1080}, {0, 1080, 1920, 1080}},   // none: height 0 at the bottom
  };
  for (const Case& c : cases) {
    EXPECT_EQ(taskbarFromWorkArea(screen, c.work), c.taskbar) << c.work.left << "," << c.work.top;
  }
  Size size = screenSize();
  EXPECT_GT(size.width, 0);
  Rect taskbar = taskbarRect();
  EXPECT_LE(taskbar.bottom, size.height);
}

TEST(Input, AnInjectedClickReachesTheWindowUnderThePoint) {
  Recorder recorder;
  QWidget widget(nullptr, Qt::FramelessWindowHint);
  widget.setGeometry(50, 60, 200, 100);
  widget.show();
  WindowHandle window = handleOf(&widget);
  recorder.previous = subclassWindow(window, recorder.procedure());
  EXPECT_EQ(windowAtPoint({70, 80}), window);
  EXPECT_EQ(windowRect(window), (Rect{50, 60, 250, 160}));

  ASSERT_TRUE(injectLeftClick({70, 80}));
  EXPECT_EQ(cursorPosition(), (Point{70, 80}));
  EXPECT_EQ(recorder.count(Message::LeftDown), 0);  // queued like real input
  // Real input comes back through the event queue; give it a moment on a real display.
  for (int wait = 0; wait < 200 && recorder.count(Message::LeftUp) == 0; ++wait) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
  }
  ASSERT_EQ(recorder.count(Message::LeftDown), 1);
  ASSERT_EQ(recorder.count(Message::LeftUp), 1);
  EXPECT_EQ(packedX(recorder.last(Message::LeftUp)->lParam), 20);
  EXPECT_EQ(packedY(recorder.last(Message::LeftUp)->lParam), 20);
}

TEST(Geometry, MoveAndTitle) {
  QWidget widget;
  widget.setWindowTitle(QString::fromUtf8(" Pindora v2.0"));
  widget.show();
  WindowHandle window = handleOf(&widget);
  moveWindow(window, Rect{10, 20, 660, 687});
  EXPECT_EQ(windowRect(window), (Rect{10, 20, 660, 687}));
  EXPECT_EQ(windowTitle(window), " Pindora v2.0");
  EXPECT_EQ(windowRect(0), Rect{});
}

TEST(Geometry, AFramelessWindowGainsMaximiseAndMinimiseAndStaysShown) {
  QWidget widget;
  widget.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  widget.show();
  allowMaximiseAndMinimise(handleOf(&widget));
  const Qt::WindowFlags flags = widget.windowHandle()->flags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(widget.isVisible());
}

}  // namespace
}  // namespace pindora
