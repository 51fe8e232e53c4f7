#pragma once
// The skin picker: the popup under the skin button that chooses the background picture or
// colour. Runs its own message loop and returns once the popup is gone.

#include "platform/window/window.h"

namespace pindora {

void openSkinPicker();

// The popup's window procedure.
MessageResult skinPickerProcedure(WindowHandle popup, Message message, WParam wParam, LParam lParam);

// Paints the whole popup with per-pixel alpha (skin_picker_paint.cpp).
void paintSkinPicker(WindowHandle popup);

}  // namespace pindora
