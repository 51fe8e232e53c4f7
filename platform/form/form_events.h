#pragma once
// Internal to the form runtime: turning toolkit signals and mouse presses into form events.

#include <QWidget>

#include "platform/form/form.h"

namespace pindora {

// Clicks of buttons, and left and right presses of picture boxes and labels, become events
// of the control `ref`.
void connectControlEvents(QWidget* widget, ControlKind kind, ControlRef ref);

}  // namespace pindora
