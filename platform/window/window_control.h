#pragma once
// Window geometry, state, regions, capture, cursors and the small icon.

#include <cstdint>

#include "base/types.h"
#include "platform/window/window.h"

namespace pindora {

// The window's rectangle on the screen, and moving/resizing it there.
Rect windowRect(WindowHandle window);
void moveWindow(WindowHandle window, const Rect& screenRect);

enum class WindowState { Normal, Maximised, Minimised };
WindowState windowState(WindowHandle window);

void showWindow(WindowHandle window);
void maximiseWindow(WindowHandle window);
void restoreWindow(WindowHandle window);
void minimiseWindow(WindowHandle window);
// Sends Destroy to the window's procedure, hides it and frees it once the current event is
// done; its handle is dead from this call on.
void destroyWindow(WindowHandle window);
// Keeps the window above the others, or no more; switching it on also raises the window.
void setTopmost(WindowHandle window, bool topmost);
// Tells the window system that a frameless window may be maximised and minimised and has a
// system menu, so a window manager offers those actions for it too.
void allowMaximiseAndMinimise(WindowHandle window);

// Move or size the window by the window system, as if its caption or an edge were dragged
// with the left button held. False when the window system refuses (no window manager).
bool startSystemMove(WindowHandle window);
bool startSystemResize(WindowHandle window, ResizeEdge edge);

// The window's title text, code page 936.
Text windowTitle(WindowHandle window);

// Window regions: only the pixels inside the region belong to the window. A rounded
// rectangle's corners are quarters of an ellipse of the given width and height.
bool setRoundRectRegion(WindowHandle window, const Rect& rect, int ellipseWidth, int ellipseHeight);
bool setRoundRectUnionRegion(WindowHandle window, const Rect& rounded, int ellipseWidth,
                             int ellipseHeight, const Rect& plain);
void clearWindowRegion(WindowHandle window);
// True when the window pixel belongs to the window (inside its region, or the window has none).
bool windowRegionContains(WindowHandle window, Point pixel);

// Mouse capture: while a window holds it, every mouse message goes to it, wherever the
// pointer is. Capture asked for a window not shown yet takes effect when it is shown.
void setCapture(WindowHandle window);
void releaseCapture();
WindowHandle captureWindow();

enum class CursorShape { Default, SizeNS, SizeWE, SizeNWSE, SizeNESW };
void setWindowCursor(WindowHandle window, CursorShape shape);
CursorShape windowCursor(WindowHandle window);

// Small icons: a number for a 16 x 16 picture, 0 for none. The picture is read back as PNG
// bytes, which the drawing layer decodes like any picture.
using IconHandle = std::uintptr_t;
bool setSmallIcon(WindowHandle window, const Bytes& picture);  // any decodable picture
IconHandle smallIcon(WindowHandle window);
Bytes iconPng(IconHandle icon);

}  // namespace pindora
