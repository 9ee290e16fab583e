#pragma once

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QWidget;
class WindowRegistry;

// What an entry's window needs from the main window.
struct RecipeContext {
    QWidget *mainWindow = nullptr;
    std::string hostText;              // the device's host text, shown in every window's caption
    QLabel *statusPanel = nullptr;     // the main window's status line
    std::function<void()> rmonCheck;   // the main window's RMON availability check
    QLabel *stpText = nullptr;         // the spanning-tree version the device runs, as the main window knows it
    std::string moduleDirectory;       // where the module's program and its own files lie
    std::string sessionVersion;        // the SNMP version the module runs with: "0", "1" or "3"
    std::string sessionSecurityName;   // and its SNMPv3 user
    std::string configurationFile;     // the device's configuration file, whether or not it exists yet
    const WindowRegistry *windows = nullptr;  // the dedicated windows a table's buttons open
    std::vector<std::string> selectedRow;     // a window opened from a table: its selected row's values
};
