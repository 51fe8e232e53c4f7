// The skinned message box as a real popup over a skinned window, driven by real mouse events.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QBuffer>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include "platform/window/popup.h"
#include "skin/message_box_model.h"
#include "skinned_window.h"

namespace pindora {
namespace {

WindowHandle openBox() { return messageBoxState().messageBoxWindow; }

TEST(MessageBoxWindow, EachWayOfClosingGivesItsResult) {
  struct Case {
    const char* name;
    std::optional<int> buttons;
    std::function<void(WindowHandle)> close;
    int expected;
  };
  const std::vector<Case> cases = {
      {"the only 确定", 1, [](WindowHandle box) { click(box, 250, 120); }, 1},
      {"the only 取消", 2, [](WindowHandle box) { click(box, 250, 120); }, 0},
      {"确定 of two", 0, [](WindowHandle box) { click(box, 150, 120); }, 1},
      {"取消 of two", 0, [](WindowHandle box) { click(box, 218, 110); }, 0},
      {"close button", 0, [](WindowHandle box) { click(box, 270, 10); }, -1},
      {"Close message", 0, [](WindowHandle box) { sendMessage(box, Message::Close); }, 100},
      {"press on the text, release on 确定",
       0,
       [](WindowHandle box) {
         sendMouse(box, QEvent::MouseButtonPress, 100, 60);
         sendMouse(box, QEvent::MouseButtonRelease, 150, 120);
       },
       1},
  };
  for (const Case& test : cases) {
    SkinnedWindow skinned;
    bool wasOpen = false;
    skinned.then([&] {
      const WindowHandle box = openBox();
      wasOpen = isWindow(box);
      test.close(box);
    });
    EXPECT_EQ(skinned.frame->showMessage("text", test.buttons), test.expected) << test.name;
    EXPECT_TRUE(wasOpen) << test.name;
    EXPECT_EQ(openBox(), 0u) << test.name;
  }
}

TEST(MessageBoxWindow, WhileOpenTheChromeIsHeldAndTheSkinnedWindowIsServed) {
  SkinnedWindow skinned;
  const Rect window = windowRect(skinned.handle());
  struct Seen {
    int interactive = -1;
    int secondCall = 0;
    int enableOffCount = 0;
    Rect boxRect;
    bool inRegionTopCorner = true, inRegionBottomCorner = false;
  } seen;
  skinned.then([&] {
    const WindowHandle box = openBox();
    seen.interactive = skinState().chromeInteractive;
    seen.secondCall = skinned.frame->showMessage("again");
    seen.enableOffCount = skinned.count(Message::Enable);
    seen.boxRect = windowRect(box);
    seen.inRegionTopCorner = windowRegionContains(box, {0, 0});
    seen.inRegionBottomCorner = windowRegionContains(box, {0, seen.boxRect.height() - 1});
    skinned.then([box] { click(box, 250, 150); });  // a second step: the loop keeps serving the window
  });
  const int result = skinned.frame->showMessage(utf8ToCp936("一\r\n二\r\n三\r\n四\r\n五"), 1);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(seen.interactive, 0);
  EXPECT_EQ(seen.secondCall, -1);
  EXPECT_EQ(seen.enableOffCount, 1);
  // Five lines make the box 168 high; it is centred on the 650 x 500 window.
  EXPECT_EQ(seen.boxRect, (Rect{window.left + 175, window.top + 166, window.left + 475, window.top + 334}));
  EXPECT_FALSE(seen.inRegionTopCorner);
  EXPECT_TRUE(seen.inRegionBottomCorner);

  EXPECT_EQ(skinState().chromeInteractive, 1);
  ASSERT_EQ(skinned.count(Message::Enable), 2);
  std::vector<WParam> enables;
  for (const auto& entry : skinned.received) {
    if (entry.message == Message::Enable) enables.push_back(entry.wParam);
  }
  EXPECT_EQ(enables, (std::vector<WParam>{0, 1}));
  // The class went with the box: the name is free again.
  EXPECT_TRUE(registerPopupClass("MessageBox10", defaultProcedure));
  unregisterPopupClass("MessageBox10");
}

TEST(MessageBoxWindow, RefusedBeforeAttach) {
  SkinnedWindow skinned(false);
  EXPECT_EQ(skinned.frame->showMessage("text", 1), -1);
  EXPECT_EQ(openBox(), 0u);
}

TEST(MessageBoxWindow, EnterAndEscapeDoNothing) {
  SkinnedWindow skinned;
  bool openAfterKeys = false;
  skinned.then([&] {
    const WindowHandle box = openBox();
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
      QApplication::sendEvent(widgetOf(box), &press);
      QApplication::sendEvent(widgetOf(box), &release);
    }
    skinned.then([&, box] {
      openAfterKeys = isWindow(box) && openBox() == box;
      click(box, 270, 10);
    });
  });
  EXPECT_EQ(skinned.frame->showMessage("text", 0), -1);
  EXPECT_TRUE(openAfterKeys);
}

TEST(MessageBoxWindow, HoverAndLeaveRepaintTheCloseButton) {
  SkinnedWindow skinned;
  int hovered = -1, afterLeave = -1;
  int okHover = -1;
  skinned.then([&] {
    const WindowHandle box = openBox();
    sendMouse(box, QEvent::MouseMove, 260, 10);
    hovered = messageBoxState().closeButtonState;
    sendMouse(box, QEvent::MouseMove, 150, 120);
    okHover = messageBoxState().messageBoxButtons[0].state;
    sendMessage(box, Message::MouseLeave);
    afterLeave = messageBoxState().closeButtonState;
    sendMessage(box, Message::Close);
  });
  EXPECT_EQ(skinned.frame->showMessage("text", 0), 100);
  EXPECT_EQ(hovered, 1);
  EXPECT_EQ(okHover, BoxButtonHover);
  EXPECT_EQ(afterLeave, 0);
}

TEST(MessageBoxWindow, ANewBoxShowsItsCloseButtonUnpressed) {
  SkinnedWindow skinned;
  skinned.then([] { sendMouse(openBox(), QEvent::MouseButtonPress, 270, 10); });
  skinned.then([] { sendMouse(openBox(), QEvent::MouseButtonRelease, 270, 10); });
  ASSERT_EQ(skinned.frame->showMessage("first", 1), -1);
  int stateAtOpening = -1;
  skinned.then([&] {
    stateAtOpening = messageBoxState().closeButtonState;
    sendMessage(openBox(), Message::Close);
  });
  skinned.frame->showMessage("second", 1);
  EXPECT_EQ(stateAtOpening, 0);
}

TEST(MessageBoxWindow, AClassThatCannotBeRegisteredShowsThePlainMessageBox) {
  SkinnedWindow skinned;
  ASSERT_TRUE(registerPopupClass("MessageBox10", defaultProcedure));  // taken: registering fails
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* plain = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(plain, nullptr);
    shown = plain->text();
    plain->button(QMessageBox::Ok)->click();
  });
  EXPECT_EQ(skinned.frame->showMessage("text", 1), 100);
  EXPECT_EQ(shown, QString::fromUtf8("注册窗体类名失败!"));
  EXPECT_EQ(skinState().chromeInteractive, 1);
  EXPECT_EQ(skinned.count(Message::Enable), 0);
  EXPECT_EQ(openBox(), 0u);
  unregisterPopupClass("MessageBox10");
}

