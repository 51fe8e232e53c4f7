// The plain message box and bringing a window to the top.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "platform/codepage/codepage.h"
#include "platform/window/message_box.h"
#include "platform/window/qt_window.h"
#include "platform/window/window_control.h"

namespace pindora {
namespace {

TEST(PlatformMessage, ShowsTheTextWithOnlyAnOkButtonUntilClosed) {
  QString shownText, shownTitle;
  int buttons = -1;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shownText = box->text();
    shownTitle = box->windowTitle();
    buttons = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  showPlatformMessage(utf8ToCp936("注册窗体类名失败!"), utf8ToCp936("错误"));
  EXPECT_EQ(shownText, QString::fromUtf8("注册窗体类名失败!"));
  EXPECT_EQ(shownTitle, QString::fromUtf8("错误"));
  EXPECT_EQ(buttons, 1);
}

TEST(Topmost, SwitchesTheStaysOnTopFlagOfAShownWindow) {
  QWidget widget;
  widget.show();
  WindowHandle window = handleOf(&widget);
  setTopmost(window, true);
  EXPECT_TRUE(widget.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(widget.isVisible());
  setTopmost(window, false);
  EXPECT_FALSE(widget.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(widget.isVisible());
}

}  // namespace
}  // namespace pindora
