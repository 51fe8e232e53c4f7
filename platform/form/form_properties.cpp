// Finding controls and their properties, from any thread.

#include <charconv>

#include "base/text.h"
#include "platform/form/control_registry.h"

namespace pindora {
namespace {

bool tagEquals(std::string_view tag, int number) {
    const Text trimmed = trimText(tag);
    int value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
    return !trimmed.empty() && error == std::errc() && stop == end && value == number;
}

template <typename Test>
ControlRef findFirst(Test test) {
    ControlRegistry& registry = controlRegistry();
    std::lock_guard lock(registry.mutex);
    for (const ControlRecord& record : registry.controls) {
        if (test(record)) return {registry.window, record.id};
    }
    return {};
}

}  // namespace

ControlRef findControl(std::string_view formName) {
    return findFirst([formName](const ControlRecord& record) { return record.formName == formName; });
}

ControlRef findControlByTag(int tag) {
    return findFirst([tag](const ControlRecord& record) { return tagEquals(record.tag, tag); });
}

bool isChecked(ControlRef radioButton) {
    ControlRegistry& registry = controlRegistry();
    std::lock_guard lock(registry.mutex);
    const ControlRecord* record = registry.find(radioButton);
    return record != nullptr && record->kind == ControlKind::RadioButton && record->checked;
}

void setChecked(ControlRef radioButton, bool checked) {
    ControlRegistry& registry = controlRegistry();
    {
        std::lock_guard lock(registry.mutex);
        ControlRecord* record = registry.find(radioButton);
        if (record == nullptr || record->kind != ControlKind::RadioButton) return;
        registry.checkInGroup(*record, checked);
        if (!onWindowThread()) {
            registry.postSync(radioButton);
            return;
        }
    }
    syncControl(radioButton);
}

Bytes pictureBytes(ControlRef pictureBox) {
    ControlRegistry& registry = controlRegistry();
    std::lock_guard lock(registry.mutex);
    const ControlRecord* record = registry.find(pictureBox);
    return record != nullptr && record->kind == ControlKind::PictureBox ? record->picture : Bytes{};
}

void setPicture(ControlRef pictureBox, Bytes imageBytes) {
    ControlRegistry& registry = controlRegistry();
    {
        std::lock_guard lock(registry.mutex);
        ControlRecord* record = registry.find(pictureBox);
        if (record == nullptr || record->kind != ControlKind::PictureBox) return;
        record->picture = std::move(imageBytes);
        ++record->pictureVersion;
        if (!onWindowThread()) {
            registry.postSync(pictureBox);
            return;
        }
    }
    syncControl(pictureBox);
}

}  // namespace pindora
