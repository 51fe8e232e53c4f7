// The skin picker as a real popup over a skinned window: opened by a press on the skin button,
// driven by real mouse events, with config.ini beside the test program.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <QMessageBox>

#include "assets/assets.h"
#include "platform/profile/profile.h"
#include "platform/window/popup.h"
#include "platform/window/screen.h"
#include "skin/skin_picker_model.h"
#include "skin/skin_settings.h"
#include "skinned_window.h"

namespace pindora {
namespace {

WindowHandle openPicker() { return skinPickerState().pickerWindow; }

// Presses the skin button of the skinned window and runs the step inside the picker's loop;
// returns when the picker has closed. (The release would go to the picker, which holds the
// capture.)
void pressSkinButton(SkinnedWindow& skinned, std::function<void()> step) {
  const ChromeRect& button = skinState().pickerButton.rect;
  const Rect window = windowRect(skinned.handle());
  // The pointer comes to the button first, as a real one would, and its move is handled.
  setCursorPosition({window.left + button.left + 5, window.top + button.top + 5});
  QApplication::processEvents();
  skinned.then(std::move(step));
  sendMouse(skinned.handle(), QEvent::MouseButtonPress, button.left + 5, button.top + 5);
}

std::string configText() {
  QFile file(QString::fromStdString(skinConfigPath()));
  if (!file.open(QIODevice::ReadOnly)) return "(no file)";
  return file.readAll().toStdString();
}

void removeConfig() { QFile::remove(QString::fromStdString(skinConfigPath())); }

// A left or right click on the popup with the cursor at a screen point outside it.
void clickOutside(WindowHandle popup, Point screenPoint, Qt::MouseButton button = Qt::LeftButton) {
  const Rect place = windowRect(popup);
  sendMouse(popup, QEvent::MouseButtonPress, screenPoint.x - place.left, screenPoint.y - place.top, button);
}

const Point nowhere{2, 2};  // no window of the program there

std::vector<int> thumbnailStates() {
  std::vector<int> result;
  for (const auto& thumbnail : skinPickerState().skinThumbnails) result.push_back(thumbnail.state);
  return result;
}

TEST(SkinPickerWindow, OpensUnderTheSkinButtonAndClosesOnAClickOutside) {
  SkinnedWindow skinned;
  const Rect window = windowRect(skinned.handle());
  Rect place;
  int buttonState = -1;
  bool captured = false;
  pressSkinButton(skinned, [&] {
    const WindowHandle popup = openPicker();
    place = windowRect(popup);
    buttonState = skinState().pickerButton.state;
    captured = captureWindow() == popup;
    clickOutside(popup, nowhere);
  });
  const ChromeRect& button = skinState().pickerButton.rect;
  EXPECT_EQ(place, (Rect{window.left + button.left - 201, window.top + button.top + 18,
                         window.left + button.left - 201 + 222, window.top + button.top + 18 + 178}));
  EXPECT_EQ(buttonState, StatePressed);
  EXPECT_TRUE(captured);
  EXPECT_EQ(openPicker(), 0u);
  EXPECT_EQ(skinState().pickerButton.state, StateNormal);
  EXPECT_EQ(captureWindow(), 0u);
  EXPECT_TRUE(skinPickerState().colorSwatches.empty());
  EXPECT_TRUE(registerPopupClass("SkinEdit10", defaultProcedure));  // the class went with the popup
  unregisterPopupClass("SkinEdit10");
}

TEST(SkinPickerWindow, ChoicesApplyAtOnceAndAreWrittenToConfigIni) {
  removeConfig();
  SkinnedWindow skinned(true, true);
  ASSERT_EQ(configText(), "");  // attach made it empty: picture 1, the plain default colour
  ASSERT_EQ(skinState().skinStyle, 1);
  struct Seen {
    int tab1 = -1, tab2 = -1;
    std::string afterThumbnail7, afterThumbnail1, afterRepeat, afterSwatch;
    Bytes picture7;
    std::uint32_t colourAfter7 = 0, colourAfter1 = 0;
    int pictureAfterRepeat = 0;
    std::vector<int> thumbnailsAfterSwatch;
  } seen;
  pressSkinButton(skinned, [&] {
    const WindowHandle popup = openPicker();
    seen.tab1 = skinPickerState().pickerTabs[0].state;
    seen.tab2 = skinPickerState().pickerTabs[1].state;
    click(popup, 20, 15);   // the picture tab, active already: nothing changes
    click(popup, 20, 130);  // thumbnail 7
    seen.afterThumbnail7 = configText();
    seen.picture7 = skinState().skinPicture;
    seen.colourAfter7 = skinState().skinColor;
    click(popup, 20, 50);   // thumbnail 1
    seen.afterThumbnail1 = configText();
    seen.colourAfter1 = skinState().skinColor;
    removeConfig();
    click(popup, 20, 50);   // thumbnail 1 again: the current choice
    seen.afterRepeat = configText();
    seen.pictureAfterRepeat = skinState().skinPictureId;
    click(popup, 60, 15);   // colour tab
    click(popup, 10, 40);   // column 1, row 1
    seen.afterSwatch = configText();
    seen.thumbnailsAfterSwatch = thumbnailStates();
    clickOutside(popup, nowhere);
  });
  EXPECT_EQ(seen.tab1, PickerSelected);
  EXPECT_EQ(seen.tab2, PickerNormal);
  EXPECT_EQ(seen.afterThumbnail7, "[Skin]\r\nstyle=1\r\npicid=7\r\n");
  EXPECT_EQ(seen.picture7, backgroundPicture(7));
  EXPECT_EQ(seen.colourAfter7, defaultSkinColor);
  EXPECT_EQ(seen.afterThumbnail1, "[Skin]\r\nstyle=1\r\npicid=1\r\ncolor=13998394\r\n");
  EXPECT_EQ(seen.colourAfter1, 0xD5993Au);
  EXPECT_EQ(seen.afterRepeat, "(no file)");
  EXPECT_EQ(seen.pictureAfterRepeat, 1);
  EXPECT_EQ(seen.afterSwatch, "[Skin]\r\nstyle=2\r\ncolor=126\r\n");
  EXPECT_EQ(seen.thumbnailsAfterSwatch, std::vector<int>(9, PickerNormal));
  EXPECT_EQ(skinState().skinStyle, 2);
  EXPECT_EQ(skinState().skinColor, 0x00007Eu);
  // The skinned window wears the chosen colour.
  QImage shown = skinned.widget().grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(300, 15)), QColor(0x7E, 0, 0));
  // The choice survives a restart: a skin attached anew reads it back.
  {
    SkinnedWindow restarted(true, true);
    EXPECT_EQ(skinState().skinStyle, 2);
    EXPECT_EQ(skinState().skinColor, 0x00007Eu);
  }
  removeConfig();
}

