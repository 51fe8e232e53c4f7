#pragma once
// WindowPainter subclasses one window (replaces its procedure and can call the previous one)
// and brackets each paint: it hands out a memory drawing surface and afterwards copies it onto
// the window (double-buffered paint) or gives it to the window as its per-pixel-alpha picture.

#include <memory>

#include "platform/gdiplus/drawing_surface.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"

namespace pindora {

class WindowPainter {
 public:
  WindowPainter() = default;
  ~WindowPainter();  // unsubclasses the window
  WindowPainter(const WindowPainter&) = delete;  // one window procedure has one owner
  WindowPainter& operator=(const WindowPainter&) = delete;

  // Gives the window its previous procedure back; returns the procedure that was replaced.
  WindowProcedure unsubclass();
  // Installs `procedure` on the window; returns the previous procedure.
  WindowProcedure subclass(WindowHandle window, WindowProcedure procedure);
  MessageResult callPrevious(WindowHandle window, Message message, WParam wParam, LParam lParam);

  // Starts the paint of a Paint message: a surface as large as the update rectangle's right
  // and bottom edges plus 5 pixels (transparent black), whose device context is returned.
  gdiplus::DeviceContext beginPaint(WindowHandle window);
  // Copies the surface onto the window, frees it and ends the paint; true when a paint was running.
  bool endPaint();
  // The same with the surface's size given.
  gdiplus::DeviceContext beginPaintSized(WindowHandle window, int width, int height);
  // Gives the surface to the window as its picture with per-pixel alpha, its top left at the
  // screen point; then frees it and ends the paint.
  void endPaintLayered(int screenX, int screenY);

  WindowHandle subclassedWindow() const { return subclassedWindow_; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  gdiplus::DeviceContext startSurface(WindowHandle window, int width, int height);
  SurfaceView surfaceView() const;
  bool finishPaint();

  WindowProcedure previousProc_;
  WindowHandle subclassedWindow_ = 0;
  std::unique_ptr<gdiplus::DrawingSurface> surface_;
  int width_ = 0;
  int height_ = 0;
  WindowHandle paintedWindow_ = 0;
};

}  // namespace pindora
