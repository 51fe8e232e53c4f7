// Popup classes and popup windows.

#include "platform/window/popup.h"

#include <QWidget>
#include <map>

#include "platform/window/qt_window.h"
#include "platform/window/window_binding.h"

namespace pindora {

namespace {
std::map<Text, WindowProcedure> popupClasses;
}

bool registerPopupClass(const Text& className, WindowProcedure procedure) {
  if (className.empty() || !procedure) return false;
  return popupClasses.emplace(className, std::move(procedure)).second;
}

bool unregisterPopupClass(const Text& className) { return popupClasses.erase(className) > 0; }

WindowHandle createPopupWindow(const Text& className, const Rect& screenRect, WindowHandle owner) {
  auto found = popupClasses.find(className);
  if (found == popupClasses.end()) return 0;
  auto* widget = new QWidget(widgetOf(owner), Qt::Tool | Qt::FramelessWindowHint);
  widget->setAttribute(Qt::WA_TranslucentBackground);
  widget->setAttribute(Qt::WA_DeleteOnClose);
  widget->setGeometry(screenRect.left, screenRect.top, screenRect.width(), screenRect.height());
  WindowHandle window = handleOf(widget);
  WindowBinding* binding = findBinding(window);
  binding->doubleClicks = false;
  subclassWindow(window, found->second);
  sendMessage(window, Message::Create);
  return isWindow(window) ? window : 0;
}

}  // namespace pindora
