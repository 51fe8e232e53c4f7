// Invalidating, painting and layered pictures over Qt's paint events.

#include "platform/window/painting.h"

#include <QPainter>

#include "platform/window/window_binding.h"

namespace pindora {

namespace {

QImage imageOver(const SurfaceView& surface) {
  return QImage(reinterpret_cast<const uchar*>(surface.pixels), surface.width, surface.height,
                surface.strideBytes, QImage::Format_ARGB32_Premultiplied);
}

bool validSurface(const SurfaceView& surface) {
  return surface.pixels && surface.width > 0 && surface.height > 0 && surface.strideBytes >= surface.width * 4;
}

}  // namespace

void paintLayeredPicture(WindowBinding& binding) {
  QPainter painter(binding.widget);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, binding.layeredPicture);
  binding.paintDrew = true;
}

PaintInfo beginPaint(WindowHandle window) {
  WindowBinding* binding = findBinding(window);
  if (!binding || !binding->inPaint) return {};
  const QRect& rect = binding->paintRect;
  return {true, Rect{rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()}, binding->paintErase};
}

bool endPaint(WindowHandle window) {
  WindowBinding* binding = findBinding(window);
  return binding && binding->inPaint;
}

void invalidate(WindowHandle window, std::optional<Rect> rect, bool erase) {
  WindowBinding* binding = findBinding(window);
  if (!binding || !binding->widget) return;
  QRect area = rect ? QRect(rect->left, rect->top, rect->width(), rect->height()) : binding->widget->rect();
  if (area.isEmpty()) return;
  // A layered window's picture is replaced whole and shows only within the part painted, so
  // any change to it repaints all of it.
  if (!binding->layeredPicture.isNull()) area = binding->widget->rect();
  binding->pending += area;
  binding->pendingErase = binding->pendingErase || erase;
  binding->widget->update(area);
}

void updateNow(WindowHandle window) {
  WindowBinding* binding = findBinding(window);
  if (!binding || !binding->widget || binding->inPaint || binding->pending.isEmpty()) return;
  binding->widget->repaint(binding->pending);
}

bool copySurfaceToWindow(WindowHandle window, const SurfaceView& surface) {
  WindowBinding* binding = findBinding(window);
  if (!binding || !binding->widget || !binding->inPaint || !validSurface(surface)) return false;
  QPainter painter(binding->widget);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, imageOver(surface));
  binding->paintDrew = true;
  return true;
}

bool showLayeredPicture(WindowHandle window, Point screenPosition, const SurfaceView& surface) {
  WindowBinding* binding = findBinding(window);
  if (!binding || !binding->widget || !validSurface(surface)) return false;
  QWidget* widget = binding->widget;
  binding->layeredPicture = imageOver(surface).copy();
  if (widget->pos() != QPoint(screenPosition.x, screenPosition.y)) widget->move(screenPosition.x, screenPosition.y);
  if (widget->size() != binding->layeredPicture.size() && !binding->inPaint) {
    widget->resize(binding->layeredPicture.size());
  }
  if (binding->inPaint) {
    paintLayeredPicture(*binding);
  } else {
    widget->update();
  }
  return true;
}

}  // namespace pindora
