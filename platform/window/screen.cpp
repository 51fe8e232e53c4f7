// The screen, the work area, the pointer and injected clicks.

#include "platform/window/screen.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "platform/window/qt_window.h"
#include "platform/window/x11_input.h"

namespace pindora {

namespace {

Rect toRect(const QRect& rect) { return {rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()}; }

void queueMouseEvent(QWindow* target, QEvent::Type type, const QPoint& global) {
  QPointF local = target->mapFromGlobal(global);
  Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
  QCoreApplication::postEvent(
      target, new QMouseEvent(type, local, local, QPointF(global), Qt::LeftButton, held, Qt::NoModifier));
}

}  // namespace

Size screenSize() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {screen->geometry().width(), screen->geometry().height()};
}

Rect taskbarFromWorkArea(const Rect& screen, const Rect& workArea) {
  if (workArea.bottom < screen.bottom) return {screen.left, workArea.bottom, screen.right, screen.bottom};
  if (workArea.top > screen.top) return {screen.left, screen.top, screen.right, workArea.top};
  if (workArea.left > screen.left) return {screen.left, screen.top, workArea.left, screen.bottom};
  if (workArea.right < screen.right) return {workArea.right, screen.top, screen.right, screen.bottom};
  return {screen.left, screen.bottom, screen.right, screen.bottom};
}

Rect taskbarRect() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return taskbarFromWorkArea(toRect(screen->geometry()), toRect(screen->availableGeometry()));
}

WindowHandle windowAtPoint(Point screenPoint) {
  return handleOf(QApplication::widgetAt(QPoint(screenPoint.x, screenPoint.y)));
}

Point cursorPosition() {
  QPoint at = QCursor::pos();
  return {at.x(), at.y()};
}

void setCursorPosition(Point screenPoint) { QCursor::setPos(QPoint(screenPoint.x, screenPoint.y)); }

bool injectLeftClick(Point screenPoint) {
  QPoint global(screenPoint.x, screenPoint.y);
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && injectX11LeftClick(x11->display(), global.x(), global.y());
  }
  QCursor::setPos(global);
  QWidget* grabber = QWidget::mouseGrabber();
  QWidget* under = grabber ? grabber : QApplication::widgetAt(global);
  QWindow* target = under ? under->window()->windowHandle() : nullptr;
  if (!target) return false;
  queueMouseEvent(target, QEvent::MouseButtonPress, global);
  queueMouseEvent(target, QEvent::MouseButtonRelease, global);
  return true;
}

}  // namespace pindora
