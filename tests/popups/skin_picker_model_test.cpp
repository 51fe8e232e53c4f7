// The skin picker's items: built and marked at opening, hover, gap clicks and replay counts.

#include <gtest/gtest.h>

#include "skin/skin_picker_model.h"

namespace pindora {
namespace {

SkinState skinWith(int style, std::uint32_t color, int pictureId) {
  SkinState skin;
  skin.skinStyle = style;
  skin.skinColor = color;
  skin.skinPictureId = pictureId;
  return skin;
}

std::vector<int> states(const std::vector<SkinThumbnail>& items) {
  std::vector<int> result;
  for (const auto& item : items) result.push_back(item.state);
  return result;
}

std::vector<int> selectedSwatches(const SkinPickerState& picker) {
  std::vector<int> entries;
  for (std::size_t i = 0; i < picker.colorSwatches.size(); ++i) {
    if (picker.colorSwatches[i].state != PickerNormal) entries.push_back(static_cast<int>(i) + 1);
  }
  return entries;
}

TEST(SkinPickerItems, LaidOutColumnByColumnWithTheirPictures) {
  SkinPickerState picker;
  buildPickerItems(picker, skinWith(1, 0, 1));
  ASSERT_EQ(picker.pickerTabs.size(), 2u);
  ASSERT_EQ(picker.colorSwatches.size(), 84u);
  ASSERT_EQ(picker.skinThumbnails.size(), 9u);
  EXPECT_EQ(picker.pickerTabs[1].rect, (ChromeRect{40, 0, 40, 30}));
  EXPECT_EQ(picker.pickerTabs[1].number, 2);
  EXPECT_FALSE(picker.pickerTabs[1].hoverPicture.empty());
  // Column 3, row 5 is entry (3 - 1) * 7 + 5 = 19.
  EXPECT_EQ(picker.colorSwatches[18].rect, (ChromeRect{42, 109, 15, 16}));
  EXPECT_EQ(picker.colorSwatches[18].color, 0x00E1F0u);
  EXPECT_EQ(picker.colorSwatches[0].color, 0x00007Eu);
  EXPECT_EQ(picker.colorSwatches[83].rect, (ChromeRect{195, 145, 15, 16}));
  EXPECT_EQ(picker.colorSwatches[83].color, 0xC6C6C6u);
  EXPECT_EQ(picker.skinThumbnails[4].rect, (ChromeRect{75, 80, 68, 43}));
  EXPECT_EQ(picker.skinThumbnails[8].rect, (ChromeRect{144, 124, 68, 43}));
  EXPECT_EQ(picker.skinThumbnails[8].number, 9);
  EXPECT_NE(picker.skinThumbnails[0].picture, picker.skinThumbnails[1].picture);
  EXPECT_FALSE(picker.skinThumbnails[8].picture.empty());
}

TEST(SkinPickerItems, TheCurrentChoiceIsMarkedAtOpening) {
  SkinPickerState picker;
  buildPickerItems(picker, skinWith(1, 0x3F0166, 4));
  EXPECT_EQ(picker.pickerTabs[0].state, PickerSelected);
  EXPECT_EQ(picker.pickerTabs[1].state, PickerNormal);
  EXPECT_EQ(states(picker.skinThumbnails), (std::vector<int>{0, 0, 0, 2, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(selectedSwatches(picker).empty());

  // Colour 0x3F0166 is in column 10 twice, rows 2 and 3.
  buildPickerItems(picker, skinWith(2, 0x3F0166, 4));
  EXPECT_EQ(picker.pickerTabs[0].state, PickerNormal);
  EXPECT_EQ(picker.pickerTabs[1].state, PickerSelected);
  EXPECT_EQ(selectedSwatches(picker), (std::vector<int>{65, 66}));
  EXPECT_EQ(states(picker.skinThumbnails), (std::vector<int>(9, 0)));

  buildPickerItems(picker, skinWith(2, 0x123456, 4));
  EXPECT_TRUE(selectedSwatches(picker).empty());
  EXPECT_EQ(picker.colorSwatches.size(), 84u);  // built anew, not appended

  // Out of range settings mark nothing.
  buildPickerItems(picker, skinWith(0, 0, 12));
  EXPECT_EQ(picker.pickerTabs[0].state, PickerNormal);
  EXPECT_EQ(picker.pickerTabs[1].state, PickerNormal);
  EXPECT_EQ(states(picker.skinThumbnails), (std::vector<int>(9, 0)));
}

TEST(SkinPickerItems, PlacedUnderTheSkinButtonEvenOffScreen) {
  SkinState skin;
  skin.pickerButton.rect = {560, 8, 14, 14};
  EXPECT_EQ(pickerScreenRect(skin, {100, 50}), (ChromeRect{459, 76, 222, 178}));
  EXPECT_EQ(pickerScreenRect(skin, {-500, -20}), (ChromeRect{-141, 6, 222, 178}));
}

TEST(SkinPickerHover, FramesThumbnailsOfTheActiveTabAndMarksSwatchesOnlyWhileOver) {
  SkinPickerState picker;
  buildPickerItems(picker, skinWith(1, 0, 4));
  auto changed = trackPickerHover(picker, packPosition(20, 50));  // over thumbnail 1
  EXPECT_EQ(states(picker.skinThumbnails), (std::vector<int>{1, 0, 0, 2, 0, 0, 0, 0, 0}));
  EXPECT_EQ(changed, (std::vector<ChromeRect>{picker.skinThumbnails[0].rect}));
  trackPickerHover(picker, packPosition(20, 90));  // over thumbnail 4, the current one
  EXPECT_EQ(states(picker.skinThumbnails), (std::vector<int>{0, 0, 0, 3, 0, 0, 0, 0, 0}));
  trackPickerHover(picker, packPosition(100, 10));  // over the colour tab
  EXPECT_EQ(states(picker.skinThumbnails), (std::vector<int>{0, 0, 0, 2, 0, 0, 0, 0, 0}));
  EXPECT_EQ(picker.pickerTabs[1].state, PickerNormal);  // x 100 is past the tabs
  trackPickerHover(picker, packPosition(60, 10));
  EXPECT_EQ(picker.pickerTabs[1].state, PickerHover);
  EXPECT_TRUE(trackPickerHover(picker, packPosition(61, 11)).empty());

  buildPickerItems(picker, skinWith(2, 0x00007E, 1));  // current colour: column 1, row 1
  trackPickerHover(picker, packPosition(10, 60));       // over column 1, row 2
  EXPECT_EQ(selectedSwatches(picker), (std::vector<int>{1, 2}));
  EXPECT_EQ(picker.colorSwatches[1].state, PickerHover);
  trackPickerHover(picker, packPosition(200, 5));
  EXPECT_EQ(selectedSwatches(picker), (std::vector<int>{1}));
  // Thumbnails are not tracked while the colour tab is active.
  trackPickerHover(picker, packPosition(20, 50));
  EXPECT_EQ(states(picker.skinThumbnails), (std::vector<int>(9, 0)));
}

class CountingEffects : public PickerEffects {
 public:
  void repaintItem(const ChromeRect&, bool) override { ++repaints; }
  void writeSetting(const char*, const Text&) override { ++writes; }
  void loadSkinPicture(int) override { ++loads; }
  void paintSkinWindow() override { ++skinPaints; }
  void refreshSkinWindow() override { ++skinRefreshes; }
  int repaints = 0, writes = 0, loads = 0, skinPaints = 0, skinRefreshes = 0;
};

TEST(SkinPickerClick, AGapClickClearsTheMarksOfTheActivePanelAndChangesNoSetting) {
  SkinPickerState picker;
  SkinState skin = skinWith(1, 0xD5993A, 4);
  skin.useConfigFile = 1;
  buildPickerItems(picker, skin);
  CountingEffects effects;
  clickPicker(picker, skin, packPosition(213, 100), effects);  // right of thumbnail 6, inside the area
  EXPECT_EQ(states(picker.skinThumbnails), (std::vector<int>(9, 0)));
  EXPECT_EQ(skin.skinPictureId, 4);
  EXPECT_EQ(skin.skinStyle, 1);
  EXPECT_EQ(effects.writes + effects.loads + effects.skinPaints + effects.skinRefreshes, 0);

  skin = skinWith(2, 0x3F0166, 1);
  skin.useConfigFile = 1;
  buildPickerItems(picker, skin);
  clickPicker(picker, skin, packPosition(24, 60), effects);  // between columns 1 and 2
  EXPECT_TRUE(selectedSwatches(picker).empty());
  EXPECT_EQ(skin.skinColor, 0x3F0166u);
  EXPECT_EQ(effects.writes + effects.loads + effects.skinPaints + effects.skinRefreshes, 0);
}

TEST(SkinPickerReplay, CountsClicksForNavigationItemsAndTitleBarButtonsOneToFive) {
  SkinState skin;
  skin.navItems.resize(2);
  skin.navItems[0].rect = {8, 30, 76, 71};
  skin.navItems[1].rect = {86, 30, 76, 71};
  skin.systemButtons.resize(7);
  for (int i = 0; i < 7; ++i) skin.systemButtons[i].rect = {600 - i * 30, 0, 28, 20};
  skin.systemButtons[5].rect = skin.systemButtons[1].rect;  // the templates overlap button 2
  skin.systemButtons[6].rect = skin.systemButtons[1].rect;
  const Point window{100, 200};
  EXPECT_EQ(replayedClickCount(skin, window, {100 + 86, 200 + 30}, false), 3);
  EXPECT_EQ(replayedClickCount(skin, window, {100 + 162, 200 + 101}, true), 2);
  EXPECT_EQ(replayedClickCount(skin, window, {100 + 163, 200 + 50}, false), 0);
  EXPECT_EQ(replayedClickCount(skin, window, {100 + 575, 200 + 10}, false), 1);  // button 2 only
  EXPECT_EQ(replayedClickCount(skin, window, {100 + 480, 200 + 10}, true), 1);   // button 5
  EXPECT_EQ(replayedClickCount(skin, window, {100 + 450, 200 + 10}, false), 0);  // button 6's place is empty
  EXPECT_EQ(replayedClickCount(skin, window, {50, 50}, false), 0);
}

}  // namespace
}  // namespace pindora
