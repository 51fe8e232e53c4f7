// Event handlers of the main window's controls and the routing of one control's events to
// another's handler. Window thread only.

#include "platform/form/form_events.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <map>
#include <utility>

namespace pindora {
namespace {

using EventKey = std::pair<std::uint64_t, FormEvent>;

std::uint64_t controlKey(ControlRef ref) { return (std::uint64_t{ref.window} << 32) | ref.control; }

// Keys carry the window number, which is never reused, so entries of an old window never match.
std::map<EventKey, FormEventHandler>& handlers() {
    static std::map<EventKey, FormEventHandler> all;
    return all;
}
std::map<EventKey, ControlRef>& routes() {
    static std::map<EventKey, ControlRef> all;
    return all;
}

class PressFilter : public QObject {
public:
    PressFilter(QObject* parent, ControlRef ref) : QObject(parent), ref_(ref) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress) return false;
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::LeftButton) deliverEvent(ref_, FormEvent::LeftPress);
        if (button == Qt::RightButton) deliverEvent(ref_, FormEvent::RightPress);
        return false;
    }

private:
    ControlRef ref_;
};

}  // namespace

void connectControlEvents(QWidget* widget, ControlKind kind, ControlRef ref) {
    switch (kind) {
        case ControlKind::RadioButton:
        case ControlKind::PushButton:
            QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, widget,
                             [ref] { deliverEvent(ref, FormEvent::Click); });
            break;
        case ControlKind::PictureBox:
        case ControlKind::Label:
        case ControlKind::TransparentLabel:
            widget->installEventFilter(new PressFilter(widget, ref));
            break;
        default:
            break;
    }
}

void setEventHandler(ControlRef control, FormEvent event, FormEventHandler handler) {
    handlers()[{controlKey(control), event}] = std::move(handler);
}

void routeEvents(ControlRef from, ControlRef to, FormEvent event) { routes()[{controlKey(from), event}] = to; }

bool deliverEvent(ControlRef control, FormEvent event) {
    ControlRef target = control;
    if (const auto route = routes().find({controlKey(control), event}); route != routes().end()) {
        target = route->second;
    }
    const auto entry = handlers().find({controlKey(target), event});
    if (entry == handlers().end() || !entry->second) return false;
    const FormEventHandler handler = entry->second;  // the handler may change the tables
    handler(control);
    return true;
}

}  // namespace pindora