TEST(SkinPickerWindow, WithoutConfigIniAChoiceChangesOnlyTheSkinInMemory) {
  removeConfig();
  SkinnedWindow skinned(true, false);
  pressSkinButton(skinned, [&] {
    const WindowHandle popup = openPicker();
    click(popup, 60, 15);
    click(popup, 30, 100);  // column 2, row 4
    clickOutside(popup, nowhere);
  });
  EXPECT_EQ(skinState().skinStyle, 2);
  EXPECT_EQ(skinState().skinColor, 0x0791E8u);
  EXPECT_EQ(configText(), "(no file)");
}

TEST(SkinPickerWindow, GapClicksClearTheMarksOfTheActivePanel) {
  SkinnedWindow skinned;
  skinState().skinStyle = 1;
  skinState().skinPictureId = 5;
  std::vector<int> before, after;
  pressSkinButton(skinned, [&] {
    const WindowHandle popup = openPicker();
    before = thumbnailStates();
    click(popup, 213, 100);  // inside the thumbnail area, right of thumbnail 6
    after = thumbnailStates();
    clickOutside(popup, nowhere);
  });
  EXPECT_EQ(before, (std::vector<int>{0, 0, 0, 0, 2, 0, 0, 0, 0}));
  EXPECT_EQ(after, std::vector<int>(9, 0));
  EXPECT_EQ(skinState().skinPictureId, 5);
}

