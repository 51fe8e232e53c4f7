// Building the main window from its description, and the toolkit-side lookups.

#include <QFont>
#include <QGroupBox>
#include <QRadioButton>
#include <map>

#include "platform/form/control_registry.h"
#include "platform/form/control_widgets.h"
#include "platform/form/form_events.h"
#include "platform/form/form_qt.h"
#include "platform/form/picture_box.h"
#include "platform/form/web_view.h"

namespace pindora {
namespace {

QWidget* createWidget(const ControlDescription& description, QWidget* parent) {
    switch (description.kind) {
        case ControlKind::PictureBox:
            return new PictureBox(parent);
        case ControlKind::RadioButton: {
            auto* button = new QRadioButton(toQString(description.text), parent);
            button->setChecked(description.checked);
            return button;
        }
        case ControlKind::GroupBox:
            return new QGroupBox(toQString(description.text), parent);
        default:
            return createOtherWidget(description, parent);
    }
}

// Keeps the runtime's checked state in step with clicks on the window thread.
void followRadioButton(QRadioButton* button, ControlRef ref) {
    QObject::connect(button, &QAbstractButton::toggled, button, [ref](bool checked) {
        ControlRegistry& registry = controlRegistry();
        std::lock_guard lock(registry.mutex);
        if (ControlRecord* record = registry.find(ref)) registry.checkInGroup(*record, checked);
    });
}

}  // namespace

ControlRef createMainWindow(const FormDescription& description) {
    destroyMainWindow();
    auto* window = new QWidget;
    window->setWindowTitle(toQString(description.title));
    if (description.frameless) window->setWindowFlag(Qt::FramelessWindowHint);
    if (!description.icons.empty()) window->setWindowIcon(iconFromBytes(description.icons));
    if (!description.fontFamily.empty()) {
        QFont font(toQString(description.fontFamily));
        if (description.fontPixelSize > 0) font.setPixelSize(description.fontPixelSize);
        window->setFont(font);
    }
    window->setGeometry(description.x, description.y, description.width, description.height);

    ControlRegistry& registry = controlRegistry();
    std::uint32_t windowNumber = 0;
    {
        std::lock_guard lock(registry.mutex);
        windowNumber = registry.lastWindow + 1;  // only the window thread makes windows
    }
    std::map<Text, QWidget*> byName;
    std::map<Text, std::uint32_t> idByName;
    std::vector<ControlRecord> records;
    for (const ControlDescription& control : description.controls) {
        const auto parentEntry = byName.find(control.parentName);
        QWidget* parent = parentEntry != byName.end() ? childParent(parentEntry->second, control) : window;
        const ControlRef ref{windowNumber, static_cast<std::uint32_t>(records.size() + 1)};
        QWidget* widget = nullptr;
        if (control.kind == ControlKind::MenuItem) {
            addMenuItem(parent, control, ref);
        } else if (control.kind != ControlKind::FileDialog && control.kind != ControlKind::Timer) {
            widget = createWidget(control, parent);
            if (control.kind != ControlKind::Menu) {
                widget->setGeometry(control.x, control.y, control.width, control.height);
            }
            if (control.handCursor) widget->setCursor(Qt::PointingHandCursor);
            if (control.kind == ControlKind::PictureBox && !control.picture.empty()) {
                static_cast<PictureBox*>(widget)->showImage(control.picture);
            }
            connectControlEvents(widget, control.kind, ref);
            byName[control.formName] = widget;
        }
        ControlRecord record;
        record.id = static_cast<std::uint32_t>(records.size() + 1);
        idByName[control.formName] = record.id;
        record.formName = control.formName;
        record.tag = control.tag;
        record.kind = control.kind;
        const auto parentId = idByName.find(control.parentName);
        record.group = parentId != idByName.end() ? parentId->second : 0;
        record.checked = control.kind == ControlKind::RadioButton && control.checked;
        record.picture = control.picture;
        record.widget = widget;
        records.push_back(std::move(record));
    }

    ControlRef windowRef;
    {
        std::lock_guard lock(registry.mutex);
        registry.window = ++registry.lastWindow;
        registry.windowWidget = window;
        registry.dispatcher = new QObject;
        registry.controls = std::move(records);
        windowRef.window = registry.window;
        // The window layer may destroy the window itself (the skin closes it): its controls go with it.
        QObject::connect(window, &QObject::destroyed, [number = registry.window] { forgetMainWindow(number); });
        for (ControlRecord& record : registry.controls) {
            if (record.kind == ControlKind::RadioButton) {
                followRadioButton(static_cast<QRadioButton*>(record.widget.data()), {windowRef.window, record.id});
            }
        }
    }
    return windowRef;
}

void forgetMainWindow(std::uint32_t number) {
    ControlRegistry& registry = controlRegistry();
    {
        std::lock_guard lock(registry.mutex);
        if (registry.window != number) return;
        registry.windowWidget = nullptr;
        if (registry.dispatcher != nullptr) registry.dispatcher->deleteLater();
        registry.dispatcher = nullptr;
        registry.window = 0;
        registry.controls.clear();
    }
    cancelWebViewFetches();
}

void showMainWindow() {
    QWidget* window = mainWindowWidget();
    if (window == nullptr) return;
    if (!window->property("pindoraCreatedSent").toBool()) {
        window->setProperty("pindoraCreatedSent", true);
        deliverEvent({controlRegistry().window, 0}, FormEvent::Created);
    }
    if (QWidget* still = mainWindowWidget()) still->show();
}

void destroyMainWindow() {
    ControlRegistry& registry = controlRegistry();
    QWidget* window = nullptr;
    QObject* dispatcher = nullptr;
    {
        std::lock_guard lock(registry.mutex);
        window = registry.windowWidget;
        dispatcher = registry.dispatcher;
        registry.windowWidget = nullptr;
        registry.dispatcher = nullptr;
        registry.window = 0;
        registry.controls.clear();
    }
    cancelWebViewFetches();
    delete dispatcher;  // drops the updates still queued for the old controls
    delete window;
}

QWidget* mainWindowWidget() {
    ControlRegistry& registry = controlRegistry();
    std::lock_guard lock(registry.mutex);
    return registry.windowWidget;
}

QWidget* controlWidget(ControlRef ref) {
    ControlRegistry& registry = controlRegistry();
    std::lock_guard lock(registry.mutex);
    const ControlRecord* record = registry.find(ref);
    return record != nullptr ? record->widget.data() : nullptr;
}

}  // namespace pindora
