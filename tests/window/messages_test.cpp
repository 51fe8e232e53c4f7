// Subclassing, the event-to-message translation, sending, posting and nested loops.

#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>
#include <memory>
#include <thread>

#include "platform/window/qt_window.h"
#include "tests/window/recorder.h"
#include "platform/window/window_control.h"

namespace pindora {
namespace {

// A widget that counts the presses its own handler sees: the toolkit's own handling.
class CountingWidget : public QWidget {
 public:
  int ownPresses = 0;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    ++ownPresses;
    QWidget::mousePressEvent(event);
  }
};

TEST(PackedPosition, XIsTheLowHalfUnsignedAndYTheHighHalfWithSign) {
  struct Case {
    int x, y, expectX, expectY;
  } cases[] = {
      {10, 20, 10, 20}, {0, 0, 0, 0}, {-1, -1, 65535, -1}, {-5, 30, 65531, 30}, {640, -30, 640, -30},
      {32767, 32767, 32767, 32767},
  };
  for (const Case& c : cases) {
    LParam packed = packPosition(c.x, c.y);
    EXPECT_EQ(packedX(packed), c.expectX) << c.x << "," << c.y;
    EXPECT_EQ(packedY(packed), c.expectY) << c.x << "," << c.y;
  }
  EXPECT_EQ(packPosition(3, 2), 0x00020003);
}

TEST(Subclass, RealMouseEventsArriveAsMessagesWithPackedPositions) {
  Recorder recorder;
  QWidget widget;
  widget.resize(200, 100);
  widget.show();
  WindowHandle window = handleOf(&widget);
  recorder.previous = subclassWindow(window, recorder.procedure());

  sendMouse(&widget, QEvent::MouseMove, {5, 6}, Qt::NoButton, Qt::NoButton);
  sendMouse(&widget, QEvent::MouseButtonPress, {7, 8}, Qt::LeftButton, Qt::LeftButton);
  sendMouse(&widget, QEvent::MouseButtonRelease, {7, 8}, Qt::LeftButton, Qt::NoButton);
  sendMouse(&widget, QEvent::MouseButtonDblClick, {7, 8}, Qt::LeftButton, Qt::LeftButton);
  sendMouse(&widget, QEvent::MouseButtonPress, {150, 90}, Qt::RightButton, Qt::RightButton);

  std::vector<Message> expected = {Message::MouseMove, Message::LeftDown, Message::LeftUp,
                                   Message::LeftDoubleClick, Message::RightDown};
  std::vector<Message> mouse;
  for (Message m : recorder.messages()) {
    if (m >= Message::MouseMove && m <= Message::RightDown) mouse.push_back(m);
  }
  EXPECT_EQ(mouse, expected);
  const Received* down = recorder.last(Message::LeftDown);
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(packedX(down->lParam), 7);
  EXPECT_EQ(packedY(down->lParam), 8);
  EXPECT_EQ(down->wParam, WParam{LeftButtonHeld});
  const Received* right = recorder.last(Message::RightDown);
  EXPECT_EQ(packedX(right->lParam), 150);
  EXPECT_EQ(packedY(right->lParam), 90);
}

TEST(Subclass, TheToolkitHandlesAnEventOnlyWhenTheChainReachesTheDefault) {
  Recorder first, second;
  CountingWidget widget;
  widget.resize(100, 100);
  widget.show();
  WindowHandle window = handleOf(&widget);

  first.previous = subclassWindow(window, first.procedure());
  second.previous = subclassWindow(window, second.procedure());

  sendMouse(&widget, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(second.count(Message::LeftDown), 1);
  EXPECT_EQ(first.count(Message::LeftDown), 1);
  EXPECT_EQ(widget.ownPresses, 1);

  // The newest procedure keeps the press to itself: neither the older one nor the widget sees it.
  second.callPrevious = false;
  sendMouse(&widget, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(second.count(Message::LeftDown), 2);
  EXPECT_EQ(first.count(Message::LeftDown), 1);
  EXPECT_EQ(widget.ownPresses, 1);

  // Undoing both subclassings, newest first, gives the widget its own handling back.
  subclassWindow(window, second.previous);
  sendMouse(&widget, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(second.count(Message::LeftDown), 2);
  EXPECT_EQ(first.count(Message::LeftDown), 2);
  subclassWindow(window, first.previous);
  sendMouse(&widget, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(first.count(Message::LeftDown), 2);
  EXPECT_EQ(widget.ownPresses, 3);
}

TEST(Subclass, MouseLeaveComesOnlyAfterARequestAndOncePerRequest) {
  Recorder recorder;
  QWidget widget;
  widget.show();
  WindowHandle window = handleOf(&widget);
  recorder.previous = subclassWindow(window, recorder.procedure());
  QEvent leave(QEvent::Leave);

  QApplication::sendEvent(&widget, &leave);
  EXPECT_EQ(recorder.count(Message::MouseLeave), 0);
  requestLeaveNotice(window);
  QApplication::sendEvent(&widget, &leave);
  QApplication::sendEvent(&widget, &leave);
  EXPECT_EQ(recorder.count(Message::MouseLeave), 1);
}

TEST(Subclass, SizeNoticesTellRestoredAndMaximised) {
  Recorder recorder;
  QWidget widget;
  widget.resize(300, 200);
  widget.show();
  WindowHandle window = handleOf(&widget);
  recorder.previous = subclassWindow(window, recorder.procedure());

  widget.resize(320, 210);
  const Received* size = recorder.last(Message::Size);
  ASSERT_NE(size, nullptr);
  EXPECT_EQ(size->wParam, static_cast<WParam>(SizeKind::Restored));
  EXPECT_EQ(packedX(size->lParam), 320);
  EXPECT_EQ(packedY(size->lParam), 210);

  // The system command's default handling maximises; the notice says so.
  sendMessage(window, Message::SystemCommand, static_cast<WParam>(SystemCommand::Maximise));
  QApplication::processEvents();
  EXPECT_EQ(windowState(window), WindowState::Maximised);
  size = recorder.last(Message::Size);
  EXPECT_EQ(size->wParam, static_cast<WParam>(SizeKind::Maximised));

  sendMessage(window, Message::SystemCommand, static_cast<WParam>(SystemCommand::Restore));
  QApplication::processEvents();
  EXPECT_EQ(windowState(window), WindowState::Normal);
  EXPECT_EQ(recorder.last(Message::Size)->wParam, static_cast<WParam>(SizeKind::Restored));
}

TEST(Subclass, AMaximisedWindowMovedByTheProgramStaysMaximisedUntilRestored) {
  Recorder recorder;
  QWidget widget(nullptr, Qt::FramelessWindowHint);
  widget.setGeometry(50, 50, 300, 200);
  widget.show();
  WindowHandle window = handleOf(&widget);
  recorder.previous = subclassWindow(window, recorder.procedure());

  maximiseWindow(window);
  QApplication::processEvents();
  moveWindow(window, Rect{0, 0, 500, 400});  // kept clear of a taskbar, as the skin does
  QApplication::processEvents();
  EXPECT_EQ(windowState(window), WindowState::Maximised);
  const Received* size = recorder.last(Message::Size);
  EXPECT_EQ(size->wParam, static_cast<WParam>(SizeKind::Maximised));
  EXPECT_EQ(packedX(size->lParam), 500);
  EXPECT_EQ(packedY(size->lParam), 400);

  restoreWindow(window);
  QApplication::processEvents();
  EXPECT_EQ(windowState(window), WindowState::Normal);
  EXPECT_EQ(recorder.last(Message::Size)->wParam, static_cast<WParam>(SizeKind::Restored));
  EXPECT_EQ(windowRect(window), (Rect{50, 50, 350, 250}));
}

TEST(Messages, SendCallsTheProcedureAndReturnsItsResult) {
  QWidget widget;
  WindowHandle window = handleOf(&widget);
  subclassWindow(window, [](WindowHandle, Message message, WParam wParam, LParam lParam) -> MessageResult {
    return message == Message::User ? static_cast<MessageResult>(wParam) + lParam : 0;
  });
  EXPECT_EQ(sendMessage(window, Message::User, 40, 2), 42);
  EXPECT_EQ(sendMessage(0, Message::User, 40, 2), 0);
}

TEST(Messages, EnableAndDeactivationNoticesReachTheProcedure) {
  Recorder recorder;
  QWidget widget;
  widget.show();
  WindowHandle window = handleOf(&widget);
  recorder.previous = subclassWindow(window, recorder.procedure());
  widget.setEnabled(false);
  ASSERT_NE(recorder.last(Message::Enable), nullptr);
  EXPECT_EQ(recorder.last(Message::Enable)->wParam, 0u);
  widget.setEnabled(true);
  EXPECT_EQ(recorder.last(Message::Enable)->wParam, 1u);
  QEvent deactivate(QEvent::WindowDeactivate);
  QApplication::sendEvent(&widget, &deactivate);
  EXPECT_EQ(recorder.count(Message::KillFocus), 1);
}

TEST(Messages, DestroyIsSentOnceAndTheHandleDies) {
  Recorder otherRecorder;
  Recorder recorder;
  auto* widget = new QWidget;
  widget->show();
  WindowHandle window = handleOf(widget);
  recorder.previous = subclassWindow(window, recorder.procedure());
  // A close request's default handling destroys the window.
  sendMessage(window, Message::Close);
  EXPECT_EQ(recorder.count(Message::Destroy), 1);
  EXPECT_FALSE(isWindow(window));
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(recorder.count(Message::Destroy), 1);

  // A widget deleted by Qt still gives its procedure Destroy.
  auto* other = new QWidget;
  WindowHandle otherWindow = handleOf(other);
  otherRecorder.previous = subclassWindow(otherWindow, otherRecorder.procedure());
  delete other;
  EXPECT_EQ(otherRecorder.count(Message::Destroy), 1);
  EXPECT_FALSE(isWindow(otherWindow));
}

TEST(MessageLoop, RunsPostedMessagesUntilAQuitAndNestedLoopsQuitInnermostFirst) {
  QWidget widget;
  WindowHandle window = handleOf(&widget);
  std::vector<std::string> events;
  subclassWindow(window, [&](WindowHandle, Message message, WParam wParam, LParam) -> MessageResult {
    if (message != Message::User) return 0;
    events.push_back("message " + std::to_string(wParam));
    if (wParam == 1) {
      postMessage(window, Message::User, 2);
      postQuit(5);
      int inner = runMessageLoop();
      events.push_back("inner ended " + std::to_string(inner));
      postQuit(9);
    }
    return 0;
  });
  postMessage(window, Message::User, 1);
  int outer = runMessageLoop();
  EXPECT_EQ(outer, 9);
  std::vector<std::string> expected = {"message 1", "message 2", "inner ended 5"};
  EXPECT_EQ(events, expected);
}

TEST(MessageLoop, AMessagePostedFromAnotherThreadIsHandledOnTheWindowThread) {
  QWidget widget;
  WindowHandle window = handleOf(&widget);
  std::thread::id handledOn;
  subclassWindow(window, [&](WindowHandle, Message message, WParam wParam, LParam) -> MessageResult {
    if (message == Message::User && wParam == 7) {
      handledOn = std::this_thread::get_id();
      postQuit(0);
    }
    return 0;
  });
  QTimer guard;  // ends the loop should the message never come
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { postQuit(1); });
  guard.start(5000);
  std::thread worker([window] { postMessage(window, Message::User, 7); });
  EXPECT_EQ(runMessageLoop(), 0);
  worker.join();
  EXPECT_EQ(handledOn, std::this_thread::get_id());
}

}  // namespace
}  // namespace pindora
