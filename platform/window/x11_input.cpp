#include "platform/window/x11_input.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace pindora {

bool injectX11LeftClick(void* display, int screenX, int screenY) {
  auto* x = static_cast<Display*>(display);
  int eventBase, errorBase, major, minor;
  if (!x || !XTestQueryExtension(x, &eventBase, &errorBase, &major, &minor)) return false;
  XTestFakeMotionEvent(x, -1, screenX, screenY, CurrentTime);
  XTestFakeButtonEvent(x, 1, True, CurrentTime);
  XTestFakeButtonEvent(x, 1, False, CurrentTime);
  XFlush(x);
  return true;
}

}  // namespace pindora
