// The main loop, the exit routine and the look of standard controls.

#include <QApplication>
#include <QStyleFactory>
#include <utility>

#include "platform/form/form.h"
#include "platform/form/web_view.h"

namespace pindora {
namespace {

std::function<void()>& exitRoutine() {
    static std::function<void()> routine;
    return routine;
}

}  // namespace

void setExitRoutine(std::function<void()> routine) { exitRoutine() = std::move(routine); }

int runMainLoop() {
    QApplication::exec();
    cancelWebViewFetches();  // nothing is shown any more; the exit routine waits for the threads
    // Taken out first, so the routine runs once even if it ends up here again.
    if (const std::function<void()> routine = std::exchange(exitRoutine(), {})) routine();
    return 0;
}

void enableThemedControls(int style) {
    if (style != 1) return;
    if (QStyle* themed = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(themed);
}

}  // namespace pindora
