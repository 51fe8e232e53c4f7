#pragma once
// The skin's shared records and its module state: the window it wears, its title-bar
// buttons, navigation items and skin button, and the current skin choice. One instance lives
// from start-up (createSkinState) to exit (freeSkinState); everything runs on the window thread.

#include <cstdint>
#include <vector>

#include "base/types.h"
#include "platform/window/window.h"
#include "platform/window/window_control.h"

namespace pindora {

// A rectangle in window (or popup) pixels from the top-left corner.
struct ChromeRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const ChromeRect&, const ChromeRect&) = default;
};

// States of buttons and navigation items.
enum ChromeState : std::int32_t { StateNormal = 0, StateHover = 1, StatePressed = 2, StateSelected = 2 };

struct ChromeButton {
  Bytes normalImage;   // PNG file bytes
  Bytes hoverImage;
  Bytes pressedImage;
  std::int32_t state = StateNormal;
  ChromeRect rect;
};

struct NavItem {
  Text text;
  Bytes icon;                // any decodable picture, drawn at 36 x 36
  Bytes hoverBackground;     // PNG file bytes
  Bytes selectedBackground;
  std::int32_t state = StateNormal;  // 0 normal, 1 hover, 2 selected
  ChromeRect rect;
  std::int32_t number = 0;   // 1-based position in navItems
};

// Hit tests; both edges count as inside, so a rectangle of width 76 takes 77 columns.
// `packed` is a mouse message's position: x the low 16 bits, y the high 16 bits with sign.
bool pointInRect(const ChromeRect& rect, LParam packed);
bool pointInRectXY(const ChromeRect& rect, int x, int y);

// Background kinds of skinStyle.
enum SkinStyleKind : std::int32_t { SkinStylePicture = 1, SkinStyleColor = 2 };

struct SkinState {
  WindowHandle skinWindow = 0;
  // The seven title-bar buttons once attached: close, maximise/restore as shown, minimise,
  // tip, help, then the maximise and restore templates. Button n is systemButtons[n - 1].
  std::vector<ChromeButton> systemButtons;
  std::vector<NavItem> navItems;  // item n is navItems[n - 1]
  ChromeButton pickerButton;      // the skin button
  std::int32_t chromeInteractive = 0;  // 1 while presses on the frame may move or size the window
  IconHandle smallIcon = 0;
  std::int32_t useConfigFile = 0;
  std::int32_t skinStyle = 0;      // SkinStyleKind
  std::uint32_t skinColor = 0;     // COLORREF 0x00BBGGRR
  std::int32_t skinPictureId = 0;  // 1 no picture, 2 to 9 the background pictures
  Bytes skinPicture;               // PNG bytes of the current background picture, or empty
};

// Makes the module state anew, empty (start-up), and frees it (exit).
void createSkinState();
void freeSkinState();

// The one instance; made empty on first use when start-up has not made it.
SkinState& skinState();

}  // namespace pindora
