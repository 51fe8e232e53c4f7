#include "skin/chrome_layout.h"

#include "assets/assets.h"

namespace pindora {

namespace {

constexpr int buttonTop = 1;
constexpr int buttonHeight = 19;

// Left edge of each of the seven buttons, as a distance from the window's right edge.
constexpr int buttonOffsets[] = {49, 76, 103, 130, 158, 76, 76};

ChromeButton makeButton(int left, int width, std::string_view picture, bool hasHover = true) {
  const std::string name(picture);
  ChromeButton button;
  button.normalImage = assetCopy("title/" + name + "_normal.png");
  button.hoverImage = assetCopy("title/" + name + (hasHover ? "_hover.png" : "_normal.png"));
  button.pressedImage = assetCopy("title/" + name + "_pressed.png");
  button.state = StateNormal;
  button.rect = {left, buttonTop, width, buttonHeight};
  return button;
}

void replaceButton2From(int templateNumber) {
  auto& buttons = skinState().systemButtons;
  if (buttons.size() < RestoreTemplate) return;
  buttons.erase(buttons.begin() + (MaximiseRestoreButton - 1));
  // After the removal the template sits one place earlier.
  ChromeButton copy = buttons[templateNumber - 2];
  copy.state = StateNormal;
  buttons.insert(buttons.begin() + (MaximiseRestoreButton - 1), std::move(copy));
}

}  // namespace

void createChromeButtons(int windowWidth) {
  const int w = windowWidth;
  auto& buttons = skinState().systemButtons;
  buttons.push_back(makeButton(w - 49, 39, "close"));
  buttons.push_back(makeButton(w - 103, 27, "minimize"));
  buttons.push_back(makeButton(w - 130, 27, "tip"));
  buttons.push_back(makeButton(w - 158, 28, "help"));
  buttons.push_back(makeButton(w - 76, 27, "maximize"));
  buttons.push_back(makeButton(w - 76, 27, "restore", false));
  ChromeButton shown = buttons[4];
  buttons.insert(buttons.begin() + (MaximiseRestoreButton - 1), std::move(shown));

  ChromeButton& picker = skinState().pickerButton;
  picker.normalImage = assetCopy("skin_button/icon.png");
  picker.hoverImage = assetCopy("skin_button/hover.png");
  picker.pressedImage = assetCopy("skin_button/pressed.png");
  picker.state = StateNormal;
  picker.rect = {w - 30, 70, 28, 22};
}

void layoutChromeButtons(int windowWidth) {
  auto& buttons = skinState().systemButtons;
  for (std::size_t i = 0; i < buttons.size() && i < std::size(buttonOffsets); ++i) {
    buttons[i].rect.left = windowWidth - buttonOffsets[i];
  }
  skinState().pickerButton.rect.left = windowWidth - 30;
}

// The templates are entries 6 and 7 before the removal of entry 2.
void showRestoreButton() { replaceButton2From(RestoreTemplate); }
void showMaximiseButton() { replaceButton2From(MaximiseTemplate); }

NavItem makeNavItem(int number, const Text& text, const Bytes& icon) {
  NavItem item;
  item.number = number;
  item.text = text;
  item.icon = icon;
  item.hoverBackground = assetCopy("nav/hover.png");
  item.selectedBackground = assetCopy("nav/selected.png");
  item.state = number == 1 ? StateSelected : StateNormal;
  item.rect = {(number - 1) * 78 + 8, 30, 76, 71};
  return item;
}

Rect maximisedArea(const Rect& taskbar, const Size& screen) {
  if (taskbar.top > 0) return {0, 0, screen.width, taskbar.top};                  // at the bottom
  if (taskbar.left > 0) return {0, 0, taskbar.left, screen.height};               // at the right
  if (taskbar.right < screen.width) return {taskbar.right, 0, screen.width, taskbar.bottom};  // at the left
  return {0, taskbar.bottom, taskbar.right, screen.height};                        // at the top
}

}  // namespace pindora
