#include "skin/skin_picker.h"

#include "platform/codepage/codepage.h"
#include "platform/profile/profile.h"
#include "platform/window/message_box.h"
#include "platform/window/painting.h"
#include "platform/window/popup.h"
#include "platform/window/screen.h"
#include "platform/window/window_control.h"
#include "skin/skin_picker_model.h"
#include "skin/skin_settings.h"
#include "skin/skin_state.h"

namespace pindora {

namespace {

const Text pickerClassName = "SkinEdit10";

Rect toRect(const ChromeRect& rect) {
  return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

Point topLeftOf(WindowHandle window) {
  const Rect rect = windowRect(window);
  return {rect.left, rect.top};
}

class PopupEffects : public PickerEffects {
 public:
  explicit PopupEffects(WindowHandle popup) : popup_(popup) {}

  void repaintItem(const ChromeRect& rect, bool now) override {
    invalidate(popup_, toRect(rect), false);
    if (now) updateNow(popup_);
  }
  void writeSetting(const char* key, const Text& value) override {
    // A failed write is not reported: the choice still holds until the program ends.
    writeProfileString(skinConfigPath(), "Skin", key, value);
  }
  void loadSkinPicture(int number) override { pindora::loadSkinPicture(number); }
  void paintSkinWindow() override { sendMessage(skinState().skinWindow, Message::Paint, 0, 0); }
  void refreshSkinWindow() override {
    const WindowHandle window = skinState().skinWindow;
    invalidate(window, std::nullopt, true);
    updateNow(window);
  }

 private:
  WindowHandle popup_;
};

// The skin button back to normal, the capture let go and the popup closed.
void closePicker(WindowHandle popup) {
  SkinState& skin = skinState();
  skin.pickerButton.state = StateNormal;
  invalidate(skin.skinWindow, toRect(skin.pickerButton.rect), false);
  updateNow(skin.skinWindow);
  releaseCapture();
  sendMessage(popup, Message::Close);
}

// A left click that was not on the popup closes it; when it was over a navigation item or a
// title-bar button of the skinned window, the click is replayed there.
void checkOutside(WindowHandle popup) {
  if (windowAtPoint(cursorPosition()) == popup) return;
  closePicker(popup);
  const SkinState& skin = skinState();
  if (windowAtPoint(cursorPosition()) != skin.skinWindow) return;
  const Point cursor = cursorPosition();
  const bool maximised = windowState(skin.skinWindow) == WindowState::Maximised;
  const int clicks = replayedClickCount(skin, topLeftOf(skin.skinWindow), cursor, maximised);
  for (int i = 0; i < clicks; ++i) injectLeftClick(cursor);
}

void onDestroy(WindowHandle popup) {
  SkinPickerState& picker = skinPickerState();
  // A popup destroyed while it was being made has no loop to end.
  const bool loopWaits = picker.pickerWindow == popup;
  clearPickerItems(picker);
  picker.pickerWindow = 0;
  if (loopWaits) postQuit(0);
}

}  // namespace

void openSkinPicker() {
  SkinState& skin = skinState();
  SkinPickerState& picker = skinPickerState();
  const ChromeRect place = pickerScreenRect(skin, topLeftOf(skin.skinWindow));
  if (!registerPopupClass(pickerClassName, skinPickerProcedure)) {
    showPlatformMessage(utf8ToCp936("注册窗体类名失败!"));
    return;
  }
  buildPickerItems(picker, skin);
  const WindowHandle popup = createPopupWindow(pickerClassName, toRect(place));
  if (popup == 0) {
    // No popup, so no loop to wait in; the skin button does not stay pressed.
    clearPickerItems(picker);
    unregisterPopupClass(pickerClassName);
    skin.pickerButton.state = StateNormal;
    invalidate(skin.skinWindow, toRect(skin.pickerButton.rect), false);
    return;
  }
  picker.pickerWindow = popup;
  showWindow(popup);
  updateNow(popup);
  runMessageLoop();  // until the quit posted when the popup is destroyed
  unregisterPopupClass(pickerClassName);
}

MessageResult skinPickerProcedure(WindowHandle popup, Message message, WParam wParam, LParam lParam) {
  SkinPickerState& picker = skinPickerState();
  switch (message) {
    case Message::Create: setCapture(popup); return 0;
    case Message::Destroy: onDestroy(popup); return 0;
    case Message::Paint: paintSkinPicker(popup); return 0;
    case Message::MouseMove:
      for (const ChromeRect& changed : trackPickerHover(picker, lParam)) {
        invalidate(popup, toRect(changed), false);
        updateNow(popup);
      }
      return 0;
    case Message::LeftDown: {
      PopupEffects effects(popup);
      clickPicker(picker, skinState(), lParam, effects);
      checkOutside(popup);
      return 0;
    }
    case Message::RightDown:
      if (windowAtPoint(cursorPosition()) != popup) closePicker(popup);
      return 0;
    case Message::KillFocus: closePicker(popup); return 0;
    default: return defaultProcedure(popup, message, wParam, lParam);
  }
}

}  // namespace pindora
