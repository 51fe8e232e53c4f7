#include "platform/form/control_registry.h"

#include <QCoreApplication>
#include <QRadioButton>
#include <QThread>

#include "platform/codepage/codepage.h"
#include "platform/form/picture_box.h"

namespace pindora {

ControlRegistry& controlRegistry() {
    static ControlRegistry registry;
    return registry;
}

bool onWindowThread() {
    const QCoreApplication* application = QCoreApplication::instance();
    return application != nullptr && QThread::currentThread() == application->thread();
}

QString toQString(std::string_view cp936) { return QString::fromStdU16String(cp936ToUtf16(cp936)); }

ControlRecord* ControlRegistry::find(ControlRef ref) {
    if (ref.window == 0 || ref.window != window || ref.control == 0 || ref.control > controls.size()) {
        return nullptr;
    }
    return &controls[ref.control - 1];
}

void ControlRegistry::checkInGroup(ControlRecord& record, bool checked) {
    record.checked = checked;
    if (!checked) return;
    for (ControlRecord& other : controls) {
        if (other.id != record.id && other.kind == ControlKind::RadioButton && other.group == record.group) {
            other.checked = false;
        }
    }
}

void ControlRegistry::postSync(ControlRef ref) {
    if (dispatcher == nullptr) return;
    QMetaObject::invokeMethod(dispatcher, [ref] { syncControl(ref); }, Qt::QueuedConnection);
}

void syncControl(ControlRef ref) {
    ControlRegistry& registry = controlRegistry();
    QWidget* widget = nullptr;
    ControlKind kind{};
    bool checked = false;
    bool pictureChanged = false;
    Bytes picture;
    {
        std::lock_guard lock(registry.mutex);
        ControlRecord* record = registry.find(ref);
        if (record == nullptr || record->widget.isNull()) return;
        widget = record->widget.data();
        kind = record->kind;
        checked = record->checked;
        if (record->shownVersion != record->pictureVersion) {
            record->shownVersion = record->pictureVersion;
            picture = record->picture;
            pictureChanged = true;
        }
    }
    if (kind == ControlKind::PictureBox && pictureChanged) {
        static_cast<PictureBox*>(widget)->showImage(picture);
    } else if (kind == ControlKind::RadioButton) {
        auto* button = static_cast<QRadioButton*>(widget);
        if (button->isChecked() == checked) return;
        // An exclusive button refuses to be unchecked directly.
        button->setAutoExclusive(checked);
        button->setChecked(checked);
        button->setAutoExclusive(true);
    }
}

}  // namespace pindora
