// The mouse handlers of SkinFrame: hover and press of the title-bar buttons, navigation items
// and skin button, the clicks, the cursor at the edges, and moving and sizing by the frame.

#include "platform/window/painting.h"
#include "platform/window/window_control.h"
#include "skin/chrome_layout.h"
#include "skin/skin_frame.h"
#include "skin/skin_picker.h"
#include "skin/skin_state.h"

namespace pindora {

namespace {

constexpr int resizeBand = 10;   // presses this close to an edge size the window
constexpr int cursorBand = 5;    // the pointer this close to an edge shows a resize cursor

Rect windowRectOf(const ChromeRect& rect) {
  return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

void redraw(const ChromeRect& rect) { invalidate(skinState().skinWindow, windowRectOf(rect), true); }

// Hover rule: normal under the pointer becomes hover, hover elsewhere becomes normal; a pressed
// or selected state stays. True when the state changed.
bool updateHover(std::int32_t& state, const ChromeRect& rect, LParam position) {
  const bool under = pointInRect(rect, position);
  if (under && state == StateNormal) {
    state = StateHover;
    return true;
  }
  if (!under && state == StateHover) {
    state = StateNormal;
    return true;
  }
  return false;
}

CursorShape cursorAt(int x, int y, const Rect& window, bool maximised) {
  const int w = window.width(), h = window.height();
  if (maximised) return CursorShape::Default;
  if (x < w - cursorBand) return y < cursorBand || y > h - cursorBand ? CursorShape::SizeNS : CursorShape::Default;
  if (y < cursorBand) return CursorShape::SizeNESW;
  if (y > h - cursorBand) return CursorShape::SizeNWSE;
  return CursorShape::SizeWE;
}

void sizeFrom(WindowHandle window, ResizeEdge edge) {
  sendMessage(window, Message::SystemCommand, sizeCommand(edge));
}

}  // namespace

void SkinFrame::onMouseMove(LParam position) {
  SkinState& state = skinState();
  const WindowHandle window = state.skinWindow;
  for (std::size_t i = 0; i < state.systemButtons.size() && i < drawnSystemButtons; ++i) {
    ChromeButton& button = state.systemButtons[i];
    if (updateHover(button.state, button.rect, position)) {
      redraw(button.rect);
      updateNow(window);
    }
  }
  for (NavItem& item : state.navItems) {
    if (updateHover(item.state, item.rect, position)) redraw(item.rect);
  }
  if (updateHover(state.pickerButton.state, state.pickerButton.rect, position)) {
    redraw(state.pickerButton.rect);
    updateNow(window);
  }
  const CursorShape cursor = cursorAt(packedX(position), packedY(position), windowRect(window),
                                      windowState(window) == WindowState::Maximised);
  if (cursor != windowCursor(window)) setWindowCursor(window, cursor);
}

void SkinFrame::onLeftButtonDown(LParam position) {
  SkinState& state = skinState();
  const WindowHandle window = state.skinWindow;
  ChromeButton& picker = state.pickerButton;
  if (pointInRect(picker.rect, position)) {
    if (picker.state != StatePressed) {
      picker.state = StatePressed;
      redraw(picker.rect);
    }
    openSkinPicker();  // returns once the picker has closed
  } else if (picker.state == StateHover) {
    picker.state = StateNormal;
    redraw(picker.rect);
  }

  for (NavItem& item : state.navItems) {
    if (!pointInRect(item.rect, position)) continue;
    if (item.state != StateSelected) {
      for (NavItem& other : state.navItems) {
        if (other.state == StateSelected) {
          other.state = StateNormal;
          redraw(other.rect);
        }
      }
      item.state = StateSelected;
      redraw(item.rect);
    }
    if (navHandler_) navHandler_(item.number - 1);
    break;
  }

  // The press moves or sizes the window unless it pressed a title-bar button.
  bool onFrame = false;
  for (std::size_t i = 0; i < state.systemButtons.size() && i < drawnSystemButtons; ++i) {
    ChromeButton& button = state.systemButtons[i];
    if (!pointInRect(button.rect, position)) {
      onFrame = true;
    } else if (button.state != StatePressed) {
      button.state = StatePressed;
      redraw(button.rect);
      onFrame = false;
      break;
    }
  }
  if (!onFrame || windowState(window) == WindowState::Maximised || state.chromeInteractive != 1) return;

  const Rect rect = windowRect(window);
  const int x = packedX(position), y = packedY(position), w = rect.width(), h = rect.height();
  if (x < w - resizeBand) {
    if (y > resizeBand && y < h - resizeBand) {
      sendMessage(window, Message::CaptionLeftDown);
      return;
    }
    // The left edge does not size the window.
    if (y < resizeBand) sizeFrom(window, ResizeEdge::Top);
    if (y > h - resizeBand) sizeFrom(window, ResizeEdge::Bottom);
  } else if (y < resizeBand) {
    sizeFrom(window, ResizeEdge::TopRight);
  } else if (y > h - resizeBand) {
    sizeFrom(window, ResizeEdge::BottomRight);
  } else {
    sizeFrom(window, ResizeEdge::Right);
  }
}

void SkinFrame::onLeftButtonUp(LParam position) {
  auto& buttons = skinState().systemButtons;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (!pointInRect(buttons[i].rect, position)) {
      buttons[i].state = StateNormal;
      redraw(buttons[i].rect);
      continue;
    }
    switch (static_cast<int>(i) + 1) {
      case CloseButton: systemCommand(1); break;
      case MaximiseRestoreButton: systemCommand(2); break;
      case MinimiseButton: systemCommand(3); break;
      case TipButton:
        if (extraButtonHandler_) extraButtonHandler_(0);
        break;
      case HelpButton:
        if (extraButtonHandler_) extraButtonHandler_(1);
        break;
      default: break;
    }
    clearButtonStates();
    return;
  }
}

}  // namespace pindora
