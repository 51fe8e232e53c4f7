#pragma once
// The skinned message box's state and the rules it follows: the display lines, the height,
// the buttons and their states, the icon, and what a mouse move, press, release or leave
// does. The window around it is in message_box.cpp.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "base/types.h"
#include "platform/window/window.h"
#include "skin/skin_state.h"

namespace pindora {

enum MessageBoxButtonState : std::int32_t {
  BoxButtonNormal = 0,
  BoxButtonHover = 1,
  BoxButtonPressed = 2,
  BoxButtonDefaultLook = 3,
};

struct MessageBoxButton {
  std::int32_t state = BoxButtonNormal;
  ChromeRect rect;
  Text label;                  // "确定" or "取消", code page 936
  std::int32_t isDefault = 0;  // 1 for the default button
};

// What showMessage returns.
enum MessageBoxResult : int {
  MessageBoxCancel = 0,
  MessageBoxOk = 1,
  MessageBoxRefusedOrClosed = -1,  // refused, or the title strip's close button
  MessageBoxOther = 100,           // closed some other way, or the class could not be registered
};

// One box at a time. The title, lines, buttons and icon stay until the next call replaces them.
struct MessageBoxState {
  WindowHandle messageBoxWindow = 0;  // the open box, 0 when none
  int messageBoxHeight = 140;
  Text messageBoxTitle;
  std::vector<Text> messageBoxLines;
  std::vector<MessageBoxButton> messageBoxButtons;  // left to right
  Bytes messageBoxIcon;                              // PNG, 40 x 40
  int messageBoxResult = MessageBoxOther;
  std::int32_t closeButtonState = 0;  // 0 normal, 1 hover, 2 pressed
  ChromeRect closeButtonRect;
};

MessageBoxState& messageBoxState();

constexpr int messageBoxWidth = 300;
constexpr int displayLineBytes = 32;

// The display lines of a text: pieces between "\r\n", each longer one cut by chopLine.
std::vector<Text> messageBoxLinesOf(std::string_view text);

// 140, plus 14 for each display line past the third.
int messageBoxHeightFor(std::size_t lineCount);

// Fills the state for a new box: title, height, lines, buttons with the default marked, icon
// and the result 100. Omitted arguments count as 0 (the default title "信息：").
void prepareMessageBox(MessageBoxState& box, std::string_view text, std::optional<int> buttons,
                       std::optional<int> icon, std::optional<int> defaultButton,
                       const std::optional<Text>& title);

// The embedded picture name of the 40 x 40 icon for an icon kind.
std::string_view messageIconName(int icon);

// A part of the box to repaint, and whether to paint it at once.
struct BoxRepaint {
  ChromeRect rect;
  bool updateNow = true;
  friend bool operator==(const BoxRepaint&, const BoxRepaint&) = default;
};

// Mouse move at a packed position: hover states of the close button and the buttons.
std::vector<BoxRepaint> trackMessageBoxHover(MessageBoxState& box, LParam position);

// Left press: the close button or the first button hit is pressed; elsewhere the box is dragged.
struct BoxPress {
  std::optional<BoxRepaint> repaint;
  bool startDrag = false;
};
BoxPress pressMessageBox(MessageBoxState& box, LParam position);

// Left release: true when it closes the box (over the close button or a button, wherever the
// press was), with messageBoxResult set.
bool releaseMessageBox(MessageBoxState& box, LParam position);

// The pointer left the box: a hovered or pressed close button returns to normal.
std::optional<BoxRepaint> leaveMessageBox(MessageBoxState& box);

// The title's colour (ARGB) for the skin and the colour sampled from its background:
// black on pictures 3 and 6, otherwise white on a dark sample and black on a light one.
std::uint32_t messageBoxTitleColor(const SkinState& skin, std::uint32_t sample);

}  // namespace pindora
