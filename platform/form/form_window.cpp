// Building the main window from its description, and the toolkit-side lookups.

#include <QGroupBox>
#include <QRadioButton>
#include <map>

#include "platform/form/control_registry.h"
#include "platform/form/form_qt.h"
#include "platform/form/picture_box.h"

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
    }
    return nullptr;
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
    window->setGeometry(description.x, description.y, description.width, description.height);

    std::map<Text, QWidget*> byName;
    std::map<Text, std::uint32_t> idByName;
    std::vector<ControlRecord> records;
    for (const ControlDescription& control : description.controls) {
        const auto parentEntry = byName.find(control.parentName);
        QWidget* parent = parentEntry != byName.end() ? parentEntry->second : window;
        QWidget* widget = createWidget(control, parent);
        widget->setGeometry(control.x, control.y, control.width, control.height);
        byName[control.formName] = widget;
        ControlRecord record;
        record.id = static_cast<std::uint32_t>(records.size() + 1);
        idByName[control.formName] = record.id;
        record.formName = control.formName;
        record.tag = control.tag;
        record.kind = control.kind;
        const auto parentId = idByName.find(control.parentName);
        record.group = parentId != idByName.end() ? parentId->second : 0;
        record.checked = control.kind == ControlKind::RadioButton && control.checked;
        record.widget = widget;
        records.push_back(std::move(record));
    }

    ControlRegistry& registry = controlRegistry();
    ControlRef windowRef;
    {
        std::lock_guard lock(registry.mutex);
        registry.window = ++registry.lastWindow;
        registry.windowWidget = window;
        registry.dispatcher = new QObject;
        registry.controls = std::move(records);
        windowRef.window = registry.window;
        for (ControlRecord& record : registry.controls) {
            if (record.kind == ControlKind::RadioButton) {
                followRadioButton(static_cast<QRadioButton*>(record.widget.data()), {windowRef.window, record.id});
            }
        }
    }
    return windowRef;
}

void showMainWindow() {
    if (QWidget* window = mainWindowWidget()) window->show();
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
