#pragma once
// The skinned message box: a modal popup drawn in the current skin, centred on the skinned
// window, with a title strip, an icon, the text in lines and one or two buttons. It runs its
// own message loop (the skinned window goes on being served) and returns which button closed it.

#include <optional>

#include "base/types.h"
#include "platform/window/window.h"

namespace pindora {

// SkinFrame::showMessage. Returns 1 for "确定", 0 for "取消", -1 for the close button (and at
// once, showing nothing, when the skin is not attached or a box is open already), 100 when the
// box was closed any other way or could not be made.
int runSkinMessageBox(bool attached, const Text& text, std::optional<int> buttons, std::optional<int> icon,
                      std::optional<int> defaultButton, const std::optional<Text>& title);

// The box's window procedure.
MessageResult messageBoxProcedure(WindowHandle box, Message message, WParam wParam, LParam lParam);

// Paints the whole box (message_box_paint.cpp).
void paintMessageBox(WindowHandle box);

}  // namespace pindora
