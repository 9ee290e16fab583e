#include "editor/export_file.h"

#include "binding/ui/message_box.h"

#include <QFileDialog>
#include <QSaveFile>

std::optional<ExportTarget> AskExportFile(QWidget *window, const QString &caption) {
    const QString csv = QStringLiteral("CSV (*.csv)");
    const QString json = QStringLiteral("JSON (*.json)");
    QFileDialog dialog(window, caption);
    dialog.setObjectName(QStringLiteral("ExportDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({csv, json});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString &filter) { dialog.setDefaultSuffix(filter == json ? "json" : "csv"); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString file = dialog.selectedFiles().front();
    return ExportTarget{file, file.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) ? "json" : "csv"};
}

void SaveExport(QWidget *window, const QString &file, const std::string &text) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), static_cast<qint64>(text.size())) < 0 ||
        !out.commit()) {
        MessageBox::Ok(window, QStringLiteral("Export"),
                       QStringLiteral("Cannot write ") + file + QStringLiteral(": ") + out.errorString(),
                       MessageBox::Icon::Error);
    }
}
