// Popup classes and popup windows.

#include <gtest/gtest.h>

#include <QWidget>

#include "platform/window/popup.h"
#include "platform/window/qt_window.h"
#include "platform/window/window_control.h"
#include "tests/window/recorder.h"

namespace pindora {
namespace {

TEST(Popup, AClassNameRegistersOnceUntilUnregistered) {
  EXPECT_TRUE(registerPopupClass("OnceOnly", &defaultProcedure));
  EXPECT_FALSE(registerPopupClass("OnceOnly", &defaultProcedure));
  EXPECT_TRUE(unregisterPopupClass("OnceOnly"));
  EXPECT_FALSE(unregisterPopupClass("OnceOnly"));
  EXPECT_EQ(createPopupWindow("OnceOnly", Rect{0, 0, 10, 10}), 0u);
}

TEST(Popup, LifeFromCreateToDestroyWithCaptureTakenAtCreation) {
  Recorder recorder;
  WindowHandle created = 0;
  ASSERT_TRUE(registerPopupClass(
      "LifeTest", [&](WindowHandle window, Message message, WParam wParam, LParam lParam) -> MessageResult {
        recorder.received.push_back({message, wParam, lParam});
        if (message == Message::Create) {
          created = window;
          setCapture(window);
        }
        return defaultProcedure(window, message, wParam, lParam);
      }));
  WindowHandle popup = createPopupWindow("LifeTest", Rect{100, 120, 322, 298});
  ASSERT_NE(popup, 0u);
  EXPECT_EQ(created, popup);
  ASSERT_FALSE(recorder.received.empty());
  EXPECT_EQ(recorder.received.front().message, Message::Create);
  EXPECT_EQ(windowRect(popup), (Rect{100, 120, 322, 298}));

  showWindow(popup);
  EXPECT_EQ(captureWindow(), popup);
  EXPECT_EQ(QWidget::mouseGrabber(), widgetOf(popup));

  // Popups take no double clicks: a quick second press is another LeftDown.
  QWidget* widget = widgetOf(popup);
  sendMouse(widget, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  sendMouse(widget, QEvent::MouseButtonDblClick, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(recorder.count(Message::LeftDown), 2);
  EXPECT_EQ(recorder.count(Message::LeftDoubleClick), 0);

  // Closing through the system command destroys it.
  sendMessage(popup, Message::SystemCommand, static_cast<WParam>(SystemCommand::Close));
  EXPECT_EQ(recorder.count(Message::Close), 1);
  EXPECT_EQ(recorder.count(Message::Destroy), 1);
  EXPECT_FALSE(isWindow(popup));
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  unregisterPopupClass("LifeTest");
}

TEST(Popup, AnOwnedPopupGoesWithItsOwner) {
  auto* owner = new QWidget;
  WindowHandle ownerWindow = handleOf(owner);
  int destroyed = 0;
  ASSERT_TRUE(registerPopupClass("OwnedTest", [&](WindowHandle w, Message m, WParam wp, LParam lp) -> MessageResult {
    destroyed += m == Message::Destroy;
    return defaultProcedure(w, m, wp, lp);
  }));
  WindowHandle popup = createPopupWindow("OwnedTest", Rect{0, 0, 50, 50}, ownerWindow);
  ASSERT_NE(popup, 0u);
  delete owner;
  EXPECT_EQ(destroyed, 1);
  EXPECT_FALSE(isWindow(popup));
  unregisterPopupClass("OwnedTest");
}

}  // namespace
}  // namespace pindora
