#pragma once
// The window layer's handle of a form's window or control, for code that hands the main
// window to the window services (the skin).

#include "platform/form/form.h"
#include "platform/window/window.h"

namespace pindora {

// 0 when the reference names nothing. Window thread only.
WindowHandle windowHandleOf(ControlRef ref);

}  // namespace pindora
