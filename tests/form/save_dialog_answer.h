#pragma once
// Answering the toolkit's save dialog from a test, as a user would.

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace pindora {

// Answers the next save dialog the way a user would: notes what it shows, then types a name
// (an empty name cancels). The dialog fills its view in the background and may not take the
// answer at once, so it is answered again until it closes; after fifteen seconds it is cancelled,
// so a dialog that keeps refusing cannot hang the test. The answer stops when the returned
// handle goes, so it cannot answer a dialog of a later test.
[[nodiscard]] inline std::unique_ptr<QTimer> answerSaveDialog(const QString& typedName, QString* directoryShown,
                                                              QStringList* filtersShown) {
    auto owned = std::make_unique<QTimer>();
    QTimer* poll = owned.get();
    auto clock = std::make_shared<QElapsedTimer>();
    auto answering = std::make_shared<QPointer<QFileDialog>>();
    auto found = std::make_shared<bool>(false);
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        if (!*found) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* candidate = qobject_cast<QFileDialog*>(top); candidate != nullptr && candidate->isVisible()) {
                    *answering = candidate;
                }
            }
            if (answering->isNull() && clock->elapsed() > 15000) poll->stop();
            if (answering->isNull()) return;
            *found = true;
        }
        QFileDialog* dialog = answering->data();
        if (dialog == nullptr || !dialog->isVisible()) {
            poll->stop();
            return;
        }
        *directoryShown = dialog->directory().absolutePath();
        *filtersShown = dialog->nameFilters();
        if (typedName.isEmpty() || clock->elapsed() > 15000) {
            dialog->reject();
        } else {
            // Typed into the name field, as a user would.
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->setText(typedName);
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    poll->start(50);
    return owned;
}

}  // namespace pindora
