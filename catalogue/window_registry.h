#pragma once

#include "catalogue/recipe_context.h"
#include "catalogue/model/entry_reading.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

class QDialog;
class QWidget;
struct MenuEntry;

// Builds a dedicated window for a menu entry; the window is shown modally and destroyed when it
// closes.
using WindowCreator = std::function<std::unique_ptr<QDialog>(const MenuEntry &, const RecipeContext &)>;
// What an entry does with its window's result once the window has closed.
using WindowClosed = std::function<void(QDialog &, const RecipeContext &)>;

// The creator of a window class built the way every dedicated window is: over the main window, from
// what the main window gives it.
template <class Window>
std::unique_ptr<QDialog> CreateWindow(const MenuEntry &, const RecipeContext &context) {
    return std::make_unique<Window>(context, context.mainWindow);
}
// What a dedicated window shows, read without a window (--show); measurements take intervalMs.
using WindowReader = std::function<PageReading(int intervalMs)>;

// Dedicated windows by the class name the menu data gives them (`TIF_Counters`, ...). A window entry
// whose class has no creator is shown disabled.
class WindowRegistry {
public:
    void Add(const std::string &windowClass, WindowCreator creator, WindowClosed closed = {});
    const WindowCreator *Find(const std::string &windowClass) const;
    // A window whose content can also be printed.
    void AddReader(const std::string &windowClass, WindowReader reader);
    const WindowReader *FindReader(const std::string &windowClass) const;
    // Nothing for a class whose window leaves nothing to do.
    const WindowClosed *AfterClose(const std::string &windowClass) const;
    bool Has(const std::string &windowClass) const { return Find(windowClass) != nullptr; }
    std::set<std::string> Classes() const;

private:
    std::map<std::string, WindowCreator> creators_;
    std::map<std::string, WindowClosed> afterClose_;
    std::map<std::string, WindowReader> readers_;
};

// A click on a window entry: the window from its creator, with the entry's title followed by the
// host text as its caption where the entry lists a title, shown modally, handed to the class's
// after-close step if it has one, and destroyed. Nothing happens for a class without a creator.
// prepare, when given, sets the window up further before it is shown.
void OpenDedicatedWindow(const MenuEntry &entry, const RecipeContext &context, const WindowRegistry &windows,
                         const std::function<void(QDialog &)> &prepare = {});

// Gives a window opened from a menu entry its caption: the entry's title followed by the device's
// host text, unless the entry says (no host). An entry without a title leaves the window's own.
void SetEntryCaption(QWidget &window, const MenuEntry &entry, const std::string &hostText);

// Gives a window opened from a menu entry the entry's section of the help document, for F1.
void SetEntryHelpTopic(QWidget &window, const MenuEntry &entry);
