// Every editor, table and pages entry of the catalogue opens against the simulator and reads
// without an error; a table entry with a status row adds and deletes a row on the agent.
#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "catalogue/entry_recipe.h"
#include "catalogue/menu_builder.h"
#include "catalogue/model/catalogue_model.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "engine/session.h"
#include "support/sim_runner.h"
#include "support/widget_support.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

struct EntryCase {
    std::vector<std::string> path;
    const MenuEntry *entry;
};

void Collect(const std::vector<MenuEntry> &entries, std::vector<std::string> &path, std::vector<EntryCase> &out) {
    for (const MenuEntry &e : entries) {
        path.push_back(e.caption);
        if (e.kind == EntryKind::Editor || e.kind == EntryKind::Table || e.kind == EntryKind::Pages) {
            out.push_back({path, &e});
        }
        Collect(e.children, path, out);
        path.pop_back();
    }
}

std::vector<EntryCase> WindowEntries() {
    std::vector<EntryCase> cases;
    for (const Menu &m : MenuCatalogue::Instance().menus()) {
        std::vector<std::string> path{m.caption};
        Collect(m.entries, path, cases);
    }
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<EntryCase> &info) {
    std::string name;
    for (const std::string &caption : info.param.path) {
        for (char c : caption) {
            if (std::isalnum(static_cast<unsigned char>(c))) name += c;
        }
        name += '_';
    }
    return name + std::to_string(info.index);
}

class CatalogueTest {
protected:
    static void StartSimulator() {
        static QTemporaryDir sessionDirectory;
        static bool created = false;
        if (!created) CreateGlobalSession(sessionDirectory.path().toStdString());
        created = true;
        sim = std::make_unique<SimRunner>();
        SessionDevice.host = "127.0.0.1";
        SessionDevice.port = sim->port();
        SessionSecurity.version = 0;
        SessionSecurity.readCommunity = "public";
        SessionSecurity.writeCommunity = "private";
    }

    static QString LastLine(QWidget *page) {
        auto *memo = page->findChild<QPlainTextEdit *>("memo");
        if (memo == nullptr) return {};
        const QStringList lines = memo->toPlainText().split('\n', Qt::SkipEmptyParts);
        return lines.isEmpty() ? QString() : lines.last();
    }

    static inline std::unique_ptr<SimRunner> sim;
};

class CatalogueWindow : public CatalogueTest, public ::testing::TestWithParam<EntryCase> {
protected:
    static void SetUpTestSuite() { StartSimulator(); }
    static void TearDownTestSuite() { sim.reset(); }
};

TEST_P(CatalogueWindow, OpensAndReadsEveryPageWithoutError) {
    const MenuEntry &entry = *GetParam().entry;
    MessageBox::reset();
    std::unique_ptr<TConfigForm> form = BuildEntryWindow(entry, {nullptr, "127.0.0.1", {}});
    EXPECT_TRUE(form->windowTitle().startsWith(QString::fromStdString(entry.title)));
    form->show();
    std::vector<QWidget *> pages;
    if (QTabWidget *tabs = form->pageControl()) {
        ASSERT_EQ(tabs->count(), static_cast<int>(entry.bindings.size()));
        for (int k = 0; k < tabs->count(); ++k) pages.push_back(tabs->widget(k));
    } else {
        pages.push_back(form.get());
    }
    for (std::size_t k = 0; k < pages.size(); ++k) {
        if (QTabWidget *tabs = form->pageControl()) tabs->setCurrentIndex(static_cast<int>(k));
        ASSERT_TRUE(WaitUntil([&] {
            return LastLine(pages[k]).startsWith("Get:") && !form->Binding(static_cast<int>(k))->busy;
        })) << "page " << k << " never finished its read";
        EXPECT_TRUE(LastLine(pages[k]).startsWith("Get: Ok!")) << LastLine(pages[k]).toStdString();
        if (entry.bindings[k].panel == PanelKind::Table) {
            auto *list = pages[k]->findChild<QTreeWidget *>();
            ASSERT_NE(list, nullptr);
            EXPECT_GT(list->topLevelItemCount(), 0) << "the simulator serves rows for every table";
        }
    }
    EXPECT_EQ(MessageBox::shownCount(), 0);
    SaveScreen(form.get(), QString::fromStdString(CaseName({GetParam(), 0})));
    form->close();
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueWindow, ::testing::ValuesIn(WindowEntries()), CaseName);

