#pragma once
// A real frameless window wearing the skin, with a recording procedure below the skin (the
// window's previous procedure) and one above it (to count the paints that reach the skin).

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/window/painting.h"
#include "platform/window/qt_window.h"
#include "platform/window/window.h"
#include "platform/window/window_control.h"
#include "skin/skin_frame.h"
#include "skin/skin_state.h"

namespace pindora {

struct Received {
  Message message;
  WParam wParam;
  LParam lParam;
  friend bool operator==(const Received&, const Received&) = default;
};

struct RecordingProcedure {
  std::vector<Received> received;
  WindowProcedure next;         // empty: the default procedure
  bool passOn = true;           // false: answer 0 without the default handling

  WindowProcedure procedure() {
    return [this](WindowHandle window, Message message, WParam wParam, LParam lParam) -> MessageResult {
      received.push_back({message, wParam, lParam});
      return passOn ? callProcedure(next, window, message, wParam, lParam) : 0;
    };
  }
  int count(Message message) const {
    int n = 0;
    for (const Received& r : received) n += r.message == message;
    return n;
  }
};

class SkinWindowTest : public ::testing::Test {
 protected:
  static constexpr int W = 650;
  static constexpr int H = 667;

  void SetUp() override {
    createSkinState();
    widget = new QWidget;
    widget->setWindowFlag(Qt::FramelessWindowHint);
    widget->setWindowTitle("Skin");
    widget->setGeometry(40, 40, W, H);
    window = handleOf(widget);
    below.next = subclassWindow(window, below.procedure());
    skin = std::make_unique<SkinFrame>();
    skin->attach(window);
    widget->show();
    QApplication::processEvents();
    below.received.clear();
  }

  void TearDown() override {
    skin.reset();
    delete widget.data();
    QApplication::processEvents();
    freeSkinState();
  }

  // Puts a recorder above the skin, so that it sees every message the window gets first.
  void watchFromAbove() { above.next = subclassWindow(window, above.procedure()); }

  MessageResult send(Message message, int x, int y) { return sendMessage(window, message, 0, packPosition(x, y)); }

  void addItems(int count) {
    for (int n = 1; n <= count; ++n) skin->addNavItem("item", {});
  }

  std::vector<Message> belowMessages() const {
    std::vector<Message> out;
    for (const Received& r : below.received) out.push_back(r.message);
    return out;
  }

  ChromeButton& button(int n) { return skinState().systemButtons.at(n - 1); }

  QPointer<QWidget> widget;
  WindowHandle window = 0;
  RecordingProcedure below;
  RecordingProcedure above;
  std::unique_ptr<SkinFrame> skin;
};

}  // namespace pindora
