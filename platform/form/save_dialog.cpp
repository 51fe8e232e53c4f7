// The save dialog and writing a file whole.

#include <QFileDialog>
#include <QStringList>
#include <cstdlib>

#include "base/text.h"
#include "platform/files/replace_file.h"
#include "platform/form/control_registry.h"
#include "platform/form/form_qt.h"

namespace pindora {
namespace {

// "JPG图片|*.jpg|All|*.*" -> {"JPG图片 (*.jpg)", "All (*.*)"}; patterns may be joined by ';'.
QStringList nameFilters(std::string_view filter) {
    const std::vector<Text> parts = splitText(filter, "|");
    QStringList filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = toQString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(toQString(parts[i]), patterns);
    }
    return filters;
}

}  // namespace

std::optional<std::string> showSaveDialog(ControlRef fileDialog, const SaveDialogOptions& options) {
    {
        ControlRegistry& registry = controlRegistry();
        std::lock_guard lock(registry.mutex);
        const ControlRecord* record = registry.find(fileDialog);
        if (record == nullptr || record->kind != ControlKind::FileDialog) return std::nullopt;
    }
    // The toolkit's own dialog rather than the desktop's: it behaves the same everywhere and
    // can be driven by keyboard alone (type the path, Enter).
    QFileDialog dialog(mainWindowWidget(), toQString(options.title),
                       QString::fromStdString(options.initialDirectory));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.overwritePrompt);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = nameFilters(options.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    QString suffix = toQString(options.defaultExtension);
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!options.fileName.empty()) dialog.selectFile(toQString(options.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

bool writeFileBytes(const std::string& path, const Bytes& bytes) {
    return replaceFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace pindora
