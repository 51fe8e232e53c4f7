#pragma once
// The screen, the taskbar, the pointer and injected input.

#include "platform/window/window.h"

namespace pindora {

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

Size screenSize();

// The taskbar's rectangle on the screen: the strip of the screen outside the work area (the
// part the desktop leaves to windows). With no such strip, a strip of height 0 at the bottom.
Rect taskbarRect();
Rect taskbarFromWorkArea(const Rect& screen, const Rect& workArea);

// The window at a screen point, a child control counting as itself; 0 when none of the
// program's windows is there.
WindowHandle windowAtPoint(Point screenPoint);

Point cursorPosition();
void setCursorPosition(Point screenPoint);

// Moves the pointer to the point, then presses and releases the left button there, as real
// input: on X11 through the XTest extension, so the events come back through the event queue.
// Without an X display the press and release are queued as mouse events to the window under
// the point (or the window holding the capture). False when nothing could be injected.
bool injectLeftClick(Point screenPoint);

}  // namespace pindora
