#pragma once
// Real pointer input on an X display through the XTest extension. Kept apart because the X
// headers define names (None, Bool, CursorShape) that clash with Qt's and ours.

namespace pindora {

// `display` is the X Display* of the application. False when the server lacks XTest.
bool injectX11LeftClick(void* display, int screenX, int screenY);

}  // namespace pindora
