// A window opens as the user left it: its size, its dividers and the column widths set by hand,
// per entry, and within the screen whatever was remembered.
#include "catalogue_fixture.h"

#include "binding/ui/request2edits.h"
#include "catalogue/entry_recipe.h"
#include "catalogue/model/entry_path.h"
#include "editor/config_form.h"
#include "support/scratch_settings.h"
#include "support/widget_support.h"

#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

const char kIfTable[] = "Basic Configuration>MIB II>IF Table";
const char kVlanTable[] = "VLAN>802.1Q>802.1Q VLAN";

class WindowLayout : public CatalogueSuite, public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartSimulator(); }
    static void TearDownTestSuite() { StopSimulator(); }
    // What the windows of other tests remember stays theirs, and these leave nothing behind.
    void SetUp() override { ScratchSettings::ForgetWindowLayouts(); }
    void TearDown() override { ScratchSettings::ForgetWindowLayouts(); }

    // The entry's window, shown, with its first walk read to the end.
    static std::unique_ptr<TConfigForm> Open(const char *path) {
        const FoundEntry found = FindEntryByPath(MenuCatalogue::Instance(), path);
        if (found.entry == nullptr) throw std::logic_error(std::string("no entry ") + path);
        auto form = BuildEntryWindow(*found.entry, LocalContext());
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        EXPECT_TRUE(WaitUntil([&] { return !form->Binding(0)->busy && List(*form)->model()->rowCount() > 0; }));
        return form;
    }
    // The list of the window's table, the first page's where it has pages.
    static QTreeView *List(const TConfigForm &form) {
        const QObject *first = form.pageControl() != nullptr ? form.pageControl()->widget(0) : &form;
        return Named<QTreeView>(first, "listView");
    }

    // The edge of a column's header dragged by the mouse, as a user widens it.
    static void DragColumnEdge(QTreeView *list, int column, int by) {
        QHeaderView *header = list->header();
        const int y = header->height() / 2;
        const QPoint edge(header->sectionViewportPosition(column) + header->sectionSize(column) - 1, y);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, edge);
        QTest::mouseMove(header->viewport(), edge + QPoint(by / 2, 0));
        QTest::mouseMove(header->viewport(), edge + QPoint(by, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, edge + QPoint(by, 0));
    }
};

TEST_F(WindowLayout, AnEntryWindowReopensAsItWasLeftAndOtherEntriesKeepTheirOwn) {
    auto vlan = Open(kVlanTable);
    const QSize vlanSize = vlan->size();
    vlan->close();
    vlan.reset();

    auto form = Open(kIfTable);
    form->resize(form->width() - 90, form->height() - 60);
    auto *divider = Named<QSplitter>(form.get(), "bottomSplitter");
    const int total = divider->sizes()[0] + divider->sizes()[1];
    divider->setSizes({total - 150, 150});
    QTreeView *list = List(*form);
    const int fitted = list->header()->sectionSize(1);
    DragColumnEdge(list, 1, -30);
    ASSERT_EQ(list->header()->sectionSize(1), fitted - 30) << "the drag did not reach the header";
    const QSize size = form->size();
    const QList<int> sizes = divider->sizes();
    form->close();
    form.reset();

    form = Open(kIfTable);
    // Read again to the end: the values no longer widen a column the user narrowed.
    EXPECT_TRUE(WaitUntil([&] { return !form->Binding(0)->busy && List(*form)->model()->rowCount() == 52; }));
    EXPECT_EQ(form->size(), size);
    EXPECT_EQ(Named<QSplitter>(form.get(), "bottomSplitter")->sizes(), sizes);
    EXPECT_EQ(List(*form)->header()->sectionSize(1), fitted - 30);
    form->close();

    vlan = Open(kVlanTable);
    EXPECT_EQ(vlan->size(), vlanSize);
}

TEST_F(WindowLayout, ASizeLargerThanTheScreenIsBroughtWithinIt) {
    auto form = Open(kIfTable);
    form->resize(5000, 4000);
    form->close();
    form.reset();

    form = Open(kIfTable);
    const QRect room = form->screen()->availableGeometry();
    EXPECT_TRUE(room.contains(form->frameGeometry())) << form->frameGeometry().width() << "x"
                                                      << form->frameGeometry().height() << " on " << room.width()
                                                      << "x" << room.height();
    EXPECT_GT(form->width(), room.width() - 60) << "as large as the screen allows";
}

}  // namespace
