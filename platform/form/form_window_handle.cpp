#include "platform/form/form_window_handle.h"

#include "platform/form/form_qt.h"
#include "platform/window/qt_window.h"

namespace pindora {

WindowHandle windowHandleOf(ControlRef ref) {
    if (!ref.valid()) return 0;
    QWidget* widget = ref.control == 0 ? mainWindowWidget() : controlWidget(ref);
    return widget != nullptr ? handleOf(widget) : 0;
}

}  // namespace pindora
