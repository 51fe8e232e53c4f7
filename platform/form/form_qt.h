#pragma once
// The toolkit side of the form runtime, for the application's own window code and the tests.
// Window thread only.

#include <QWidget>

#include "platform/form/form.h"

namespace pindora {

QWidget* mainWindowWidget();
QWidget* controlWidget(ControlRef control);

}  // namespace pindora