class CatalogueRows : public CatalogueTest, public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartSimulator(); }
    static void TearDownTestSuite() { sim.reset(); }
};

TEST_F(CatalogueRows, TrustHostTableAddsAndDeletesARowOnTheAgent) {
    const MenuEntry *entry =
        MenuCatalogue::Instance().Find({"Basic Configuration", "Basic ", "Trust Host Management", "Trust Host Table"});
    ASSERT_NE(entry, nullptr);
    std::unique_ptr<TConfigForm> form = BuildEntryWindow(*entry, {nullptr, "127.0.0.1", {}});
    form->show();
    auto *panel = form->findChild<TSNMPListViewPanel *>();
    auto *list = form->findChild<QTreeWidget *>();
    ASSERT_TRUE(panel && list);
    ASSERT_TRUE(WaitUntil([&] { return LastLine(form.get()).startsWith("Get:") && !form->Binding(0)->busy; }));
    const int before = list->topLevelItemCount();
    EXPECT_TRUE(panel->buttons()->EditButton->isHidden()) << "the entry is marked no edit";

    const auto add = WhenModal("AddDialog", [&](QWidget *dialog) {
        qobject_cast<QLineEdit *>(panel->editsPanel->Row(0).editor)->setText("77");
        qobject_cast<QLineEdit *>(panel->editsPanel->Row(1).editor)->setText("10.1.2.3");
        panel->editsPanel->CheckRow(1);
        QTest::mouseClick(dialog->findChild<QPushButton *>("SetCheckedButton"), Qt::LeftButton);
    });
    QTest::mouseClick(panel->buttons()->AddButton, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return list->topLevelItemCount() == before + 1 && !form->Binding(0)->busy; }))
        << LastLine(form.get()).toStdString() << " / " << MessageBox::lastText().toStdString();
    const auto added = list->findItems("77", Qt::MatchExactly, 0);
    ASSERT_EQ(added.size(), 1);
    EXPECT_EQ(added.front()->text(1), "10.1.2.3");

    list->setCurrentItem(added.front());
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(panel->buttons()->DeleteButton, Qt::LeftButton);
    EXPECT_EQ(MessageBox::lastText(), "Are you sure to delete ?");
    ASSERT_TRUE(WaitUntil([&] { return list->topLevelItemCount() == before && !form->Binding(0)->busy; }));
    EXPECT_TRUE(list->findItems("77", Qt::MatchExactly, 0).isEmpty());
    form->close();
}

TEST(CatalogueMenus, TheMenuBarFollowsTheCatalogueAndReusesShellItems) {
    QMenuBar bar;
    QMenu *basic = bar.addMenu("Basic Configuration");
    QAction *save = basic->addAction("Save Changes");
    int opened = 0;
    BuildCatalogueMenus(&bar, MenuCatalogue::Instance(), {[&](const MenuEntry &) { ++opened; }, {}});
    const QList<QAction *> items = basic->actions();
    EXPECT_EQ(items.first()->text(), "Basic ");
    EXPECT_TRUE(items.contains(save)) << "the shell's command item keeps its place and handler";
    EXPECT_EQ(items.last()->text(), "Reboot");
    EXPECT_FALSE(items.last()->isEnabled()) << "a command without a shell item is not wired";
    auto *equipment = bar.findChild<QMenu *>("EquipmentManagement1");
    ASSERT_NE(equipment, nullptr);
    EXPECT_FALSE(equipment->actions().first()->isEnabled()) << "dedicated windows are not built yet";
    bar.findChild<QAction *>("IFTable1")->trigger();
    EXPECT_EQ(opened, 1);
}

}  // namespace
