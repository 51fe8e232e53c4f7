#include "skin/window_painter.h"

namespace pindora {

WindowPainter::~WindowPainter() { unsubclass(); }

WindowProcedure WindowPainter::unsubclass() {
  WindowProcedure replaced;
  if (subclassedWindow_) replaced = subclassWindow(subclassedWindow_, previousProc_);
  subclassedWindow_ = 0;
  return replaced;
}

WindowProcedure WindowPainter::subclass(WindowHandle window, WindowProcedure procedure) {
  subclassedWindow_ = window;
  previousProc_ = subclassWindow(window, std::move(procedure));
  return previousProc_;
}

MessageResult WindowPainter::callPrevious(WindowHandle window, Message message, WParam wParam, LParam lParam) {
  return callProcedure(previousProc_, window, message, wParam, lParam);
}

gdiplus::DeviceContext WindowPainter::beginPaint(WindowHandle window) {
  const PaintInfo info = pindora::beginPaint(window);
  return startSurface(window, info.updateRect.right + 5, info.updateRect.bottom + 5);
}

gdiplus::DeviceContext WindowPainter::beginPaintSized(WindowHandle window, int width, int height) {
  return startSurface(window, width, height);
}

gdiplus::DeviceContext WindowPainter::startSurface(WindowHandle window, int width, int height) {
  paintedWindow_ = window;
  width_ = width;
  height_ = height;
  surface_ = std::make_unique<gdiplus::DrawingSurface>(width, height);
  return surface_->deviceContext();
}

SurfaceView WindowPainter::surfaceView() const {
  if (!surface_ || !surface_->valid()) return {};
  return {surface_->pixels(), surface_->width(), surface_->height(), surface_->stride()};
}

bool WindowPainter::finishPaint() {
  surface_.reset();
  return pindora::endPaint(paintedWindow_);
}

bool WindowPainter::endPaint() {
  copySurfaceToWindow(paintedWindow_, surfaceView());
  return finishPaint();
}

void WindowPainter::endPaintLayered(int screenX, int screenY) {
  showLayeredPicture(paintedWindow_, Point{screenX, screenY}, surfaceView());
  finishPaint();
}

}  // namespace pindora
