#include "catalogue/window_registry.h"

#include "catalogue/freed_memory.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/help_document.h"
#include "catalogue/recipe_context.h"
#include "forms/help_topic.h"

#include <QDialog>

#include <stdexcept>

void WindowRegistry::Add(const std::string &windowClass, WindowCreator creator, WindowClosed closed) {
    if (!creators_.emplace(windowClass, std::move(creator)).second)
        throw std::logic_error("window class registered twice: " + windowClass);
    if (closed) afterClose_.emplace(windowClass, std::move(closed));
}

const WindowClosed *WindowRegistry::AfterClose(const std::string &windowClass) const {
    const auto it = afterClose_.find(windowClass);
    return it == afterClose_.end() ? nullptr : &it->second;
}

const WindowCreator *WindowRegistry::Find(const std::string &windowClass) const {
    const auto it = creators_.find(windowClass);
    return it == creators_.end() ? nullptr : &it->second;
}

void WindowRegistry::AddReader(const std::string &windowClass, WindowReader reader) {
    readers_.emplace(windowClass, std::move(reader));
}

const WindowReader *WindowRegistry::FindReader(const std::string &windowClass) const {
    const auto it = readers_.find(windowClass);
    return it == readers_.end() ? nullptr : &it->second;
}

std::set<std::string> WindowRegistry::Classes() const {
    std::set<std::string> classes;
    for (const auto &[name, creator] : creators_) classes.insert(name);
    return classes;
}

void OpenDedicatedWindow(const MenuEntry &entry, const RecipeContext &context, const WindowRegistry &windows,
                         const std::function<void(QDialog &)> &prepare) {
    const WindowCreator *create = windows.Find(entry.windowClass);
    if (create == nullptr) return;
    std::unique_ptr<QDialog> window = (*create)(entry, context);
    SetEntryCaption(*window, entry, context.hostText);
    SetEntryHelpTopic(*window, entry);
    if (prepare) prepare(*window);
    window->exec();
    if (const WindowClosed *closed = windows.AfterClose(entry.windowClass)) (*closed)(*window, context);
    window.reset();
    ReturnFreedMemory();
}

void SetEntryCaption(QWidget &window, const MenuEntry &entry, const std::string &hostText) {
    if (!entry.title.empty()) window.setWindowTitle(QString::fromStdString(EntryCaption(entry, hostText)));
}

void SetEntryHelpTopic(QWidget &window, const MenuEntry &entry) {
    const std::vector<std::string> path = EntryPath(MenuCatalogue::Instance(), entry);
    if (!path.empty()) SetHelpTopic(window, QString::fromStdString(HelpAnchor(path)));
}
