#include "skin/skin_picker_model.h"

#include <string>

#include "assets/assets.h"

namespace pindora {

namespace {

constexpr std::uint32_t firstPictureColor = 0xD5993A;  // the colour that goes with picture 1

ChromeRect tabRect(int number) { return {(number - 1) * 40, 0, 40, 30}; }

ChromeRect thumbnailRect(int number) {
  static constexpr int rowTops[] = {36, 80, 124};
  return {((number - 1) % 3) * 69 + 6, rowTops[(number - 1) / 3], 68, 43};
}

ChromeRect swatchRect(int column, int row) { return {(column - 1) * 17 + 8, (row - 1) * 18 + 37, 15, 16}; }

bool isSelected(std::int32_t state) { return state == PickerSelected || state == PickerSelectedHover; }

// The hover rule of tabs and thumbnails; true when the state changed.
bool followHover(std::int32_t& state, bool inside) {
  std::int32_t before = state;
  if (inside) {
    if (state == PickerSelected) state = PickerSelectedHover;
    else if (state == PickerNormal) state = PickerHover;
  } else {
    if (state == PickerSelectedHover) state = PickerSelected;
    else if (state == PickerHover) state = PickerNormal;
  }
  return state != before;
}

void clickTabs(SkinPickerState& picker, LParam position, PickerEffects& effects) {
  for (PickerTab& tab : picker.pickerTabs) {
    if (pointInRect(tab.rect, position)) {
      if (!isSelected(tab.state)) {
        tab.state = PickerSelected;
        effects.repaintItem(tab.rect, false);
      }
    } else if (pointInRect(tabStripArea, position)) {
      tab.state = PickerNormal;
      effects.repaintItem(tab.rect, false);
    }
  }
}

void chooseThumbnail(SkinPickerState& picker, SkinState& skin, SkinThumbnail& chosen, PickerEffects& effects) {
  chosen.state = PickerSelected;
  effects.repaintItem(chosen.rect, false);
  for (ColorSwatch& swatch : picker.colorSwatches) {
    if (swatch.state == PickerSelected) {
      swatch.state = PickerNormal;
      effects.repaintItem(swatch.rect, true);
    }
  }
  const int number = chosen.number;
  if (number == 1) {
    skin.skinColor = firstPictureColor;
    skin.skinStyle = SkinStylePicture;
    if (skin.useConfigFile == 1) {
      effects.writeSetting("picid", "1");
      effects.writeSetting("style", "1");
      effects.writeSetting("color", std::to_string(firstPictureColor));
    }
  } else {
    skin.skinStyle = SkinStylePicture;
    if (skin.useConfigFile == 1) {
      effects.writeSetting("style", "1");
      effects.writeSetting("picid", std::to_string(number));
    }
    effects.loadSkinPicture(number);
  }
  effects.paintSkinWindow();
  skin.skinPictureId = number;
  effects.refreshSkinWindow();
}

void clickThumbnails(SkinPickerState& picker, SkinState& skin, LParam position, PickerEffects& effects) {
  for (SkinThumbnail& thumbnail : picker.skinThumbnails) {
    if (pointInRect(thumbnail.rect, position)) {
      if (isSelected(thumbnail.state)) {
        skin.skinPictureId = thumbnail.number;
        effects.refreshSkinWindow();
      } else {
        chooseThumbnail(picker, skin, thumbnail, effects);
      }
    } else if (pointInRect(thumbnailArea, position)) {
      thumbnail.state = PickerNormal;
      effects.repaintItem(thumbnail.rect, false);
    }
  }
}

void chooseSwatch(SkinPickerState& picker, SkinState& skin, ColorSwatch& chosen, PickerEffects& effects) {
  chosen.state = PickerSelected;
  effects.repaintItem(chosen.rect, true);
  for (SkinThumbnail& thumbnail : picker.skinThumbnails) {
    if (thumbnail.state == PickerSelected) {
      thumbnail.state = PickerNormal;
      effects.repaintItem(thumbnail.rect, true);
    }
  }
  skin.skinColor = chosen.color;
  skin.skinStyle = SkinStyleColor;
  if (skin.useConfigFile == 1) {
    effects.writeSetting("style", "2");
    effects.writeSetting("color", std::to_string(chosen.color));
  }
  effects.paintSkinWindow();
  effects.refreshSkinWindow();
}

void clickSwatches(SkinPickerState& picker, SkinState& skin, LParam position, PickerEffects& effects) {
  for (ColorSwatch& swatch : picker.colorSwatches) {
    if (pointInRect(swatch.rect, position)) {
      if (swatch.state == PickerSelected) effects.refreshSkinWindow();
      else chooseSwatch(picker, skin, swatch, effects);
    } else if (pointInRect(swatchArea, position) && swatch.state == PickerSelected) {
      swatch.state = PickerNormal;
      effects.repaintItem(swatch.rect, true);
    }
  }
}

}  // namespace

const std::array<std::array<std::uint32_t, swatchColumns>, swatchRows> swatchColors = {{
    {0x00007E, 0x004A84, 0x006774, 0x006A48, 0x565C00, 0x6C4B0B, 0x583100, 0x4C0001, 0x4A002F, 0x400050, 0x350170, 0x202020},
    {0x000096, 0x005496, 0x008996, 0x00764D, 0x616800, 0x825500, 0x743C00, 0x742E00, 0x410044, 0x3F0166, 0x2E00A4, 0x353535},
    {0x0000B2, 0x0069AC, 0x01B6C2, 0x0F946A, 0x7A8200, 0xAA7400, 0x864B00, 0x843400, 0x7A0053, 0x3F0166, 0x3500BE, 0x4F4F4F},
    {0x0500E6, 0x0791E8, 0x00CFDC, 0x14AD7C, 0x8F9C00, 0xB88600, 0xBE6733, 0x9E4600, 0x86005B, 0x631EA9, 0x4600E6, 0x6E6E6E},
    {0x2B44D8, 0x0095F4, 0x00E1F0, 0x1FC28E, 0x9DAC00, 0xE49C01, 0xC98944, 0xC56A4A, 0xA6317B, 0x700CD7, 0x7366EB, 0x8F8F8F},
    {0x4169EC, 0x31AFFF, 0x53F0FF, 0x65D4B3, 0xB7C207, 0xF4B801, 0xE89665, 0xC4806B, 0xA05789, 0x965FE8, 0x8880F5, 0xACACAC},
    {0x759BF2, 0x8AC6F9, 0x8FF5FF, 0x98E1CA, 0xC8CC85, 0xF4CB7D, 0xDAAB89, 0xCA978D, 0xBC89A9, 0xBB9EF1, 0x9C9CF1, 0xC6C6C6},
}};

SkinPickerState& skinPickerState() {
  static SkinPickerState state;
  return state;
}

ChromeRect pickerScreenRect(const SkinState& skin, Point windowTopLeft) {
  const ChromeRect& button = skin.pickerButton.rect;
  return {windowTopLeft.x + button.left - 201, windowTopLeft.y + button.top + 18, pickerWidth, pickerHeight};
}

void buildPickerItems(SkinPickerState& picker, const SkinState& skin) {
  clearPickerItems(picker);
  for (int number = 1; number <= 2; ++number) {
    const std::string prefix = "picker/tab" + std::to_string(number);
    picker.pickerTabs.push_back({tabRect(number), number, PickerNormal, assetCopy(prefix + "_normal.png"),
                                 assetCopy(prefix + "_hover.png"), assetCopy(prefix + "_selected.png")});
  }
  if (skin.skinStyle == 1 || skin.skinStyle == 2) picker.pickerTabs[skin.skinStyle - 1].state = PickerSelected;

  for (int column = 1; column <= swatchColumns; ++column) {
    for (int row = 1; row <= swatchRows; ++row) {
      picker.colorSwatches.push_back({swatchRect(column, row), PickerNormal, swatchColors[row - 1][column - 1]});
    }
  }
  for (int number = 1; number <= 9; ++number) {
    picker.skinThumbnails.push_back(
        {thumbnailRect(number), PickerNormal, assetCopy("picker/thumb" + std::to_string(number) + ".png"), number});
  }

  if (skin.skinStyle == SkinStyleColor) {
    for (ColorSwatch& swatch : picker.colorSwatches) {
      if (swatch.color == skin.skinColor) swatch.state = PickerSelected;
    }
  } else if (skin.skinPictureId >= 1 && skin.skinPictureId <= 9) {
    picker.skinThumbnails[skin.skinPictureId - 1].state = PickerSelected;
  }
}

void clearPickerItems(SkinPickerState& picker) {
  picker.pickerTabs.clear();
  picker.colorSwatches.clear();
  picker.skinThumbnails.clear();
}

std::vector<ChromeRect> trackPickerHover(SkinPickerState& picker, LParam position) {
  std::vector<ChromeRect> changed;
  for (PickerTab& tab : picker.pickerTabs) {
    if (followHover(tab.state, pointInRect(tab.rect, position))) changed.push_back(tab.rect);
  }
  if (picker.pickerTabs.size() < 2) return changed;
  if (picker.pickerTabs[1].state == PickerSelected) {
    for (ColorSwatch& swatch : picker.colorSwatches) {
      const bool inside = pointInRect(swatch.rect, position);
      std::int32_t before = swatch.state;
      if (inside && swatch.state == PickerNormal) swatch.state = PickerHover;
      else if (!inside && swatch.state == PickerHover) swatch.state = PickerNormal;
      if (swatch.state != before) changed.push_back(swatch.rect);
    }
  }
  if (picker.pickerTabs[0].state == PickerSelected) {
    for (SkinThumbnail& thumbnail : picker.skinThumbnails) {
      if (followHover(thumbnail.state, pointInRect(thumbnail.rect, position))) changed.push_back(thumbnail.rect);
    }
  }
  return changed;
}

void clickPicker(SkinPickerState& picker, SkinState& skin, LParam position, PickerEffects& effects) {
  if (picker.pickerTabs.size() < 2) return;
  clickTabs(picker, position, effects);
  if (picker.pickerTabs[0].state == PickerSelected) clickThumbnails(picker, skin, position, effects);
  if (picker.pickerTabs[1].state == PickerSelected) clickSwatches(picker, skin, position, effects);
}

int replayedClickCount(const SkinState& skin, Point windowTopLeft, Point cursor, bool maximised) {
  auto underCursor = [&](const ChromeRect& rect) {
    return pointInRectXY({rect.left + windowTopLeft.x, rect.top + windowTopLeft.y, rect.width, rect.height},
                         cursor.x, cursor.y);
  };
  int count = 0;
  for (const NavItem& item : skin.navItems) {
    if (underCursor(item.rect)) count += maximised ? 2 : 3;
  }
  for (std::size_t index = 0; index < 5 && index < skin.systemButtons.size(); ++index) {
    if (underCursor(skin.systemButtons[index].rect)) ++count;
  }
  return count;
}

}  // namespace pindora
