#pragma once
// Popup windows: borderless top-level windows made from a registered popup class, which
// gives them their window procedure.

#include "base/types.h"
#include "platform/window/window.h"

namespace pindora {

// False when a class of that name is registered already (the name stays with the first).
bool registerPopupClass(const Text& className, WindowProcedure procedure);
bool unregisterPopupClass(const Text& className);

// Makes a hidden, translucent, borderless popup of the class at the screen rectangle, above
// `owner` when one is given; sends it Create; 0 when the class is not registered. Show it
// with showWindow. Popups take no double clicks: a quick second press is a LeftDown.
WindowHandle createPopupWindow(const Text& className, const Rect& screenRect, WindowHandle owner = 0);

}  // namespace pindora
