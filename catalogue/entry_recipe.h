#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <string>

class QWidget;
class TConfigForm;
struct MenuEntry;

// What an entry's window needs from the main window.
struct RecipeContext {
    QWidget *mainWindow = nullptr;
    std::string hostText;
    std::function<void()> rmonCheck;  // the main window's RMON availability check
};

// The caption of an entry's window: its title, followed by the host text unless marked otherwise.
QString EntryCaption(const MenuEntry &entry, const std::string &hostText);

// Builds the window of an editor, table or pages entry from its record: bindings over copies of its
// descriptor tables, panels, every adjustment in its listed order, notifications, window size.
// The window reads the device once shown.
std::unique_ptr<TConfigForm> BuildEntryWindow(const MenuEntry &entry, const RecipeContext &context);

// A menu click on such an entry: the Counter64 question where the entry asks it, then the window,
// shown modally and destroyed when it closes.
void OpenEntryWindow(const MenuEntry &entry, const RecipeContext &context);