// Replayed clicks arrive through the event queue after the picker has gone.
void settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

struct ReplayCase {
  const char* name;
  bool maximised;
  std::function<Point(const Rect& window)> cursor;
  int presses;
  int navClicks;
  int extraClicks;
};

TEST(SkinPickerWindow, AClickOutsideIsReplayedOnANavigationItemOrTitleBarButton) {
  const std::vector<ReplayCase> cases = {
      {"navigation item 2", false, [](const Rect& w) { return Point{w.left + 86 + 30, w.top + 60}; }, 3, 3, 0},
      {"navigation item 2, maximised", true,
       [](const Rect& w) { return Point{w.left + 86 + 30, w.top + 60}; }, 2, 2, 0},
      {"title-bar button 4", false,
       [](const Rect& w) { return Point{w.left + skinState().systemButtons[3].rect.left + 5, w.top + 5}; }, 1, 0, 1},
      {"the content panel", false, [](const Rect& w) { return Point{w.left + 300, w.top + 300}; }, 0, 0, 0},
      {"outside every window", false, [](const Rect&) { return nowhere; }, 0, 0, 0},
  };
  for (const ReplayCase& test : cases) {
    SkinnedWindow skinned;
    int navClicks = 0, extraClicks = 0;
    std::vector<int> navNumbers;
    skinned.frame->setNavHandler([&](std::int32_t n) { ++navClicks, navNumbers.push_back(n); });
    skinned.frame->setExtraButtonHandler([&](std::int32_t) { ++extraClicks; });
    for (const char* label : {"  首页", "关于我们", "联系我们"}) {
      skinned.frame->addNavItem(utf8ToCp936(label), assetCopy("app/nav_home.png"));
    }
    if (test.maximised) {
      skinned.widget().showMaximized();
      settle();
      ASSERT_EQ(windowState(skinned.handle()), WindowState::Maximised) << test.name;
    }
    auto pressCount = [&] { return skinned.count(Message::LeftDown) + skinned.count(Message::LeftDoubleClick); };
    const int pressesBefore = pressCount();
    pressSkinButton(skinned, [&] {
      clickOutside(openPicker(), test.cursor(windowRect(skinned.handle())));
    });
    settle();
    const int presses = pressCount() - pressesBefore - 1;  // less the press that opened the picker
    EXPECT_EQ(openPicker(), 0u) << test.name;
    EXPECT_EQ(presses, test.presses) << test.name;
    EXPECT_EQ(navClicks, test.navClicks) << test.name;
    EXPECT_EQ(extraClicks, test.extraClicks) << test.name;
    if (test.navClicks > 0) {
      EXPECT_EQ(navNumbers.back(), 1) << test.name;
    }
  }
}

TEST(SkinPickerWindow, ARightClickOutsideClosesWithoutReplayAndInsideDoesNothing) {
  SkinnedWindow skinned;
  int navClicks = 0;
  skinned.frame->setNavHandler([&](std::int32_t) { ++navClicks; });
  skinned.frame->addNavItem(utf8ToCp936("  首页"), assetCopy("app/nav_home.png"));
  bool openAfterInside = false;
  pressSkinButton(skinned, [&] {
    const WindowHandle popup = openPicker();
    const Rect place = windowRect(popup);
    setCursorPosition({place.left + 100, place.top + 100});
    sendMouse(popup, QEvent::MouseButtonPress, 100, 100, Qt::RightButton);
    openAfterInside = isWindow(popup) && openPicker() == popup;
    const Rect window = windowRect(skinned.handle());
    clickOutside(popup, {window.left + 30, window.top + 60}, Qt::RightButton);  // over navigation item 1
  });
  settle();
  EXPECT_TRUE(openAfterInside);
  EXPECT_EQ(openPicker(), 0u);
  EXPECT_EQ(navClicks, 0);
  EXPECT_EQ(skinState().pickerButton.state, StateNormal);
}

