#pragma once
// The bridge between Qt widgets and window handles, for the platform code and the program's
// main only: the skin never includes Qt.

#include "platform/window/window.h"

class QWidget;

namespace pindora {

// The handle of a widget (a top-level window or a child control), made on first use; 0 for null.
WindowHandle handleOf(QWidget* widget);

// The widget a handle names, or nullptr when it names none (or the window was destroyed).
QWidget* widgetOf(WindowHandle window);

}  // namespace pindora
