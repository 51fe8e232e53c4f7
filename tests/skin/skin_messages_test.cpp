// The skinned window driven with messages: hover, presses, releases, double clicks, sizes,
// and what the skin passes on to the window's previous procedure.

#include <QTimer>
#include <optional>

#include "platform/gdiplus/session.h"
#include "platform/window/screen.h"
#include "skin/chrome_layout.h"
#include "skin/skin_picker_model.h"
#include "skin_fixture.h"

namespace pindora {
namespace {

using SkinMessages = SkinWindowTest;

TEST_F(SkinMessages, HoverMovesFromCloseToMaximiseWithTwoImmediateRepaints) {
  watchFromAbove();
  send(Message::MouseMove, W - 49 + 5, 5);
  EXPECT_EQ(button(CloseButton).state, StateHover);
  EXPECT_EQ(above.count(Message::Paint), 1);

  above.received.clear();
  send(Message::MouseMove, W - 76 + 5, 5);
  EXPECT_EQ(button(CloseButton).state, StateNormal);
  EXPECT_EQ(button(MaximiseRestoreButton).state, StateHover);
  EXPECT_EQ(above.count(Message::Paint), 2);
  EXPECT_EQ(below.count(Message::Paint), 0);
}

TEST_F(SkinMessages, HoverLeavesPressedButtonsAndSelectedItemsAsTheyAre) {
  addItems(2);
  button(TipButton).state = StatePressed;
  send(Message::MouseMove, W - 130 + 3, 5);
  send(Message::MouseMove, 8 + 5, 40);  // over item 1, selected
  send(Message::MouseMove, 86 + 5, 40);  // over item 2
  EXPECT_EQ(button(TipButton).state, StatePressed);
  EXPECT_EQ(skinState().navItems[0].state, StateSelected);
  EXPECT_EQ(skinState().navItems[1].state, StateHover);
  send(Message::MouseMove, 300, 300);
  EXPECT_EQ(skinState().navItems[1].state, StateNormal);
}

TEST_F(SkinMessages, MouseLeaveClearsTheTitleBarButtonsOnly) {
  addItems(2);
  send(Message::MouseMove, W - 49 + 5, 5);
  send(Message::MouseMove, 86 + 5, 40);
  send(Message::MouseLeave, 0, 0);
  EXPECT_EQ(button(CloseButton).state, StateNormal);
  EXPECT_EQ(skinState().navItems[1].state, StateHover);
  EXPECT_EQ(below.count(Message::MouseLeave), 1);
}

TEST_F(SkinMessages, CursorFollowsTheRightTopAndBottomEdgesButNotTheLeft) {
  struct Case {
    int x, y;
    CursorShape shape;
  };
  const Case cases[] = {
      {300, 300, CursorShape::Default},   {300, 2, CursorShape::SizeNS},      {300, H - 2, CursorShape::SizeNS},
      {W - 2, 300, CursorShape::SizeWE},  {W - 2, 2, CursorShape::SizeNESW},  {W - 2, H - 2, CursorShape::SizeNWSE},
      {2, 300, CursorShape::Default},     {W - 6, 300, CursorShape::Default},
  };
  for (const Case& c : cases) {
    send(Message::MouseMove, c.x, c.y);
    EXPECT_EQ(windowCursor(window), c.shape) << c.x << "," << c.y;
  }
}

TEST_F(SkinMessages, PressesOnTheFrameMoveOrSizeTheWindowByTheirPlace) {
  below.passOn = false;  // record what the skin asks for without moving anything
  const WParam none = ~WParam{0};
  struct Case {
    int x, y;
    std::optional<Message> asked;
    WParam command;
  };
  const Case cases[] = {
      {W - 11, 25, Message::CaptionLeftDown, none},
      {W - 10, 25, Message::SystemCommand, sizeCommand(ResizeEdge::Right)},
      {5, 5, Message::SystemCommand, sizeCommand(ResizeEdge::Top)},
      {5, 10, std::nullopt, none},
      {5, H - 5, Message::SystemCommand, sizeCommand(ResizeEdge::Bottom)},
      {W - 5, 5, Message::SystemCommand, sizeCommand(ResizeEdge::TopRight)},
      {W - 5, H - 5, Message::SystemCommand, sizeCommand(ResizeEdge::BottomRight)},
      {W - 49 + 5, 5, std::nullopt, none},  // the close button takes the press
  };
  for (const Case& c : cases) {
    below.received.clear();
    send(Message::LeftDown, c.x, c.y);
    send(Message::LeftUp, 300, 300);  // releases every button
    std::vector<Received> expected;
    if (c.asked) expected.push_back({*c.asked, c.asked == Message::SystemCommand ? c.command : 0, 0});
    expected.push_back({Message::LeftDown, 0, packPosition(c.x, c.y)});
    expected.push_back({Message::LeftUp, 0, packPosition(300, 300)});
    EXPECT_EQ(below.received, expected) << c.x << "," << c.y;
  }
}

TEST_F(SkinMessages, NoMoveWhileTheChromeIsNotInteractive) {
  below.passOn = false;
  skinState().chromeInteractive = 0;
  send(Message::LeftDown, 300, 300);
  EXPECT_EQ(belowMessages(), std::vector<Message>{Message::LeftDown});
}

TEST_F(SkinMessages, PressingItemsSelectsThemAndCallsTheHandlerEveryTime) {
  below.passOn = false;
  std::vector<int> calls;
  skin->setNavHandler([&](std::int32_t n) { calls.push_back(n); });
  addItems(3);
  auto states = [] {
    std::vector<int> out;
    for (const NavItem& item : skinState().navItems) out.push_back(item.state);
    return out;
  };
  EXPECT_EQ(states(), (std::vector<int>{2, 0, 0}));

  send(Message::LeftDown, 8 + 76, 30 + 71);  // item 1, its far corner: edges count
  EXPECT_EQ(calls, std::vector<int>{0});
  EXPECT_EQ(states(), (std::vector<int>{2, 0, 0}));

  send(Message::LeftDown, 8 + 2 * 78 + 1, 40);  // item 3
  send(Message::LeftDown, 8 + 2 * 78 + 1, 40);  // item 3 again, already selected
  EXPECT_EQ(calls, (std::vector<int>{0, 2, 2}));
  EXPECT_EQ(states(), (std::vector<int>{0, 0, 2}));
  // A press on an item is not on a title-bar button: it also starts a move.
  EXPECT_EQ(below.count(Message::CaptionLeftDown), 3);
}

TEST_F(SkinMessages, SkinButtonPressShowsItPressed) {
  below.passOn = false;
  // The press opens the skin picker and returns once it has closed: look while it is open.
  int stateWhileOpen = -1;
  QTimer::singleShot(0, [&] {
    stateWhileOpen = skinState().pickerButton.state;
    sendMessage(skinPickerState().pickerWindow, Message::KillFocus);
  });
  send(Message::LeftDown, W - 30 + 3, 72);
  EXPECT_EQ(stateWhileOpen, StatePressed);
  EXPECT_EQ(skinState().pickerButton.state, StateNormal);
}

TEST_F(SkinMessages, ReleasesOverTheExtraButtonsCallTheHandlerWithTheirNumber) {
  std::vector<int> calls;
  skin->setExtraButtonHandler([&](std::int32_t n) { calls.push_back(n); });
  send(Message::LeftDown, W - 130 + 3, 5);
  EXPECT_EQ(button(TipButton).state, StatePressed);
  send(Message::LeftUp, W - 130 + 3, 5);
  send(Message::LeftUp, W - 158 + 3, 5);
  send(Message::LeftUp, 300, 300);
  EXPECT_EQ(calls, (std::vector<int>{0, 1}));
  for (int n = 1; n <= 7; ++n) EXPECT_EQ(button(n).state, StateNormal) << n;
}

TEST_F(SkinMessages, ReleaseOverCloseDestroysTheWindowAndDestroyIsNotPassedOn) {
  send(Message::LeftUp, W - 49 + 5, 5);
  EXPECT_FALSE(isWindow(window));
  EXPECT_EQ(below.count(Message::Destroy), 0);
}

TEST_F(SkinMessages, DoubleClicksInTheTitleBarToggleMaximise) {
  below.passOn = false;
  struct Case {
    int x, y;
    bool toggles;
  };
  const Case cases[] = {{W - 150, 29, true}, {W - 150, 30, false}, {W - 149, 29, false}, {0, 0, true}};
  for (const Case& c : cases) {
    below.received.clear();
    send(Message::LeftDoubleClick, c.x, c.y);
    std::vector<Received> expected;
    if (c.toggles) expected.push_back({Message::SystemCommand, static_cast<WParam>(SystemCommand::Maximise), 0});
    expected.push_back({Message::LeftDoubleClick, 0, packPosition(c.x, c.y)});
    EXPECT_EQ(below.received, expected) << c.x << "," << c.y;
  }
}

TEST_F(SkinMessages, MaximiseShowsTheRestoreButtonCoversTheWorkAreaAndIgnoresPresses) {
  const Bytes maximisePicture = button(MaximiseRestoreButton).normalImage;
  const Bytes restorePicture = button(RestoreTemplate).normalImage;
  ASSERT_NE(maximisePicture, restorePicture);

  skin->systemCommand(2);
  QApplication::processEvents();
  ASSERT_EQ(windowState(window), WindowState::Maximised);
  ASSERT_EQ(skinState().systemButtons.size(), 7u);
  EXPECT_EQ(button(MaximiseRestoreButton).normalImage, restorePicture);
  EXPECT_EQ(button(MaximiseRestoreButton).state, StateNormal);
  EXPECT_EQ(windowRect(window), maximisedArea(taskbarRect(), screenSize()));
  const int width = windowRect(window).width();
  EXPECT_EQ(button(CloseButton).rect.left, width - 49);

  below.received.clear();
  below.passOn = false;
  std::vector<int> calls;
  skin->setExtraButtonHandler([&](std::int32_t n) { calls.push_back(n); });
  send(Message::MouseMove, width - 2, 300);
  EXPECT_EQ(windowCursor(window), CursorShape::Default);
  send(Message::LeftDown, 300, 300);
  send(Message::LeftUp, width - 130 + 3, 5);
  EXPECT_EQ(below.count(Message::CaptionLeftDown), 0);
  EXPECT_EQ(below.count(Message::SystemCommand), 0);
  EXPECT_EQ(calls, std::vector<int>{0});

  below.passOn = true;
  skin->systemCommand(2);
  QApplication::processEvents();
  EXPECT_EQ(windowState(window), WindowState::Normal);
  ASSERT_EQ(skinState().systemButtons.size(), 7u);
  EXPECT_EQ(button(MaximiseRestoreButton).normalImage, maximisePicture);
}

TEST_F(SkinMessages, SizeShapesTheWindowAndPlacesTheButtonsForTheNewWidth) {
  widget->resize(900, 500);
  QApplication::processEvents();
  EXPECT_EQ(button(CloseButton).rect, (ChromeRect{900 - 49, 1, 39, 19}));
  EXPECT_EQ(button(HelpButton).rect.left, 900 - 158);
  EXPECT_EQ(skinState().pickerButton.rect, (ChromeRect{900 - 30, 70, 28, 22}));
  EXPECT_FALSE(windowRegionContains(window, {0, 0}));
  EXPECT_TRUE(windowRegionContains(window, {450, 0}));
  EXPECT_FALSE(windowRegionContains(window, {899, 499}));
  EXPECT_TRUE(windowRegionContains(window, {899, 250}));
  EXPECT_GE(below.count(Message::Size), 1);
}

TEST_F(SkinMessages, PaintAndDestroyNeverReachThePreviousProcedureAndOthersDo) {
  watchFromAbove();
  invalidate(window, std::nullopt, true);
  updateNow(window);
  EXPECT_EQ(above.count(Message::Paint), 1);
  send(Message::MouseMove, 300, 300);
  send(Message::RightDown, 300, 300);
  sendMessage(window, Message::KillFocus);
  EXPECT_EQ(belowMessages(), (std::vector<Message>{Message::MouseMove, Message::RightDown, Message::KillFocus}));

  EXPECT_EQ(sendMessage(window, Message::Destroy), 0);
  EXPECT_EQ(below.count(Message::Destroy), 0);
  QApplication::processEvents();  // takes the quit the skin posted; no loop runs
}

TEST_F(SkinMessages, DestroyingTheSkinGivesTheWindowItsPreviousProcedureBackAndEndsTheSession) {
  invalidate(window, std::nullopt, false);
  updateNow(window);  // a paint made and released its drawing objects
  ASSERT_TRUE(gdiplus::sessionRunning());
  skin.reset();
  EXPECT_FALSE(gdiplus::sessionRunning());
  EXPECT_EQ(gdiplus::liveSessionObjects(), 0);
  invalidate(window, std::nullopt, false);
  updateNow(window);
  send(Message::LeftDown, 300, 300);
  EXPECT_EQ(below.count(Message::Paint), 1);
  EXPECT_EQ(below.count(Message::LeftDown), 1);
}

TEST_F(SkinMessages, NoticeAndSkinButtonChangesRepaintAtOnce) {
  watchFromAbove();
  EXPECT_TRUE(skin->setNotice("new notice"));
  EXPECT_EQ(skin->noticeText(), "new notice");
  EXPECT_EQ(above.count(Message::Paint), 1);
  send(Message::MouseMove, W - 30 + 3, 72);
  EXPECT_EQ(skinState().pickerButton.state, StateHover);
  EXPECT_EQ(above.count(Message::Paint), 2);
}

TEST_F(SkinMessages, OperationsBeforeAttachRefuseAndASecondAttachChangesNothing) {
  SkinFrame fresh;
  EXPECT_FALSE(fresh.setNotice("x"));
  EXPECT_FALSE(fresh.addNavItem("x", {}));
  EXPECT_FALSE(fresh.setNavHandler([](std::int32_t) {}));
  EXPECT_FALSE(fresh.setExtraButtonHandler([](std::int32_t) {}));

  ASSERT_TRUE(skin->setNotice("notice"));
  ASSERT_TRUE(skin->addNavItem("one", {}));
  skin->attach(window, true);
  EXPECT_EQ(skin->noticeText(), "notice");
  EXPECT_EQ(skinState().systemButtons.size(), 7u);
  EXPECT_EQ(skinState().navItems.size(), 1u);
  EXPECT_EQ(skinState().useConfigFile, 0);
}

TEST(ChromeHitTest, BothEdgesCountAndYIsSigned) {
  const ChromeRect rect{8, 30, 76, 71};
  struct Case {
    int x, y;
    bool inside;
  };
  const Case cases[] = {{8, 30, true},  {84, 101, true}, {85, 50, false}, {7, 50, false},
                        {50, 102, false}, {50, 29, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(pointInRect(rect, packPosition(c.x, c.y)), c.inside) << c.x << "," << c.y;
    EXPECT_EQ(pointInRectXY(rect, c.x, c.y), c.inside) << c.x << "," << c.y;
  }
  EXPECT_TRUE(pointInRect({0, -10, 20, 20}, packPosition(5, -3)));
}

TEST(ChromeLayout, MaximisedAreaLeavesTheTaskbarOnItsSide) {
  const Size screen{1280, 1024};
  struct Case {
    Rect taskbar, area;
  };
  const Case cases[] = {
      {{0, 984, 1280, 1024}, {0, 0, 1280, 984}},     // bottom
      {{1200, 0, 1280, 1024}, {0, 0, 1200, 1024}},   // right
      {{0, 0, 80, 1024}, {80, 0, 1280, 1024}},       // left
      {{0, 0, 1280, 40}, {0, 40, 1280, 1024}},       // top
      {{0, 1024, 1280, 1024}, {0, 0, 1280, 1024}},   // none: a strip of height 0 at the bottom
  };
  for (const Case& c : cases) EXPECT_EQ(maximisedArea(c.taskbar, screen), c.area);
}

}  // namespace
}  // namespace pindora
