#pragma once
// What the window layer keeps for each window it has named: the widget, its procedure and
// the bookkeeping of painting, leave requests and size notices. Internal to platform/window.

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QWidget>

#include "platform/window/window.h"

namespace pindora {

struct WindowBinding {
  WindowHandle handle = 0;
  QPointer<QWidget> widget;
  WindowProcedure procedure;  // empty: the default procedure (the toolkit's own handling)
  bool doubleClicks = true;
  bool leaveRequested = false;
  bool destroySent = false;

  // Painting.
  QRegion pending;            // invalidated and not painted yet
  bool pendingErase = false;
  bool inPaint = false;
  QRect paintRect;
  bool paintErase = false;
  bool paintDrew = false;
  QImage layeredPicture;      // the picture of a layered window, premultiplied ARGB

  // Maximised as the program sees it. Qt forgets a window is maximised as soon as the program
  // moves it (as the skin does, to keep it off the taskbar), so the state is kept here.
  bool maximised = false;
  QRect normalGeometry;  // where restoring puts the window

  // The last Size notice, so that one change gives one notice.
  int lastSizeKind = -1;
  QSize lastSize;

  std::uintptr_t iconId = 0;

  // The capture was taken before the window was on the screen: the window system grabs the
  // pointer only for a window it shows, so the grab is made again at the first paint.
  bool grabAgainWhenShown = false;
};

// The binding of a live window, or nullptr.
WindowBinding* findBinding(WindowHandle window);

// Runs the window's procedure for a message that came from a toolkit event. True when the
// procedure let the toolkit's own handling run (it called the default procedure).
bool dispatchEvent(WindowHandle window, Message message, WParam wParam, LParam lParam);

// Draws the layered picture over the window; only during its paint.
void paintLayeredPicture(WindowBinding& binding);

// Sends Size when the window's size or its maximised/minimised/restored kind changed since
// the last notice.
void sendSizeNotice(WindowBinding& binding);

// Forgets the window: its handle names nothing from now on.
void forgetWindow(WindowHandle window);

// The window waiting for the mouse capture until it is shown, 0 for none.
extern WindowHandle pendingCapture;

}  // namespace pindora
