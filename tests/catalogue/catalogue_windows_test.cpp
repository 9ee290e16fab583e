// Every editor, table and pages entry of the catalogue opens against the simulator and reads
// without an error.
#include "catalogue_fixture.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "catalogue/entry_recipe.h"
#include "catalogue/model/catalogue_model.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "engine/session.h"
#include "support/sim_runner.h"
#include "support/widget_support.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

class CatalogueWindow : public CatalogueSuite, public ::testing::TestWithParam<EntryCase> {
protected:
    static void SetUpTestSuite() { StartSimulator(); }
    static void TearDownTestSuite() { StopSimulator(); }
};

TEST_P(CatalogueWindow, OpensAndReadsEveryPageWithoutError) {
    const MenuEntry &entry = *GetParam().entry;
    MessageBox::reset();
    std::unique_ptr<TConfigForm> form = BuildEntryWindow(entry, LocalContext());
    EXPECT_TRUE(form->windowTitle().startsWith(QString::fromStdString(entry.title)));
    form->show();
    std::vector<QWidget *> pages;
    if (QTabWidget *tabs = form->pageControl()) {
        ASSERT_EQ(tabs->count(), static_cast<int>(entry.panels.size()));
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
        if (entry.panels[k].panel == PanelKind::Table) {
            auto *list = pages[k]->findChild<QTreeView *>("listView");
            ASSERT_NE(list, nullptr);
            EXPECT_GT(list->model()->rowCount(), 0) << "the simulator serves rows for every table";
        }
    }
    EXPECT_EQ(MessageBox::shownCount(), 0);
    SaveScreen(form.get(), QString::fromStdString(CaseName({GetParam(), 0})));
    form->close();
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueWindow, ::testing::ValuesIn(WindowEntries()), CaseName);

}  // namespace
