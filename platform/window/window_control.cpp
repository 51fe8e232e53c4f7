// Geometry, state, regions, capture, cursors and icons of windows, over QWidget and QWindow.

#include "platform/window/window_control.h"

#include <QBuffer>
#include <QIcon>
#include <QPainterPath>
#include <QPixmap>
#include <QWindow>
#include <map>

#include "platform/codepage/codepage.h"
#include "platform/window/qt_window.h"
#include "platform/window/window_binding.h"

namespace pindora {

namespace {

std::map<IconHandle, QImage> icons;
IconHandle lastIcon = 0;

QWindow* nativeWindowOf(WindowHandle window) {
  QWidget* widget = widgetOf(window);
  return widget ? widget->window()->windowHandle() : nullptr;
}

QRegion roundRectRegion(const Rect& rect, int ellipseWidth, int ellipseHeight) {
  QPainterPath path;
  path.addRoundedRect(QRectF(rect.left, rect.top, rect.width(), rect.height()), ellipseWidth / 2.0,
                      ellipseHeight / 2.0);
  return QRegion(path.toFillPolygon().toPolygon(), Qt::WindingFill);
}

QRegion plainRegion(const Rect& rect) { return QRegion(rect.left, rect.top, rect.width(), rect.height()); }

}  // namespace

Rect windowRect(WindowHandle window) {
  QWidget* widget = widgetOf(window);
  if (!widget) return {};
  QRect frame = widget->isWindow() ? widget->frameGeometry()
                                   : QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
  return {frame.x(), frame.y(), frame.x() + frame.width(), frame.y() + frame.height()};
}

void moveWindow(WindowHandle window, const Rect& screenRect) {
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  // The rectangle is the outer one, decorations included, as windowRect reads it.
  widget->move(screenRect.left, screenRect.top);
  QSize decorations = widget->isWindow() ? widget->frameGeometry().size() - widget->size() : QSize(0, 0);
  widget->resize(screenRect.width() - decorations.width(), screenRect.height() - decorations.height());
}

WindowState windowState(WindowHandle window) {
  WindowBinding* binding = findBinding(window);
  if (!binding || !binding->widget) return WindowState::Normal;
  if (binding->widget->isMinimized()) return WindowState::Minimised;
  return binding->maximised ? WindowState::Maximised : WindowState::Normal;
}

void showWindow(WindowHandle window) {
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  widget->show();
  if (widget->isWindow()) {
    widget->raise();
    widget->activateWindow();
  }
}

void maximiseWindow(WindowHandle window) {
  WindowBinding* binding = findBinding(window);
  if (!binding || !binding->widget) return;
  QWidget* widget = binding->widget;
  if (!binding->maximised) binding->normalGeometry = widget->geometry();
  binding->maximised = true;
  widget->showMaximized();
  if ((binding = findBinding(window))) sendSizeNotice(*binding);
}

void restoreWindow(WindowHandle window) {
  WindowBinding* binding = findBinding(window);
  if (!binding || !binding->widget) return;
  QWidget* widget = binding->widget;
  bool wasMaximised = binding->maximised;
  binding->maximised = false;
  widget->showNormal();
  // Qt may have forgotten the maximised state (the window was moved meanwhile): put the
  // window back where it was before maximising.
  if ((binding = findBinding(window)) && wasMaximised && binding->normalGeometry.isValid() &&
      widget->geometry() != binding->normalGeometry) {
    widget->setGeometry(binding->normalGeometry);
  }
  if ((binding = findBinding(window))) sendSizeNotice(*binding);
}

void minimiseWindow(WindowHandle window) {
  if (QWidget* widget = widgetOf(window)) widget->showMinimized();
}

void destroyWindow(WindowHandle window) {
  WindowBinding* binding = findBinding(window);
  if (!binding) return;
  if (!binding->destroySent) {
    binding->destroySent = true;
    sendMessage(window, Message::Destroy);
  }
  QWidget* widget = widgetOf(window);
  forgetWindow(window);
  if (!widget) return;
  if (QWidget::mouseGrabber() == widget) widget->releaseMouse();
  widget->hide();
  // The window may be destroyed from inside its own event handling: free it afterwards.
  widget->deleteLater();
}

void setTopmost(WindowHandle window, bool topmost) {
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  if (QWindow* native = nativeWindowOf(window)) {
    native->setFlag(Qt::WindowStaysOnTopHint, topmost);
  }
  if (topmost) widget->window()->raise();
}

void allowMaximiseAndMinimise(WindowHandle window) {
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  constexpr Qt::WindowFlags capabilities = Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint;
  // Changing a shown widget's flags would hide it; its native window takes them in place.
  if (QWindow* native = nativeWindowOf(window)) {
    native->setFlags(native->flags() | capabilities);
  } else {
    widget->window()->setWindowFlags(widget->window()->windowFlags() | capabilities);
  }
}

bool startSystemMove(WindowHandle window) {
  QWindow* native = nativeWindowOf(window);
  return native && native->startSystemMove();
}

bool startSystemResize(WindowHandle window, ResizeEdge edge) {
  QWindow* native = nativeWindowOf(window);
  if (!native) return false;
  Qt::Edges edges;
  switch (edge) {
    case ResizeEdge::Left: edges = Qt::LeftEdge; break;
    case ResizeEdge::Right: edges = Qt::RightEdge; break;
    case ResizeEdge::Top: edges = Qt::TopEdge; break;
    case ResizeEdge::TopLeft: edges = Qt::TopEdge | Qt::LeftEdge; break;
    case ResizeEdge::TopRight: edges = Qt::TopEdge | Qt::RightEdge; break;
    case ResizeEdge::Bottom: edges = Qt::BottomEdge; break;
    case ResizeEdge::BottomLeft: edges = Qt::BottomEdge | Qt::LeftEdge; break;
    case ResizeEdge::BottomRight: edges = Qt::BottomEdge | Qt::RightEdge; break;
  }
  return native->startSystemResize(edges);
}

Text windowTitle(WindowHandle window) {
  QWidget* widget = widgetOf(window);
  return widget ? utf16ToCp936(widget->windowTitle().toStdU16String()) : Text();
}

bool setRoundRectRegion(WindowHandle window, const Rect& rect, int ellipseWidth, int ellipseHeight) {
  QWidget* widget = widgetOf(window);
  if (!widget) return false;
  widget->setMask(roundRectRegion(rect, ellipseWidth, ellipseHeight));
  return true;
}

bool setRoundRectUnionRegion(WindowHandle window, const Rect& rounded, int ellipseWidth, int ellipseHeight,
                             const Rect& plain) {
  QWidget* widget = widgetOf(window);
  if (!widget) return false;
  widget->setMask(roundRectRegion(rounded, ellipseWidth, ellipseHeight).united(plainRegion(plain)));
  return true;
}

void clearWindowRegion(WindowHandle window) {
  if (QWidget* widget = widgetOf(window)) widget->clearMask();
}

bool windowRegionContains(WindowHandle window, Point pixel) {
  QWidget* widget = widgetOf(window);
  if (!widget) return false;
  QPoint point(pixel.x, pixel.y);
  QRegion mask = widget->mask();
  return mask.isEmpty() ? widget->rect().contains(point) : mask.contains(point);
}

void setCapture(WindowHandle window) {
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  if (widget->isVisible()) {
    widget->grabMouse();
    QWindow* native = nativeWindowOf(window);
    if (WindowBinding* binding = findBinding(window)) binding->grabAgainWhenShown = !native || !native->isExposed();
  } else {
    releaseCapture();
    pendingCapture = window;
  }
}

void releaseCapture() {
  pendingCapture = 0;
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

WindowHandle captureWindow() {
  if (pendingCapture) return pendingCapture;
  return handleOf(QWidget::mouseGrabber());
}

void setWindowCursor(WindowHandle window, CursorShape shape) {
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  switch (shape) {
    case CursorShape::Default: widget->unsetCursor(); break;
    case CursorShape::SizeNS: widget->setCursor(Qt::SizeVerCursor); break;
    case CursorShape::SizeWE: widget->setCursor(Qt::SizeHorCursor); break;
    case CursorShape::SizeNWSE: widget->setCursor(Qt::SizeFDiagCursor); break;
    case CursorShape::SizeNESW: widget->setCursor(Qt::SizeBDiagCursor); break;
  }
}

CursorShape windowCursor(WindowHandle window) {
  QWidget* widget = widgetOf(window);
  if (!widget || !widget->testAttribute(Qt::WA_SetCursor)) return CursorShape::Default;
  switch (widget->cursor().shape()) {
    case Qt::SizeVerCursor: return CursorShape::SizeNS;
    case Qt::SizeHorCursor: return CursorShape::SizeWE;
    case Qt::SizeFDiagCursor: return CursorShape::SizeNWSE;
    case Qt::SizeBDiagCursor: return CursorShape::SizeNESW;
    default: return CursorShape::Default;
  }
}

bool setSmallIcon(WindowHandle window, const Bytes& picture) {
  QWidget* widget = widgetOf(window);
  if (!widget) return false;
  QImage image;
  if (!image.loadFromData(picture.data(), static_cast<int>(picture.size()))) return false;
  widget->setWindowIcon(QIcon(QPixmap::fromImage(image)));
  return true;
}

IconHandle smallIcon(WindowHandle window) {
  WindowBinding* binding = findBinding(window);
  if (!binding || !binding->widget) return 0;
  QIcon icon = binding->widget->windowIcon();
  if (icon.isNull()) return 0;
  QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
  if (image.size() != QSize(16, 16)) {
    image = image.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  if (!binding->iconId) binding->iconId = ++lastIcon;
  icons[binding->iconId] = image;
  return binding->iconId;
}

Bytes iconPng(IconHandle icon) {
  auto found = icons.find(icon);
  if (found == icons.end()) return {};
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  found->second.save(&buffer, "PNG");
  return Bytes(png.begin(), png.end());
}

}  // namespace pindora
