#pragma once
// Internal to the form runtime: the main window's controls and the properties the runtime keeps
// for them. Workers read and write the kept properties under the registry's lock; only the
// window thread touches widgets, and it brings a widget up to date from the kept properties
// when a worker has changed them (syncControl, queued through the dispatcher).

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/form/form.h"

namespace pindora {

struct ControlRecord {
    std::uint32_t id = 0;
    Text formName;
    Text tag;
    ControlKind kind = ControlKind::PictureBox;
    std::uint32_t group = 0;  // the parent control's id; radio buttons of one parent are a group
    bool checked = false;
    Bytes picture;
    std::uint64_t pictureVersion = 0;
    std::uint64_t shownVersion = 0;  // the version the widget shows
    QPointer<QWidget> widget;        // window thread only
};

struct ControlRegistry {
    std::mutex mutex;
    std::uint32_t window = 0;  // the main window's number, 0 when there is none
    std::uint32_t lastWindow = 0;
    QWidget* windowWidget = nullptr;  // window thread only
    QObject* dispatcher = nullptr;    // lives on the window thread while the window exists
    std::vector<ControlRecord> controls;

    // The caller holds the mutex.
    ControlRecord* find(ControlRef ref);
    void checkInGroup(ControlRecord& record, bool checked);
    void postSync(ControlRef ref);
};

ControlRegistry& controlRegistry();
bool onWindowThread();
// Window thread: brings the control's widget up to date with its kept properties.
void syncControl(ControlRef ref);
QString toQString(std::string_view cp936);

}  // namespace pindora