TEST(MessageBoxWindow, ABoxThatDiesWhileBeingMadeReturnsAtOnce) {
  SkinnedWindow skinned;
  // The skinned window hears of the box while it is made (the disabling notice) and kills it.
  const WindowHandle window = skinned.handle();
  WindowProcedure skinProcedure = subclassWindow(window, nullptr);
  subclassWindow(window, [&](WindowHandle w, Message message, WParam wParam, LParam lParam) {
    if (message == Message::Enable && wParam == 0) {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &skinned.widget() && top->isWindow() && top->parentWidget() == &skinned.widget()) {
          destroyWindow(handleOf(top));
        }
      }
    }
    return callProcedure(skinProcedure, w, message, wParam, lParam);
  });
  EXPECT_EQ(skinned.frame->showMessage("text", 1), 100);
  EXPECT_EQ(openBox(), 0u);
  EXPECT_EQ(skinState().chromeInteractive, 1);
  EXPECT_TRUE(registerPopupClass("MessageBox10", defaultProcedure));
  unregisterPopupClass("MessageBox10");
  subclassWindow(window, skinProcedure);
  // No quit was left behind: a later box still runs its loop until it is closed.
  skinned.then([] { click(openBox(), 250, 120); });
  EXPECT_EQ(skinned.frame->showMessage("text", 1), 1);
}

// The darkest and the lightest pixel of the title's area, as grey levels.
std::pair<int, int> titleInkRange(WindowHandle box) {
  QImage shown = widgetOf(box)->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int darkest = 255, lightest = 0;
  for (int y = 8; y < 20; ++y) {
    for (int x = 26; x < 70; ++x) {
      const int grey = qGray(shown.pixel(x, y));
      darkest = std::min(darkest, grey);
      lightest = std::max(lightest, grey);
    }
  }
  return {darkest, lightest};
}

Bytes pictureOfOneColour(QRgb color) {
  QImage picture(840, 205, QImage::Format_ARGB32);
  picture.fill(color);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "PNG");
  return Bytes(png.begin(), png.end());
}

TEST(MessageBoxWindow, TheTitleIsBlackOnLightSkinsWhiteOnDarkOnesAndBlackOnPicturesThreeAndSix) {
  struct Case {
    const char* name;
    int style;
    std::uint32_t color;
    int pictureId;
    QRgb picturePixel;
    bool white;
  };
  const std::vector<Case> cases = {
      {"colour 0xD5993A", 2, 0xD5993A, 1, 0, false},
      {"colour 0x00007E", 2, 0x00007E, 1, 0, true},
      {"picture, blue 200 green 100", 1, 0, 4, qRgb(40, 100, 200), true},
      {"picture, blue 200 green 200", 1, 0, 4, qRgb(40, 200, 200), false},
      {"picture 3 on a dark grey pixel", 1, 0, 3, qRgb(120, 120, 120), false},
      {"picture 6 on a dark grey pixel", 1, 0, 6, qRgb(120, 120, 120), false},
      {"picture 4 on the same pixel", 1, 0, 4, qRgb(120, 120, 120), true},
  };
  for (const Case& test : cases) {
    SkinnedWindow skinned;
    SkinState& skin = skinState();
    skin.skinStyle = test.style;
    skin.skinColor = test.color;
    skin.skinPictureId = test.pictureId;
    if (test.style == 1) skin.skinPicture = pictureOfOneColour(test.picturePixel);
    std::pair<int, int> ink{-1, -1};
    skinned.then([&] {
      ink = titleInkRange(openBox());
      sendMessage(openBox(), Message::Close);
    });
    skinned.frame->showMessage("text", 1);
    if (test.white) {
      EXPECT_GT(ink.second, 230) << test.name;  // white strokes on the strip
    } else {
      EXPECT_LT(ink.first, 30) << test.name;  // black strokes, and no white ones
      EXPECT_LT(ink.second, 230) << test.name;
    }
  }
}

}  // namespace
}  // namespace pindora
