// The menu bar is made from the catalogue alone, and every item dispatches to one of the main
// window's named actions.
#include "catalogue/menu_builder.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/recipe_context.h"
#include "catalogue/window_registry.h"
#include "support/widget_support.h"

#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct Dispatch {
    std::string action;
    const MenuEntry *entry;
    bool operator==(const Dispatch &) const = default;
};

const char *ActionFor(EntryKind kind) {
    switch (kind) {
    case EntryKind::Editor:
    case EntryKind::Table:
    case EntryKind::Pages: return "open entry";
    case EntryKind::Window: return "open window";
    case EntryKind::ExternalModule: return "start module";
    case EntryKind::Command: return "run command";
    case EntryKind::Help: return "open help";
    default: return "";
    }
}

class MenuBarTest : public ::testing::Test {
protected:
    MenuActions Recording() {
        auto record = [this](const char *action) {
            return [this, action](const MenuEntry &e) { dispatched.push_back({action, &e}); };
        };
        return {record("open entry"), record("open window"), record("start module"), record("run command"),
                record("open help")};
    }

    // Walks a menu and its catalogue entries side by side; clicks every item.
    void Compare(QMenu *menu, const std::vector<MenuEntry> &entries) {
        const QList<QAction *> actions = menu->actions();
        ASSERT_EQ(actions.size(), static_cast<int>(entries.size())) << menu->title().toStdString();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const MenuEntry &e = entries[i];
            QAction *item = actions[static_cast<int>(i)];
            ++kinds[e.kind];
            if (e.kind == EntryKind::Separator) {
                EXPECT_TRUE(item->isSeparator());
                continue;
            }
            EXPECT_EQ(item->text().toStdString(), e.caption);
            EXPECT_EQ(items.Item(e), item) << e.caption;
            if (e.kind == EntryKind::Submenu) {
                ASSERT_NE(item->menu(), nullptr) << e.caption;
                Compare(item->menu(), e.children);
                continue;
            }
            EXPECT_TRUE(item->isEnabled()) << e.caption << " is off without reason";
            dispatched.clear();
            item->trigger();
            EXPECT_EQ(dispatched, (std::vector<Dispatch>{{ActionFor(e.kind), &e}})) << e.caption;
        }
    }

    MenuBarItems items;
    std::vector<Dispatch> dispatched;
    std::map<EntryKind, int> kinds;
};

TEST_F(MenuBarTest, EveryItemComesFromTheCatalogueAndOpensOrRunsSomething) {
    QMenuBar bar;
    const MenuCatalogue &catalogue = MenuCatalogue::Instance();
    items = BuildMenuBar(&bar, catalogue, Recording());

    const QList<QAction *> menus = bar.actions();
    ASSERT_EQ(menus.size(), static_cast<int>(catalogue.menus().size()));
    for (std::size_t m = 0; m < catalogue.menus().size(); ++m) {
        EXPECT_EQ(menus[static_cast<int>(m)]->text().toStdString(), catalogue.menus()[m].caption);
        Compare(menus[static_cast<int>(m)]->menu(), catalogue.menus()[m].entries);
    }
    // The kinds the shell once built itself now come from the data as well.
    for (EntryKind kind : {EntryKind::Command, EntryKind::ExternalModule, EntryKind::Help, EntryKind::Window})
        EXPECT_GT(kinds[kind], 0) << static_cast<int>(kind);
    EXPECT_EQ(bar.findChild<QAction *>("H1")->text(), "Help") << "the data names the item";
}

TEST_F(MenuBarTest, MarkedItemsFollowTheMainWindow) {
    const MenuCatalogue catalogue(std::vector<MenuCatalogue::MenuText>{
        {"test.menu", "menu \"SNMP V3\"\n"
                      "- \"Engine\": help, v3 only\n"
                      "- \"Counters\": window `TIF_Counters`, v3 only\n"
                      "- \"Target\" (submenu), v3 only\n"
                      "  - \"Help\": help\n"
                      "- \"Configure\": help, local layout only\n"}});
    QMenuBar bar;
    items = BuildMenuBar(&bar, catalogue, Recording());
    const std::vector<MenuEntry> &e = catalogue.menus()[5].entries;
    items.Enable(&MenuEntry::v3Only, false);
    for (int k : {0, 1, 2}) EXPECT_FALSE(items.Item(e[k])->isEnabled()) << k;
    items.Enable(&MenuEntry::v3Only, true);
    for (int k : {0, 1, 2}) EXPECT_TRUE(items.Item(e[k])->isEnabled()) << k;
    EXPECT_TRUE(items.Item(e[3])->isEnabled()) << "other marks are left alone";
    items.Show(&MenuEntry::localLayoutOnly, false);
    EXPECT_FALSE(items.Item(e[3])->isVisible());
}

TEST(WindowRegistry, AWindowEntryOpensItsRegisteredWindowModallyWithItsCaption) {
    const MenuCatalogue catalogue(std::vector<MenuCatalogue::MenuText>{
        {"test.menu", "menu \"Help\"\n"
                      "- \"Titled\": window `TTitled`, title \"Meter Table\" + \": \"\n"
                      "- \"Plain\": window `TPlain`\n"}});
    WindowRegistry windows;
    QPointer<QDialog> shown;
    std::string shownCaption;
    const MenuEntry *created = nullptr;
    auto creator = [&](const MenuEntry &entry, const RecipeContext &) {
        created = &entry;
        auto window = std::make_unique<QDialog>();
        window->setWindowTitle(QStringLiteral("Design caption"));
        shown = window.get();
        QTimer::singleShot(0, window.get(), [&] {
            shownCaption = shown->windowTitle().toStdString();
            EXPECT_TRUE(shown->isModal());
            shown->accept();
        });
        return window;
    };
    windows.Add("TTitled", creator);
    windows.Add("TPlain", creator);
    EXPECT_THROW(windows.Add("TPlain", creator), std::logic_error);
    RecipeContext context;
    context.hostText = "127.0.0.1";
    const std::vector<MenuEntry> &entries = catalogue.menus()[9].entries;

    OpenDedicatedWindow(entries[0], context, windows);
    EXPECT_EQ(created, &entries[0]);
    EXPECT_EQ(shownCaption, "Meter Table: 127.0.0.1");
    EXPECT_TRUE(shown.isNull()) << "destroyed when it closes";

    OpenDedicatedWindow(entries[1], context, windows);
    EXPECT_EQ(shownCaption, "Design caption");
}

}  // namespace
