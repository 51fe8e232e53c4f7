#include "skin/message_box.h"

#include "platform/codepage/codepage.h"
#include "platform/window/message_box.h"
#include "platform/window/painting.h"
#include "platform/window/popup.h"
#include "platform/window/window_control.h"
#include "skin/message_box_model.h"
#include "skin/skin_frame.h"
#include "skin/skin_state.h"
#include "skin/window_shaper.h"

namespace pindora {

namespace {

const Text boxClassName = "MessageBox10";

Rect toRect(const ChromeRect& rect) {
  return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

void repaint(WindowHandle box, const BoxRepaint& part) {
  invalidate(box, toRect(part.rect), false);
  if (part.updateNow) updateNow(box);
}

// Centred on the skinned window, even when part of the box is then off screen.
Rect boxScreenRect(int height) {
  const Rect window = windowRect(skinState().skinWindow);
  // Halves taken of the exact sums, truncated toward zero.
  const int x = (2 * window.left + window.width() - messageBoxWidth) / 2;
  const int y = (2 * window.top + window.height() - height) / 2;
  return {x, y, x + messageBoxWidth, y + height};
}

void onCreate(WindowHandle box) {
  MessageBoxState& state = messageBoxState();
  SkinState& skin = skinState();
  state.closeButtonRect = {250, 0, 40, 20};
  state.closeButtonState = 0;  // a box closed by its close button left it pressed
  WindowShaper().setRoundTopRegion(box, messageBoxWidth, state.messageBoxHeight, 5, 5);
  skin.chromeInteractive = 0;
  sendMessage(skin.skinWindow, Message::Enable, 0);
}

void onDestroy(WindowHandle box) {
  SkinState& skin = skinState();
  MessageBoxState& state = messageBoxState();
  // A box destroyed while it was being made has no loop to end.
  const bool loopWaits = state.messageBoxWindow == box;
  // Raising it above everything and letting go again brings the skinned window to the top.
  setTopmost(skin.skinWindow, true);
  skin.chromeInteractive = 1;
  sendMessage(skin.skinWindow, Message::Enable, 1);
  setTopmost(skin.skinWindow, false);
  state.messageBoxWindow = 0;
  if (loopWaits) postQuit(0);
}

}  // namespace

int SkinFrame::showMessage(const Text& text, std::optional<int> buttons, std::optional<int> icon,
                           std::optional<int> defaultButton, std::optional<Text> title) {
  return runSkinMessageBox(attached(), text, buttons, icon, defaultButton, title);
}

int runSkinMessageBox(bool attached, const Text& text, std::optional<int> buttons, std::optional<int> icon,
                      std::optional<int> defaultButton, const std::optional<Text>& title) {
  MessageBoxState& state = messageBoxState();
  if (!attached || state.messageBoxWindow != 0) return MessageBoxRefusedOrClosed;
  prepareMessageBox(state, text, buttons, icon, defaultButton, title);

  if (!registerPopupClass(boxClassName, messageBoxProcedure)) {
    showPlatformMessage(utf8ToCp936("注册窗体类名失败!"));
    return state.messageBoxResult;
  }
  const WindowHandle box =
      createPopupWindow(boxClassName, boxScreenRect(state.messageBoxHeight), skinState().skinWindow);
  if (box == 0) {
    // No window, so no loop to wait in.
    unregisterPopupClass(boxClassName);
    return state.messageBoxResult;
  }
  state.messageBoxWindow = box;
  showWindow(box);
  updateNow(box);
  runMessageLoop();  // until the quit posted when the box is destroyed
  unregisterPopupClass(boxClassName);
  return state.messageBoxResult;
}

MessageResult messageBoxProcedure(WindowHandle box, Message message, WParam wParam, LParam lParam) {
  MessageBoxState& state = messageBoxState();
  switch (message) {
    case Message::Create: onCreate(box); return 0;
    case Message::Destroy: onDestroy(box); return 0;
    case Message::Paint: paintMessageBox(box); return 0;
    case Message::MouseMove:
      requestLeaveNotice(box);
      for (const BoxRepaint& part : trackMessageBoxHover(state, lParam)) repaint(box, part);
      return 0;
    case Message::LeftDown: {
      const BoxPress press = pressMessageBox(state, lParam);
      if (press.repaint) repaint(box, *press.repaint);
      // Anywhere but the buttons the box is dragged as if by its caption.
      if (press.startDrag) sendMessage(box, Message::CaptionLeftDown, 0, 0);
      return 0;
    }
    case Message::LeftUp:
      if (releaseMessageBox(state, lParam)) {
        sendMessage(box, Message::SystemCommand, static_cast<WParam>(SystemCommand::Close));
      }
      return 0;
    case Message::MouseLeave:
      if (auto part = leaveMessageBox(state)) repaint(box, *part);
      return 0;
    default: return defaultProcedure(box, message, wParam, lParam);
  }
}

}  // namespace pindora
