#pragma once
// A real skinned window for the popups' tests: a frameless top-level widget wearing a
// SkinFrame, whose own window procedure (the one the skin calls after its handling) records
// what reaches it and runs test steps when it gets a User message. A step posted before a
// popup opens runs inside the popup's message loop.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "assets/assets.h"
#include "platform/codepage/codepage.h"
#include "platform/window/qt_window.h"
#include "platform/window/screen.h"
#include "platform/window/window.h"
#include "platform/window/window_control.h"
#include "skin/skin_frame.h"
#include "skin/skin_state.h"

namespace pindora {

class SkinnedWindow {
 public:
  explicit SkinnedWindow(bool attach = true, bool useConfigFile = false, QRect geometry = QRect(100, 100, 650, 500)) {
    createSkinState();
    widget_.setWindowFlag(Qt::FramelessWindowHint);
    widget_.setGeometry(geometry);
    window_ = handleOf(&widget_);
    setSmallIcon(window_, assetCopy("app/icon.png"));
    previous_ = subclassWindow(window_, [this](WindowHandle window, Message message, WParam wParam, LParam lParam) {
      received.push_back({message, wParam});
      if (message == Message::User && !steps_.empty()) {
        auto step = std::move(steps_.front());
        steps_.pop_front();
        step();
        return MessageResult{0};
      }
      return callProcedure(previous_, window, message, wParam, lParam);
    });
    frame = std::make_unique<SkinFrame>();
    if (attach) frame->attach(window_, useConfigFile);
    widget_.show();
    QApplication::processEvents();
  }

  ~SkinnedWindow() {
    frame.reset();
    subclassWindow(window_, previous_);
  }

  WindowHandle handle() const { return window_; }
  QWidget& widget() { return widget_; }

  // Queues a step; it runs when the running message loop delivers the window's next User message.
  void then(std::function<void()> step) {
    steps_.push_back(std::move(step));
    postMessage(window_, Message::User);
  }

  int count(Message message) const {
    int n = 0;
    for (const auto& entry : received) n += entry.message == message;
    return n;
  }

  struct Entry {
    Message message;
    WParam wParam;
  };
  std::vector<Entry> received;
  std::unique_ptr<SkinFrame> frame;

 private:
  QWidget widget_;
  WindowHandle window_ = 0;
  WindowProcedure previous_;
  std::deque<std::function<void()>> steps_;
};

// A mouse event delivered to the widget of a window as Qt delivers it.
inline void sendMouse(WindowHandle window, QEvent::Type type, int x, int y,
                      Qt::MouseButton button = Qt::LeftButton) {
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  const QPointF local(x, y);
  const QPointF global = widget->mapToGlobal(local);
  setCursorPosition({static_cast<int>(global.x()), static_cast<int>(global.y())});  // as a real pointer would be
  const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
  QMouseEvent event(type, local, local, global, type == QEvent::MouseMove ? Qt::NoButton : button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

inline void click(WindowHandle window, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
  sendMouse(window, QEvent::MouseButtonPress, x, y, button);
  sendMouse(window, QEvent::MouseButtonRelease, x, y, button);
}

}  // namespace pindora
