#pragma once
// The window system's plain message box.

#include "base/types.h"

namespace pindora {

// Shows the text with an OK button and waits until it is closed. Texts in code page 936.
void showPlatformMessage(const Text& text, const Text& title = Text());

}  // namespace pindora
