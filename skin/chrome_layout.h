#pragma once
// Creating and placing the title-bar buttons, the skin button and the navigation items.

#include <string_view>

#include "base/types.h"
#include "platform/window/screen.h"
#include "skin/skin_state.h"

namespace pindora {

// Title-bar buttons by their number in systemButtons.
enum SystemButtonNumber {
  CloseButton = 1,
  MaximiseRestoreButton = 2,
  MinimiseButton = 3,
  TipButton = 4,
  HelpButton = 5,
  MaximiseTemplate = 6,
  RestoreTemplate = 7,
};
constexpr int drawnSystemButtons = 5;  // only buttons 1 to 5 are painted and take the mouse

// Fills systemButtons with the seven buttons and gives the skin button its rect and pictures,
// all placed for a window `windowWidth` wide.
void createChromeButtons(int windowWidth);

// Places the buttons' left edges again for the window's width.
void layoutChromeButtons(int windowWidth);

// Button 2 becomes a copy of the restore (or maximise) template, in state 0.
void showRestoreButton();
void showMaximiseButton();

// Navigation item `number` (1-based) with its place, tiles and state (the first one selected).
NavItem makeNavItem(int number, const Text& text, const Bytes& icon);

// The screen rectangle a maximised window takes: the screen without the taskbar, found by the
// taskbar's side.
Rect maximisedArea(const Rect& taskbar, const Size& screen);

}  // namespace pindora
