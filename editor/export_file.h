#pragma once

#include <QString>

#include <optional>
#include <string>

class QWidget;

// A file the user chose to export into, and the format its type names ("csv" or "json").
struct ExportTarget {
    QString file;
    std::string format;
};

// Asks for a file to export into; nothing when the user cancels.
std::optional<ExportTarget> AskExportFile(QWidget *window, const QString &caption);
// Writes the text into the file as a whole (never half a file); a failure is told in a message box.
void SaveExport(QWidget *window, const QString &file, const std::string &text);
