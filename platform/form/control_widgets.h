#pragma once
// Internal to the form runtime: widgets of the control kinds beyond picture boxes, radio
// buttons and group boxes, and where a control's children go.

#include <QIcon>
#include <QWidget>

#include "platform/form/form.h"

namespace pindora {

QWidget* createOtherWidget(const ControlDescription& description, QWidget* parent);
// The widget a child of `parent` belongs in: the child's page for a tab control, else `parent`.
QWidget* childParent(QWidget* parent, const ControlDescription& child);
// Adds a menu item to the menu widget `menu`; choosing it delivers the item's Click.
void addMenuItem(QWidget* menu, const ControlDescription& item, ControlRef ref);
// One icon from pictures of several sizes; the toolkit picks the size it needs.
QIcon iconFromBytes(const std::vector<Bytes>& pictures);
// Program text with its CR LF line ends as the toolkit wants them.
QString displayText(std::string_view cp936);

}  // namespace pindora
