#include "skin/message_box_model.h"

#include "assets/assets.h"
#include "base/text.h"
#include "gfx/gx_color.h"
#include "platform/codepage/codepage.h"
#include "skin/chop_line.h"

namespace pindora {

namespace {

constexpr int baseHeight = 140;
constexpr int lineHeight = 14;
constexpr int buttonWidth = 69;
constexpr int buttonHeight = 21;

MessageBoxButton makeButton(int left, int boxHeight, const char* utf8Label, bool isDefault) {
  return {isDefault ? BoxButtonDefaultLook : BoxButtonNormal,
          ChromeRect{left, boxHeight - 30, buttonWidth, buttonHeight}, utf8ToCp936(utf8Label), isDefault ? 1 : 0};
}

}  // namespace

MessageBoxState& messageBoxState() {
  static MessageBoxState state;
  return state;
}

std::vector<Text> messageBoxLinesOf(std::string_view text) {
  std::vector<Text> lines;
  for (const Text& piece : splitText(text, "\r\n")) {
    if (piece.size() <= displayLineBytes) {
      lines.push_back(piece);
      continue;
    }
    for (Text& part : chopLine(piece, displayLineBytes)) lines.push_back(std::move(part));
  }
  return lines;
}

int messageBoxHeightFor(std::size_t lineCount) {
  return lineCount > 3 ? baseHeight + static_cast<int>(lineCount - 3) * lineHeight : baseHeight;
}

std::string_view messageIconName(int icon) {
  switch (icon) {
    case 1: return "msgbox/icon_success.png";
    case 2: return "msgbox/icon_warning.png";
    case 3: return "msgbox/icon_error.png";
    case 4: return "msgbox/icon_question.png";
    default: return "msgbox/icon_information.png";
  }
}

void prepareMessageBox(MessageBoxState& box, std::string_view text, std::optional<int> buttons,
                       std::optional<int> icon, std::optional<int> defaultButton,
                       const std::optional<Text>& title) {
  box.messageBoxTitle = title ? *title : utf8ToCp936("信息：");
  box.messageBoxLines = messageBoxLinesOf(text);
  box.messageBoxHeight = messageBoxHeightFor(box.messageBoxLines.size());
  const int height = box.messageBoxHeight;

  box.messageBoxButtons.clear();
  switch (buttons.value_or(0)) {
    case 1: box.messageBoxButtons.push_back(makeButton(218, height, "确定", true)); break;
    case 2: box.messageBoxButtons.push_back(makeButton(218, height, "取消", true)); break;
    default:
      box.messageBoxButtons.push_back(makeButton(140, height, "确定", false));
      box.messageBoxButtons.push_back(makeButton(218, height, "取消", false));
  }

  box.messageBoxIcon = assetCopy(messageIconName(icon.value_or(0)));

  int defaultIndex = defaultButton.value_or(0) == 2 ? 2 : 1;
  if (defaultIndex <= static_cast<int>(box.messageBoxButtons.size())) {
    MessageBoxButton& chosen = box.messageBoxButtons[defaultIndex - 1];
    chosen.state = BoxButtonDefaultLook;
    chosen.isDefault = 1;
  }
  box.messageBoxResult = MessageBoxOther;
}

std::vector<BoxRepaint> trackMessageBoxHover(MessageBoxState& box, LParam position) {
  std::vector<BoxRepaint> repaints;
  const bool overClose = pointInRect(box.closeButtonRect, position);
  if (overClose && box.closeButtonState == 0) {
    box.closeButtonState = 1;
    repaints.push_back({box.closeButtonRect, true});
  } else if (!overClose && box.closeButtonState != 0) {
    box.closeButtonState = 0;
    repaints.push_back({box.closeButtonRect, true});
  }
  for (MessageBoxButton& button : box.messageBoxButtons) {
    if (pointInRect(button.rect, position)) {
      if (button.state == BoxButtonNormal || button.state == BoxButtonDefaultLook) {
        button.state = BoxButtonHover;
        repaints.push_back({button.rect, true});
      }
    } else if (button.isDefault == 1) {
      if (button.state != BoxButtonDefaultLook) {
        button.state = BoxButtonDefaultLook;
        repaints.push_back({button.rect, false});
      }
    } else if (button.state != BoxButtonNormal) {
      button.state = BoxButtonNormal;
      repaints.push_back({button.rect, true});
    }
  }
  return repaints;
}

BoxPress pressMessageBox(MessageBoxState& box, LParam position) {
  if (pointInRect(box.closeButtonRect, position)) {
    box.closeButtonState = 2;
    return {BoxRepaint{box.closeButtonRect, true}, false};
  }
  for (MessageBoxButton& button : box.messageBoxButtons) {
    if (pointInRect(button.rect, position)) {
      button.state = BoxButtonPressed;
      return {BoxRepaint{button.rect, true}, false};
    }
  }
  return {std::nullopt, true};
}

bool releaseMessageBox(MessageBoxState& box, LParam position) {
  bool closes = false;
  if (pointInRect(box.closeButtonRect, position)) {
    box.messageBoxResult = MessageBoxRefusedOrClosed;
    closes = true;
  }
  const Text ok = utf8ToCp936("确定");
  for (const MessageBoxButton& button : box.messageBoxButtons) {
    if (pointInRect(button.rect, position)) {
      box.messageBoxResult = button.label == ok ? MessageBoxOk : MessageBoxCancel;
      closes = true;
    }
  }
  return closes;
}

std::optional<BoxRepaint> leaveMessageBox(MessageBoxState& box) {
  if (box.closeButtonState != 1 && box.closeButtonState != 2) return std::nullopt;
  box.closeButtonState = 0;
  return BoxRepaint{box.closeButtonRect, true};
}

std::uint32_t messageBoxTitleColor(const SkinState& skin, std::uint32_t sample) {
  constexpr std::uint32_t black = 0xFF000000u;
  constexpr std::uint32_t white = 0xFFFFFFFFu;
  if (skin.skinStyle == SkinStylePicture && (skin.skinPictureId == 3 || skin.skinPictureId == 6)) return black;
  return GxColor::IsDark(sample) ? white : black;
}

}  // namespace pindora
