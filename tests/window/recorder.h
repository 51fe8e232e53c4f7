#pragma once
// A window procedure that records the messages it gets, for the window layer's tests.

#include <QApplication>
#include <QMouseEvent>
#include <vector>

#include "platform/window/window.h"

namespace pindora {

struct Received {
  Message message;
  WParam wParam;
  LParam lParam;
};

struct Recorder {
  std::vector<Received> received;
  WindowProcedure previous;
  bool callPrevious = true;

  WindowProcedure procedure() {
    return [this](WindowHandle window, Message message, WParam wParam, LParam lParam) -> MessageResult {
      received.push_back({message, wParam, lParam});
      return callPrevious ? callProcedure(previous, window, message, wParam, lParam) : 0;
    };
  }
  std::vector<Message> messages() const {
    std::vector<Message> out;
    for (const Received& r : received) out.push_back(r.message);
    return out;
  }
  int count(Message message) const {
    int n = 0;
    for (const Received& r : received) n += r.message == message;
    return n;
  }
  const Received* last(Message message) const {
    for (auto it = received.rbegin(); it != received.rend(); ++it) {
      if (it->message == message) return &*it;
    }
    return nullptr;
  }
};

// Sends a real mouse event to a widget, as Qt delivers it.
inline bool sendMouse(QObject* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), QPointF(at), QPointF(at), button, held, Qt::NoModifier);
  return QApplication::sendEvent(target, &event);
}

}  // namespace pindora
