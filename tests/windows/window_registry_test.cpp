// Every window entry of the menus, and every table button that opens a window, opens one: the
// registry knows its class.
#include "catalogue/model/catalogue_model.h"
#include "catalogue/window_registry.h"
#include "windows/window_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

void CollectWindowClasses(const std::vector<MenuEntry> &entries, std::vector<std::string> &classes) {
    for (const MenuEntry &e : entries) {
        if (e.kind == EntryKind::Window) classes.push_back(e.windowClass);
        for (const PanelRecipe &panel : e.panels)
            for (const Adjustment &a : panel.adjustments)
                if (a.type == Adjustment::Type::Button) classes.push_back(a.windowClass);
        CollectWindowClasses(e.children, classes);
    }
}

TEST(DedicatedWindows, EveryWindowEntryOfTheMenusHasItsWindow) {
    std::vector<std::string> classes;
    for (const Menu &menu : MenuCatalogue::Instance().menus()) CollectWindowClasses(menu.entries, classes);
    ASSERT_FALSE(classes.empty());
    EXPECT_NE(std::find(classes.begin(), classes.end(), "TUSMPassPhraseForm"), classes.end());
    for (const std::string &windowClass : classes)
        EXPECT_TRUE(DedicatedWindows().Has(windowClass)) << windowClass << " has no window";
}

}  // namespace
