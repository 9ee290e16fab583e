#pragma once

#include <string>
#include <vector>

class QWidget;
struct MenuEntry;

// Exports every page of an entry into a file the user chooses, CSV or JSON, the same bytes the
// headless --show prints for the entry. The pages are read anew, one after the other through the
// event pump, and the file is written once the last read has ended; a failed read is told and
// writes nothing. The export belongs to the window: closing it abandons the export.
void ExportWholeEntry(QWidget *window, const MenuEntry &entry, std::vector<std::string> path, std::string title);
