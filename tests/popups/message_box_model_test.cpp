// The message box's layout and its mouse rules, on the box state alone.

#include <gtest/gtest.h>

#include "assets/assets.h"
#include "platform/codepage/codepage.h"
#include "skin/message_box_model.h"

namespace pindora {
namespace {

const Text ok = utf8ToCp936("确定");
const Text cancel = utf8ToCp936("取消");

struct ExpectedButton {
  int left;
  Text label;
  int state;
  int isDefault;
};

void expectButtons(const MessageBoxState& box, const std::vector<ExpectedButton>& expected, const char* name) {
  ASSERT_EQ(box.messageBoxButtons.size(), expected.size()) << name;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const MessageBoxButton& button = box.messageBoxButtons[i];
    EXPECT_EQ(button.rect, (ChromeRect{expected[i].left, box.messageBoxHeight - 30, 69, 21})) << name << " " << i;
    EXPECT_EQ(button.label, expected[i].label) << name << " " << i;
    EXPECT_EQ(button.state, expected[i].state) << name << " " << i;
    EXPECT_EQ(button.isDefault, expected[i].isDefault) << name << " " << i;
  }
}

TEST(MessageBoxLayout, ButtonsByKindAndDefault) {
  struct Case {
    const char* name;
    std::optional<int> buttons;
    std::optional<int> defaultButton;
    std::vector<ExpectedButton> expected;
  };
  const std::vector<Case> cases = {
      {"ok only", 1, std::nullopt, {{218, ok, BoxButtonDefaultLook, 1}}},
      {"cancel only", 2, std::nullopt, {{218, cancel, BoxButtonDefaultLook, 1}}},
      {"cancel only, default 2", 2, 2, {{218, cancel, BoxButtonDefaultLook, 1}}},
      {"both (0)", 0, std::nullopt, {{140, ok, BoxButtonDefaultLook, 1}, {218, cancel, BoxButtonNormal, 0}}},
      {"both (3)", 3, 1, {{140, ok, BoxButtonDefaultLook, 1}, {218, cancel, BoxButtonNormal, 0}}},
      {"both (omitted)", std::nullopt, std::nullopt,
       {{140, ok, BoxButtonDefaultLook, 1}, {218, cancel, BoxButtonNormal, 0}}},
      {"both, default 2", 0, 2, {{140, ok, BoxButtonNormal, 0}, {218, cancel, BoxButtonDefaultLook, 1}}},
      {"both, default 7 counts as 1", 0, 7,
       {{140, ok, BoxButtonDefaultLook, 1}, {218, cancel, BoxButtonNormal, 0}}},
  };
  for (const Case& test : cases) {
    MessageBoxState box;
    prepareMessageBox(box, "x", test.buttons, std::nullopt, test.defaultButton, std::nullopt);
    expectButtons(box, test.expected, test.name);
    EXPECT_EQ(box.messageBoxResult, 100) << test.name;
  }
}

TEST(MessageBoxLayout, LinesAndHeight) {
  struct Case {
    const char* name;
    std::string utf8;
    std::vector<std::string> lines;
    int height;
  };
  const std::string long40 = "一二三四五六七八九十甲乙丙丁戊己庚辛壬癸";
  const std::vector<Case> cases = {
      {"empty text", "", {}, 140},
      {"three lines", "a\r\nb\r\nc", {"a", "b", "c"}, 140},
      {"trailing separator adds no line", "a\r\nb\r\nc\r\n", {"a", "b", "c"}, 140},
      {"empty line between separators", "a\r\n\r\nb", {"a", "", "b"}, 140},
      {"five lines", "1\r\n2\r\n3\r\n4\r\n5", {"1", "2", "3", "4", "5"}, 168},
      {"long piece chopped", "a\r\n" + long40, {"a", "一二三四五六七八九十甲乙丙丁戊己", "庚辛壬癸"}, 140},
      {"lone LF is no separator", "a\nb", {"a\nb"}, 140},
  };
  for (const Case& test : cases) {
    MessageBoxState box;
    prepareMessageBox(box, utf8ToCp936(test.utf8), 1, std::nullopt, std::nullopt, std::nullopt);
    std::vector<std::string> lines;
    for (const Text& line : box.messageBoxLines) lines.push_back(cp936ToUtf8(line));
    EXPECT_EQ(lines, test.lines) << test.name;
    EXPECT_EQ(box.messageBoxHeight, test.height) << test.name;
  }
  // No upper limit on the height.
  std::string many;
  for (int i = 0; i < 60; ++i) many += "line\r\n";
  MessageBoxState box;
  prepareMessageBox(box, many, 0, std::nullopt, std::nullopt, std::nullopt);
  EXPECT_EQ(box.messageBoxHeight, 140 + 57 * 14);
  EXPECT_EQ(box.messageBoxButtons[0].rect.top, box.messageBoxHeight - 30);
}

TEST(MessageBoxLayout, TitleAndIcon) {
  MessageBoxState box;
  prepareMessageBox(box, "x", 1, std::nullopt, std::nullopt, std::nullopt);
  EXPECT_EQ(box.messageBoxTitle, utf8ToCp936("信息："));
  prepareMessageBox(box, "x", 1, std::nullopt, std::nullopt, Text());
  EXPECT_EQ(box.messageBoxTitle, "");  // a given empty title stays empty
  prepareMessageBox(box, "x", 0, 4, 1, utf8ToCp936("提示："));
  EXPECT_EQ(box.messageBoxTitle, utf8ToCp936("提示："));

  const std::vector<std::pair<std::optional<int>, const char*>> icons = {
      {1, "msgbox/icon_success.png"}, {2, "msgbox/icon_warning.png"},  {3, "msgbox/icon_error.png"},
      {4, "msgbox/icon_question.png"}, {0, "msgbox/icon_information.png"}, {9, "msgbox/icon_information.png"},
      {std::nullopt, "msgbox/icon_information.png"}};
  for (const auto& [icon, name] : icons) {
    prepareMessageBox(box, "x", 1, icon, std::nullopt, std::nullopt);
    auto expected = assetBytes(name);
    ASSERT_FALSE(expected.empty()) << name;
    EXPECT_EQ(box.messageBoxIcon, Bytes(expected.begin(), expected.end())) << name;
  }
}

MessageBoxState twoButtonBox() {
  MessageBoxState box;
  prepareMessageBox(box, "x", 0, std::nullopt, 1, std::nullopt);
  box.closeButtonRect = {250, 0, 40, 20};
  return box;
}

TEST(MessageBoxMouse, HoverMovesBetweenTheButtonsAndBackToTheirRestingLook) {
  MessageBoxState box = twoButtonBox();
  auto repaints = trackMessageBoxHover(box, packPosition(150, 115));  // over "确定"
  EXPECT_EQ(box.messageBoxButtons[0].state, BoxButtonHover);
  EXPECT_EQ(repaints, (std::vector<BoxRepaint>{{box.messageBoxButtons[0].rect, true}}));

  repaints = trackMessageBoxHover(box, packPosition(220, 115));  // over "取消"
  EXPECT_EQ(box.messageBoxButtons[0].state, BoxButtonDefaultLook);  // the default returns to its look
  EXPECT_EQ(box.messageBoxButtons[1].state, BoxButtonHover);
  EXPECT_EQ(repaints, (std::vector<BoxRepaint>{{box.messageBoxButtons[0].rect, false},
                                               {box.messageBoxButtons[1].rect, true}}));

  repaints = trackMessageBoxHover(box, packPosition(260, 10));  // over the close button
  EXPECT_EQ(box.closeButtonState, 1);
  EXPECT_EQ(box.messageBoxButtons[1].state, BoxButtonNormal);
  EXPECT_EQ(repaints.size(), 2u);
  EXPECT_TRUE(trackMessageBoxHover(box, packPosition(261, 11)).empty());  // no change, no repaint

  EXPECT_EQ(leaveMessageBox(box), (BoxRepaint{box.closeButtonRect, true}));
  EXPECT_EQ(box.closeButtonState, 0);
  EXPECT_EQ(leaveMessageBox(box), std::nullopt);
}

TEST(MessageBoxMouse, PressAndReleaseAnywhere) {
  MessageBoxState box = twoButtonBox();
  BoxPress press = pressMessageBox(box, packPosition(100, 60));  // on the text: drags the box
  EXPECT_TRUE(press.startDrag);
  EXPECT_FALSE(press.repaint);

  press = pressMessageBox(box, packPosition(209, 131));  // right and bottom edges belong to the button
  EXPECT_FALSE(press.startDrag);
  EXPECT_EQ(box.messageBoxButtons[0].state, BoxButtonPressed);
  trackMessageBoxHover(box, packPosition(200, 120));
  EXPECT_EQ(box.messageBoxButtons[0].state, BoxButtonPressed);  // stays pressed under the mouse

  EXPECT_FALSE(releaseMessageBox(box, packPosition(100, 60)));
  EXPECT_EQ(box.messageBoxResult, 100);

  // A press elsewhere followed by a release over a button still closes with that button.
  EXPECT_TRUE(releaseMessageBox(box, packPosition(218, 110)));
  EXPECT_EQ(box.messageBoxResult, 0);
  EXPECT_TRUE(releaseMessageBox(box, packPosition(140, 110)));
  EXPECT_EQ(box.messageBoxResult, 1);

  press = pressMessageBox(box, packPosition(290, 20));
  EXPECT_EQ(box.closeButtonState, 2);
  EXPECT_EQ(press.repaint, (BoxRepaint{box.closeButtonRect, true}));
  EXPECT_TRUE(releaseMessageBox(box, packPosition(250, 0)));
  EXPECT_EQ(box.messageBoxResult, -1);
}

TEST(MessageBoxTitle, ColourFollowsTheSampleExceptOnPicturesThreeAndSix) {
  struct Case {
    const char* name;
    int style;
    int pictureId;
    std::uint32_t sample;
    std::uint32_t expected;
  };
  const std::vector<Case> cases = {
      {"light colour 0xD5993A", 2, 1, 0xD5993A, 0xFF000000},
      {"dark red 0x00007E", 2, 1, 0x00007E, 0xFFFFFFFF},
      {"picture 1 uses the colour", 1, 1, 0x00007E, 0xFFFFFFFF},
      {"picture pixel blue 200 green 100", 1, 4, 0xFF0064C8, 0xFFFFFFFF},
      {"picture pixel blue 200 green 200", 1, 4, 0xFF00C8C8, 0xFF000000},
      {"picture 3 is always black", 1, 3, 0xFF000000, 0xFF000000},
      {"picture 6 is always black", 1, 6, 0xFF101010, 0xFF000000},
      {"colour style on picture id 3 follows the colour", 2, 3, 0x00007E, 0xFFFFFFFF},
  };
  for (const Case& test : cases) {
    SkinState skin;
    skin.skinStyle = test.style;
    skin.skinPictureId = test.pictureId;
    EXPECT_EQ(messageBoxTitleColor(skin, test.sample), test.expected) << test.name;
  }
}

}  // namespace
}  // namespace pindora