TEST(SkinPickerWindow, LosingTheFocusClosesIt) {
  SkinnedWindow skinned;
  QWidget other;
  other.setGeometry(900, 600, 100, 100);
  bool closedByActivation = false;
  pressSkinButton(skinned, [&] {
    other.show();
    other.activateWindow();
    settle();
    closedByActivation = openPicker() == 0;
    if (!closedByActivation) sendMessage(openPicker(), Message::Close);  // ends the loop all the same
  });
  EXPECT_TRUE(closedByActivation);
  EXPECT_EQ(openPicker(), 0u);
  EXPECT_EQ(skinState().pickerButton.state, StateNormal);
}

TEST(SkinPickerWindow, EveryOpeningStartsFromTheCurrentChoice) {
  SkinnedWindow skinned;
  skinState().skinStyle = 1;
  skinState().skinPictureId = 2;
  pressSkinButton(skinned, [&] {
    const WindowHandle popup = openPicker();
    sendMouse(popup, QEvent::MouseMove, 100, 50);  // hover thumbnail 2
    click(popup, 60, 15);                          // colour tab, no choice made
    clickOutside(popup, nowhere);
  });
  int tab1 = -1, tab2 = -1;
  std::vector<int> thumbnails;
  pressSkinButton(skinned, [&] {
    tab1 = skinPickerState().pickerTabs[0].state;
    tab2 = skinPickerState().pickerTabs[1].state;
    thumbnails = thumbnailStates();
    clickOutside(openPicker(), nowhere);
  });
  EXPECT_EQ(tab1, PickerSelected);
  EXPECT_EQ(tab2, PickerNormal);
  EXPECT_EQ(thumbnails, (std::vector<int>{0, 2, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(SkinPickerWindow, ShowsThePictureWithItsAlphaAndTheColourGrid) {
  SkinnedWindow skinned;
  skinState().skinStyle = 2;
  skinState().skinColor = 0x0069AC;  // column 2, row 3
  QImage shown;
  pressSkinButton(skinned, [&] {
    const WindowHandle popup = openPicker();
    shown = widgetOf(popup)->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    clickOutside(popup, nowhere);
  });
  ASSERT_EQ(shown.size(), QSize(222, 178));
  EXPECT_LT(qAlpha(shown.pixel(0, 0)), 255);           // rounded, shadowed corner
  EXPECT_EQ(qAlpha(shown.pixel(111, 20)), 255);        // the panel is opaque
  EXPECT_EQ(shown.pixel(7, 36), qRgb(0, 0, 0));        // the grid's outline
  EXPECT_EQ(shown.pixel(200, 150), qRgb(0xC6, 0xC6, 0xC6));  // column 12, row 7
  // The current colour's swatch carries the mark: it differs from its plain neighbour below.
  EXPECT_NE(shown.pixel(32, 81), qRgb(0xAC, 0x69, 0x00));
  EXPECT_EQ(shown.pixel(32, 99), qRgb(0xE8, 0x91, 0x07));
}

TEST(SkinPickerWindow, AClassThatCannotBeRegisteredShowsThePlainMessageBox) {
  SkinnedWindow skinned;
  ASSERT_TRUE(registerPopupClass("SkinEdit10", defaultProcedure));
  QString shown;
  pressSkinButton(skinned, [&] {  // runs in the plain message box's loop
    auto* plain = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(plain, nullptr);
    shown = plain->text();
    plain->button(QMessageBox::Ok)->click();
  });
  EXPECT_EQ(shown, QString::fromUtf8("注册窗体类名失败!"));
  EXPECT_EQ(openPicker(), 0u);
  EXPECT_EQ(skinState().pickerButton.state, StatePressed);  // nothing closed the picker
  unregisterPopupClass("SkinEdit10");
}

}  // namespace
}  // namespace pindora
