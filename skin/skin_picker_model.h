#pragma once
// The skin picker's items and the rules they follow: the two tabs, the nine thumbnails and
// the 84 colour swatches, built fresh at every opening with the current choice marked; what a
// mouse move and a left click do to them and to the skin; and which clicks are replayed on the
// skinned window when a click outside closes the picker. The popup window is in skin_picker.cpp.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/types.h"
#include "platform/window/window.h"
#include "skin/skin_state.h"

namespace pindora {

enum PickerItemState : std::int32_t {
  PickerNormal = 0,
  PickerHover = 1,
  PickerSelected = 2,       // the active tab, the current picture or the current colour
  PickerSelectedHover = 3,  // tabs and thumbnails only
};

struct PickerTab {
  ChromeRect rect;
  std::int32_t number = 0;  // 1 pictures, 2 colours
  std::int32_t state = PickerNormal;
  Bytes normalPicture;  // PNG
  Bytes hoverPicture;
  Bytes selectedPicture;
};

struct SkinThumbnail {
  ChromeRect rect;
  std::int32_t state = PickerNormal;
  Bytes picture;  // PNG, 68 x 43
  std::int32_t number = 0;  // 1..9
};

struct ColorSwatch {
  ChromeRect rect;
  std::int32_t state = PickerNormal;
  std::uint32_t color = 0;  // COLORREF 0x00BBGGRR
};

struct SkinPickerState {
  WindowHandle pickerWindow = 0;  // the open popup, 0 when none
  std::vector<PickerTab> pickerTabs;
  std::vector<ColorSwatch> colorSwatches;  // column by column: column c, row r is entry (c - 1) * 7 + r
  std::vector<SkinThumbnail> skinThumbnails;
};

SkinPickerState& skinPickerState();

constexpr int pickerWidth = 222;
constexpr int pickerHeight = 178;
constexpr int swatchColumns = 12;
constexpr int swatchRows = 7;

// The swatch colours, swatchColors[row - 1][column - 1]; each column runs dark to light.
extern const std::array<std::array<std::uint32_t, swatchColumns>, swatchRows> swatchColors;

constexpr ChromeRect tabStripArea{0, 0, 80, 30};
constexpr ChromeRect thumbnailArea{6, 36, 208, 133};
constexpr ChromeRect swatchArea{7, 36, 204, 126};

// The popup's screen rectangle under the skin button of a window whose top left is on the screen at
// `windowTopLeft` (as left, top, width, height).
ChromeRect pickerScreenRect(const SkinState& skin, Point windowTopLeft);

// Builds the three lists anew and marks the current tab and choice.
void buildPickerItems(SkinPickerState& picker, const SkinState& skin);

// Discards the three lists.
void clearPickerItems(SkinPickerState& picker);

// Mouse move at a packed position; the items whose state changed, to repaint at once.
std::vector<ChromeRect> trackPickerHover(SkinPickerState& picker, LParam position);

// What a left click does beyond the picker's own items, in the order it happens.
class PickerEffects {
 public:
  virtual ~PickerEffects() = default;
  // An item of the popup changed: repaint its rectangle, at once when asked.
  virtual void repaintItem(const ChromeRect& rect, bool updateNow) = 0;
  // Writes a key of the "Skin" section of config.ini.
  virtual void writeSetting(const char* key, const Text& value) = 0;
  virtual void loadSkinPicture(int number) = 0;
  // Sends the skinned window a Paint message.
  virtual void paintSkinWindow() = 0;
  // Invalidates the whole skinned window and paints it at once.
  virtual void refreshSkinWindow() = 0;
};

// Left click at a packed position on the tabs, thumbnails and swatches: the item states, the
// skin's settings, and (when the skin uses config.ini) the settings written.
void clickPicker(SkinPickerState& picker, SkinState& skin, LParam position, PickerEffects& effects);

// How many clicks to replay at the cursor, a screen point over the skinned window whose top
// left is at `windowTopLeft`: three for a navigation item (two when the window is maximised),
// one for each of title-bar buttons 1 to 5 under it.
int replayedClickCount(const SkinState& skin, Point windowTopLeft, Point cursor, bool maximised);

}  // namespace pindora
