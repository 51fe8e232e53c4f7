// Window handles, procedures and the event filter that turns Qt events into messages.

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QThread>
#include <QVariant>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/window/painting.h"
#include "platform/window/qt_window.h"
#include "platform/window/window_binding.h"
#include "platform/window/window_control.h"

namespace pindora {

namespace {

constexpr const char* handleProperty = "pindoraWindowHandle";

std::unordered_map<WindowHandle, std::unique_ptr<WindowBinding>> bindings;
WindowHandle lastHandle = 0;

// One entry per message being handled: a message from a toolkit event lets the toolkit handle
// the event when its procedure calls the default procedure; a sent message gets the default
// action instead.
struct DispatchFrame {
  WindowHandle window;
  Message message;
  bool fromEvent;
  bool passToToolkit = false;
};
std::vector<DispatchFrame> frames;

std::vector<QEventLoop*> loops;

MessageResult runProcedure(WindowHandle window, Message message, WParam wParam, LParam lParam, bool fromEvent,
                           bool* toToolkit = nullptr) {
  WindowBinding* binding = findBinding(window);
  if (!binding) return 0;
  WindowProcedure procedure = binding->procedure;  // kept alive even if replaced meanwhile
  frames.push_back({window, message, fromEvent});
  MessageResult result = procedure ? procedure(window, message, wParam, lParam)
                                   : defaultProcedure(window, message, wParam, lParam);
  if (toToolkit) *toToolkit = frames.back().passToToolkit;
  frames.pop_back();
  return result;
}

void notify(WindowBinding& binding, Message message, WParam wParam = 0, LParam lParam = 0) {
  if (binding.procedure) runProcedure(binding.handle, message, wParam, lParam, true);
}

bool onPaint(WindowBinding& binding, QPaintEvent* event) {
  WindowHandle window = binding.handle;
  if (binding.grabAgainWhenShown) {
    binding.grabAgainWhenShown = false;
    if (QWidget::mouseGrabber() == binding.widget) binding.widget->grabMouse();
  }
  binding.pending -= event->region();
  binding.inPaint = true;
  binding.paintRect = event->rect();
  binding.paintErase = binding.pendingErase;
  binding.pendingErase = false;
  binding.paintDrew = false;
  bool toToolkit = !binding.procedure || dispatchEvent(window, Message::Paint, 0, 0);
  WindowBinding* after = findBinding(window);
  if (!after) return true;
  if (!after->paintDrew && !after->layeredPicture.isNull()) paintLayeredPicture(*after);
  after->inPaint = false;
  return !toToolkit;
}

bool onMouse(WindowBinding& binding, QMouseEvent* event) {
  if (!binding.procedure) return false;
  Message message;
  Qt::MouseButton button = event->button();
  switch (event->type()) {
    case QEvent::MouseMove: message = Message::MouseMove; break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (button == Qt::RightButton) {
        message = Message::RightDown;
      } else if (button == Qt::LeftButton) {
        bool twice = event->type() == QEvent::MouseButtonDblClick && binding.doubleClicks;
        message = twice ? Message::LeftDoubleClick : Message::LeftDown;
      } else {
        return false;
      }
      break;
    case QEvent::MouseButtonRelease:
      if (button != Qt::LeftButton) return false;
      message = Message::LeftUp;
      break;
    default: return false;
  }
  QPoint at = event->position().toPoint();
  WParam held = (event->buttons() & Qt::LeftButton ? WParam{LeftButtonHeld} : 0) |
                (event->buttons() & Qt::RightButton ? WParam{RightButtonHeld} : 0);
  return !dispatchEvent(binding.handle, message, held, packPosition(at.x(), at.y()));
}

// Installed on every widget that has a handle.
class WindowEventFilter : public QObject {
 public:
  bool eventFilter(QObject* object, QEvent* event) override {
    QVariant property = object->property(handleProperty);
    if (!property.isValid()) return false;
    WindowBinding* binding = findBinding(property.value<WindowHandle>());
    if (!binding || !binding->widget) return false;
    QWidget* widget = binding->widget;
    switch (event->type()) {
      case QEvent::Paint: return onPaint(*binding, static_cast<QPaintEvent*>(event));
      case QEvent::MouseMove:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick: return onMouse(*binding, static_cast<QMouseEvent*>(event));
      case QEvent::Leave:
        if (binding->leaveRequested) {
          binding->leaveRequested = false;
          notify(*binding, Message::MouseLeave);
        }
        return false;
      case QEvent::WindowStateChange:
        if (widget->isMaximized()) {
          binding->maximised = true;
        } else if (!widget->isMinimized()) {
          binding->maximised = false;
        }
        if (widget->isWindow()) sendSizeNotice(*binding);
        return false;
      case QEvent::Resize:
        if (widget->isWindow()) sendSizeNotice(*binding);
        return false;
      case QEvent::EnabledChange: notify(*binding, Message::Enable, widget->isEnabled() ? 1 : 0); return false;
      case QEvent::WindowDeactivate: notify(*binding, Message::KillFocus); return false;
      case QEvent::Show:
        if (pendingCapture == binding->handle) {
          pendingCapture = 0;
          widget->grabMouse();
          binding->grabAgainWhenShown = true;
        }
        return false;
      case QEvent::Close:
        if (binding->procedure && !dispatchEvent(binding->handle, Message::Close, 0, 0)) {
          event->ignore();
          return true;
        }
        return false;
      default: return false;
    }
  }
};

WindowEventFilter* eventFilter() {
  static WindowEventFilter* filter = new WindowEventFilter;
  return filter;
}

// A widget is gone without destroyWindow (its parent went, or Qt deleted it on close): its
// procedure still hears Destroy, with a handle that names nothing any more.
void onWidgetGone(WindowHandle window) {
  WindowBinding* binding = findBinding(window);
  if (!binding) return;
  if (!binding->destroySent) {
    binding->destroySent = true;
    runProcedure(window, Message::Destroy, 0, 0, false);
  }
  forgetWindow(window);
}

}  // namespace

WindowHandle pendingCapture = 0;

void sendSizeNotice(WindowBinding& binding) {
  QWidget* widget = binding.widget;
  if (!widget) return;
  SizeKind kind = widget->isMinimized() ? SizeKind::Minimised
                  : binding.maximised   ? SizeKind::Maximised
                                        : SizeKind::Restored;
  QSize size = widget->size();
  if (static_cast<int>(kind) == binding.lastSizeKind && size == binding.lastSize) return;
  binding.lastSizeKind = static_cast<int>(kind);
  binding.lastSize = size;
  notify(binding, Message::Size, static_cast<WParam>(kind), packPosition(size.width(), size.height()));
}

WindowBinding* findBinding(WindowHandle window) {
  auto found = bindings.find(window);
  return found == bindings.end() ? nullptr : found->second.get();
}

void forgetWindow(WindowHandle window) {
  auto found = bindings.find(window);
  if (found == bindings.end()) return;
  if (QWidget* widget = found->second->widget) {
    widget->removeEventFilter(eventFilter());
    widget->setProperty(handleProperty, QVariant());
  }
  if (pendingCapture == window) pendingCapture = 0;
  bindings.erase(found);
}

bool dispatchEvent(WindowHandle window, Message message, WParam wParam, LParam lParam) {
  WindowBinding* binding = findBinding(window);
  if (!binding) return false;
  if (!binding->procedure) return true;
  bool toToolkit = false;
  runProcedure(window, message, wParam, lParam, true, &toToolkit);
  return toToolkit;
}

WindowHandle handleOf(QWidget* widget) {
  if (!widget) return 0;
  QVariant property = widget->property(handleProperty);
  if (property.isValid() && findBinding(property.value<WindowHandle>())) {
    return property.value<WindowHandle>();
  }
  WindowHandle window = ++lastHandle;
  auto binding = std::make_unique<WindowBinding>();
  binding->handle = window;
  binding->widget = widget;
  bindings.emplace(window, std::move(binding));
  widget->setProperty(handleProperty, QVariant::fromValue(window));
  widget->installEventFilter(eventFilter());
  QObject::connect(widget, &QObject::destroyed, [window] { onWidgetGone(window); });
  return window;
}

QWidget* widgetOf(WindowHandle window) {
  WindowBinding* binding = findBinding(window);
  return binding ? binding->widget.data() : nullptr;
}

bool isWindow(WindowHandle window) { return widgetOf(window) != nullptr; }

WindowProcedure subclassWindow(WindowHandle window, WindowProcedure procedure) {
  WindowBinding* binding = findBinding(window);
  if (!binding || !binding->widget) return {};
  WindowProcedure previous = binding->procedure ? binding->procedure : WindowProcedure(&defaultProcedure);
  using Plain = MessageResult (*)(WindowHandle, Message, WParam, LParam);
  const Plain* plain = procedure.target<Plain>();
  binding->procedure = (plain && *plain == &defaultProcedure) ? WindowProcedure() : std::move(procedure);
  // Moves without a button held are messages too.
  binding->widget->setMouseTracking(true);
  return previous;
}

MessageResult callProcedure(const WindowProcedure& previous, WindowHandle window, Message message,
                            WParam wParam, LParam lParam) {
  return previous ? previous(window, message, wParam, lParam) : defaultProcedure(window, message, wParam, lParam);
}

MessageResult defaultProcedure(WindowHandle window, Message message, WParam wParam, LParam lParam) {
  (void)lParam;
  if (!frames.empty()) {
    DispatchFrame& current = frames.back();
    if (current.fromEvent && current.window == window && current.message == message) {
      current.passToToolkit = true;
      return 0;
    }
  }
  switch (message) {
    case Message::Close: destroyWindow(window); return 0;
    case Message::CaptionLeftDown: startSystemMove(window); return 0;
    case Message::GetIcon: return static_cast<MessageResult>(smallIcon(window));
    case Message::SystemCommand: {
      WParam firstEdge = sizeCommand(ResizeEdge::Left), lastEdge = sizeCommand(ResizeEdge::BottomRight);
      if (wParam >= firstEdge && wParam <= lastEdge) {
        startSystemResize(window, static_cast<ResizeEdge>(wParam - sizeCommand(ResizeEdge::Left) + 1));
        return 0;
      }
      switch (static_cast<SystemCommand>(wParam)) {
        case SystemCommand::Close: sendMessage(window, Message::Close); break;
        case SystemCommand::Maximise: maximiseWindow(window); break;
        case SystemCommand::Restore: restoreWindow(window); break;
        case SystemCommand::Minimise: minimiseWindow(window); break;
        default: break;
      }
      return 0;
    }
    default: return 0;
  }
}

MessageResult sendMessage(WindowHandle window, Message message, WParam wParam, LParam lParam) {
  WindowBinding* binding = findBinding(window);
  if (!binding) return 0;
  if (message == Message::Paint && !binding->inPaint) {
    // Painting needs the toolkit's paint event: paint what is invalid now.
    updateNow(window);
    return 0;
  }
  return runProcedure(window, message, wParam, lParam, false);
}

bool postMessage(WindowHandle window, Message message, WParam wParam, LParam lParam) {
  // Without an application there is no window to post to. From another thread the window is
  // looked up only when the message is sent.
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr) return false;
  if (QThread::currentThread() == application->thread() && !isWindow(window)) return false;
  QMetaObject::invokeMethod(
      application, [=] { sendMessage(window, message, wParam, lParam); }, Qt::QueuedConnection);
  return true;
}

int runMessageLoop() {
  QEventLoop loop;
  loops.push_back(&loop);
  int code = loop.exec();
  loops.pop_back();
  return code;
}

void postQuit(int code) {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [code] {
        if (loops.empty()) {
          QCoreApplication::exit(code);
        } else {
          loops.back()->exit(code);
        }
      },
      Qt::QueuedConnection);
}

void requestLeaveNotice(WindowHandle window) {
  if (WindowBinding* binding = findBinding(window)) binding->leaveRequested = true;
}

}  // namespace pindora
