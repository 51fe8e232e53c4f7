#pragma once
// SkinFrame gives one top-level window a drawn frame of its own: title bar with icon, title
// and five title-bar buttons, navigation bar, skin button, content panel, notice line and
// resize grip. It takes over the window's procedure, paints the whole window, tracks hover and
// press states, moves and resizes the window on presses near its edges and keeps a maximised
// window clear of the taskbar. There is one SkinFrame in the program; it lives from start-up
// to exit and is attached once to the main window.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "base/types.h"
#include "platform/window/window.h"
#include "skin/window_painter.h"

namespace pindora {

// Called with one number: the 0-based navigation item, or 0 / 1 for the extra buttons.
using SkinHandler = std::function<void(std::int32_t)>;

class SkinFrame {
 public:
  // Starts the drawing session and binds the window procedure to this object.
  SkinFrame();
  // Gives the window its previous procedure back, then ends the drawing session.
  ~SkinFrame();
  SkinFrame(const SkinFrame&) = delete;  // one window procedure, one owner
  SkinFrame& operator=(const SkinFrame&) = delete;

  // The window procedure of the attached window.
  MessageResult handleMessage(WindowHandle window, Message message, WParam wParam, LParam lParam);
  // Takes over the window (once; later calls do nothing) and reads the skin settings, from
  // config.ini when useConfigFile is given as true.
  void attach(WindowHandle window, std::optional<bool> useConfigFile = std::nullopt);
  // False before attach.
  bool setNotice(const Text& text);
  bool addNavItem(const Text& text, const Bytes& icon);
  void paint(WindowHandle window);
  void onMouseMove(LParam position);
  void onLeftButtonDown(LParam position);
  void onLeftButtonUp(LParam position);
  bool setExtraButtonHandler(SkinHandler handler);
  bool setNavHandler(SkinHandler handler);
  // 1 closes (destroys) the window, 2 maximises or restores it, 3 minimises it.
  void systemCommand(std::int32_t command);
  // Every title-bar button back to normal.
  void clearButtonStates();
  void layoutButtons();
  void loadSettings();
  // The skinned message box (skin/message_box.h): 1 "确定", 0 "取消", -1 close button or refused, 100 otherwise.
  int showMessage(const Text& text, std::optional<int> buttons = std::nullopt, std::optional<int> icon = std::nullopt,
                  std::optional<int> defaultButton = std::nullopt, std::optional<Text> title = std::nullopt);

  bool attached() const { return attached_ != 0; }
  const Text& noticeText() const { return noticeText_; }

 private:
  std::unique_ptr<WindowPainter> painter_;
  WindowProcedure messageEntry_;  // calls handleMessage on this object
  std::int32_t attached_ = 0;
  SkinHandler extraButtonHandler_;
  SkinHandler navHandler_;
  Text noticeText_;
};

}  // namespace pindora
