// A table window's list as an engineer works with it: sorted by a header click, filtered as typed,
// copied to the clipboard, exported as a script reading the entry prints it.
#include "catalogue_fixture.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "binding/ui/sortable_list.h"
#include "binding/ui/table_rows_model.h"
#include "catalogue/entry_recipe.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/entry_reader.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/list_view_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "engine/var_list.h"
#include "support/list_view_rows.h"
#include "support/widget_support.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const char kIfTable[] = "Basic Configuration>MIB II>IF Table";

class TableLists : public CatalogueSuite, public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartSimulator(); }
    static void TearDownTestSuite() { StopSimulator(); }

    void Open(const std::string &path, int rows = 52) {
        found = FindEntryByPath(MenuCatalogue::Instance(), path);
        ASSERT_NE(found.entry, nullptr);
        MessageBox::reset();
        form = BuildEntryWindow(*found.entry, LocalContext());
        form->show();
        // The first page's table where the entry has pages.
        for (TSNMPListViewPanel *p : form->findChildren<TSNMPListViewPanel *>())
            if (p->binding() == form->Binding(0)) panel = p;
        ASSERT_NE(panel, nullptr);
        list = panel->listPanel->listView;
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        ASSERT_TRUE(WaitForWalk(rows));
    }
    // Refresh, and the walk read again to its end.
    void Refresh() {
        bool cleared = false;
        const auto reset = QObject::connect(list->model(), &QAbstractItemModel::modelReset, [&] { cleared = true; });
        const auto removed = QObject::connect(list->model(), &QAbstractItemModel::rowsRemoved, [&] { cleared = true; });
        QTest::mouseClick(panel->buttons()->RefreshButton, Qt::LeftButton);
        EXPECT_TRUE(WaitUntil([&] { return cleared; }));
        QObject::disconnect(reset);
        QObject::disconnect(removed);
        EXPECT_TRUE(WaitForWalk(52));
    }
    bool WaitForWalk(int rows) {
        return WaitUntil([&] { return !form->Binding(0)->busy && list->readRowCount() == rows; });
    }
    int Column(const QString &caption) const { return ListColumn(list, caption); }
    void ClickHeader(const QString &caption) {
        QHeaderView *header = list->header();
        const int c = Column(caption);
        const QPoint at(header->sectionViewportPosition(c) + header->sectionSize(c) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    // The column's cells from the top down, the rows the filter hides left out.
    QStringList Cells(const QString &caption) const {
        QStringList cells;
        const int c = Column(caption);
        for (int r = 0; r < ListRowCount(list); ++r) cells << ListCell(list, r, c);
        return cells;
    }
    QString Count() const { return panel->buttons()->SamplesCount->text(); }
    // Picks an entry of the list's context menu opened over a cell of a shown row.
    void FromMenu(const QString &action, int over, int column) {
        QTimer::singleShot(0, [action] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            auto *chosen = menu->findChild<QAction *>(action);
            if (chosen == nullptr)
                for (QAction *a : menu->actions())
                    if (a->objectName() == action) chosen = a;
            ASSERT_NE(chosen, nullptr);
            menu->close();
            chosen->trigger();
        });
        const QRect cell = ListRowRect(list, over);
        const QPoint at(list->header()->sectionViewportPosition(column) + 4, cell.center().y());
        emit list->customContextMenuRequested(at);
    }

    // Saves through an export entry of the list's menu into the file and reads back what was written.
    std::string ExportThrough(const QString &action, const QString &file) {
        const auto save = WhenModal("ExportDialog", [&](QWidget *w) {
            auto *dialog = static_cast<QFileDialog *>(w);
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        FromMenu(action, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return QFile::exists(file); })) << file.toStdString();
        QFile written(file);
        EXPECT_TRUE(written.open(QIODevice::ReadOnly));
        return written.readAll().toStdString();
    }

    FoundEntry found;
    std::unique_ptr<TConfigForm> form;
    TSNMPListViewPanel *panel = nullptr;
    SortableList *list = nullptr;
};

QStringList Numbers(int from, int to, int step) {
    QStringList out;
    for (int k = from; step > 0 ? k <= to : k >= to; k += step) out << QString::number(k);
    return out;
}

TEST_F(TableLists, HeaderClicksSortEachKindOfColumnAndTheOrderOutlivesARefresh) {
    Open(kIfTable);
    EXPECT_EQ(Cells("Index"), Numbers(1, 52, 1)) << "read order first";

    ClickHeader("Index");
    EXPECT_EQ(Cells("Index"), Numbers(1, 52, 1));
    ClickHeader("Index");
    EXPECT_EQ(Cells("Index"), Numbers(52, 1, -1)) << "numbers as numbers, not 9 after 52";

    ClickHeader("Descr");
    const QStringList descr = Cells("Descr");
    EXPECT_EQ(descr.mid(0, 4), QStringList({"Port 1", "Port 10", "Port 11", "Port 12"})) << "text as text";

    // Physical addresses by their octets: 0050BA74000A (port 10) before 0050BA740010 (port 16).
    ClickHeader("Phys Address");
    ClickHeader("Phys Address");
    EXPECT_EQ(Cells("Index").mid(0, 3), QStringList({"52", "51", "50"}));
    const QStringList macs = Cells("Phys Address");
    EXPECT_LT(macs.indexOf("0050BA740010"), macs.indexOf("0050BA74000A"));

    // Speeds read with their unit and sort by their number; equal ones keep the read order.
    ClickHeader("Speed");
    const QStringList speeds = Cells("Speed");
    EXPECT_EQ(speeds.front(), "0");
    EXPECT_EQ(speeds.back(), "1000000000 (1 Gb/s)");
    EXPECT_TRUE(speeds.contains("100000000 (100 Mb/s)"));
    EXPECT_LT(speeds.lastIndexOf("100000000 (100 Mb/s)"), speeds.indexOf("1000000000 (1 Gb/s)"));
    EXPECT_EQ(Cells("Index").mid(0, 3), QStringList({"8", "16", "24"}));

    ClickHeader("Index");
    ClickHeader("Index");
    Refresh();
    EXPECT_EQ(Cells("Index"), Numbers(52, 1, -1)) << "the order survives the refresh";

    FromMenu("readOrderAction", 0, 0);
    EXPECT_EQ(Cells("Index"), Numbers(1, 52, 1)) << "back to index order";
    EXPECT_TRUE(list->inReadOrder());
}

// Columns take the width of what they show as soon as the first rows are there, and again once
// the walk has ended: "1000000000 (1 Gb/s)" is read whole.
TEST_F(TableLists, ColumnsFitTheirCellsFromTheFirstRowsOn) {
    Open(kIfTable);
    auto narrowerThanItsCells = [&](int rows) {
        QStringList narrow;
        const QFontMetrics metrics(list->font());
        for (int c : list->ShownColumns())
            for (int r = 0; r < rows; ++r)
                if (list->columnWidth(c) <= metrics.horizontalAdvance(ListCell(list, r, c)))
                    narrow << list->caption(c) + ": " + ListCell(list, r, c);
        narrow.removeDuplicates();
        return narrow;
    };
    EXPECT_EQ(narrowerThanItsCells(52), QStringList());
    EXPECT_TRUE(Cells("Speed").contains("1000000000 (1 Gb/s)"));

    // Read again into columns as narrow as their captions: the first rows widen them during the walk.
    for (int c : list->ShownColumns()) list->setColumnWidth(c, 10);
    QStringList duringTheWalk{"never looked at"};
    const auto look = QObject::connect(&list->rows(), &QAbstractItemModel::rowsInserted, list, [&] {
        QTimer::singleShot(0, list, [&] {
            if (form->Binding(0)->busy && duringTheWalk.size() == 1 && duringTheWalk[0] == "never looked at")
                duringTheWalk = narrowerThanItsCells(ListRowCount(list));
        });
    });
    Refresh();
    QObject::disconnect(look);
    EXPECT_EQ(duringTheWalk, QStringList());
}

TEST_F(TableLists, TheFilterShowsMatchingRowsAndCountsThem) {
    Open(kIfTable);
    EXPECT_EQ(Count(), "52");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(panel->listPanel->filterEdit->hasFocus()) << "Ctrl+F goes to the filter box";
    QTest::keyClicks(panel->listPanel->filterEdit, "port 5");
    EXPECT_EQ(Cells("Descr"), QStringList({"Port 5", "Port 50", "Port 51", "Port 52"}));
    EXPECT_EQ(Count(), "4 / 52");
    // A shorter text brings back the rows it matches; a longer one again keeps only its own.
    QTest::keyClick(panel->listPanel->filterEdit, Qt::Key_Backspace);
    EXPECT_EQ(Count(), "52 / 52");
    QTest::keyClicks(panel->listPanel->filterEdit, "4");
    EXPECT_EQ(Cells("Descr"), QStringList({"Port 4", "Port 40", "Port 41", "Port 42", "Port 43", "Port 44", "Port 45",
                                           "Port 46", "Port 47", "Port 48", "Port 49"}));
    QTest::keyClick(panel->listPanel->filterEdit, Qt::Key_Backspace);
    QTest::keyClicks(panel->listPanel->filterEdit, "5");

    // Rows read again while the filter stands are filtered as they come.
    Refresh();
    EXPECT_EQ(Cells("Descr"), QStringList({"Port 5", "Port 50", "Port 51", "Port 52"}));
    EXPECT_EQ(Count(), "4 / 52");
    ClickHeader("Index");
    ClickHeader("Index");
    EXPECT_EQ(Cells("Descr"), QStringList({"Port 52", "Port 51", "Port 50", "Port 5"}));
    SelectListRow(list, 1);
    SaveScreen(form.get(), "if-table-sorted-filtered");

    panel->listPanel->filterEdit->clear();
    EXPECT_EQ(Cells("Descr").size(), 52);
    EXPECT_EQ(Count(), "52");
}

TEST_F(TableLists, SelectedRowsAndOneCellGoToTheClipboard) {
    Open(kIfTable);
    QApplication::clipboard()->clear();
    // Three rows chosen; the filter then hides one of them, which stays out of the copy.
    for (const char *index : {"50", "1", "5"}) AddListRowToSelection(list, ListRowOf(list, index));
    QTest::keyClicks(panel->listPanel->filterEdit, "port 5");
    list->setFocus();
    EXPECT_FALSE(panel->buttons()->EditButton->isEnabled()) << "Edit wants one row";
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 3 + 1) << QApplication::clipboard()->text().toStdString();
    EXPECT_TRUE(lines[0].startsWith("Index\tDescr\tType\tMtu\tSpeed\tPhys Address\t")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("5\tPort 5\t")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("50\tPort 50\t")) << lines[2].toStdString();
    EXPECT_EQ(lines[1].count('\t'), lines[0].count('\t'));
    EXPECT_EQ(lines[3], "");

    FromMenu("copyCellAction", ListRowOf(list, "50"), Column("Phys Address"));
    EXPECT_EQ(QApplication::clipboard()->text(), "0050BA740032");
}

TEST_F(TableLists, PortListsReadAsRangesWhileTheRowKeepsItsOctets) {
    Open("VLAN>802.1Q>802.1Q VLAN", 3);
    SaveScreen(form.get(), "vlan-static-port-ranges");
    EXPECT_EQ(Cells("Static Egress Ports"), QStringList({"13-52", "1-8,49-50", "9-12,49-50"}));
    EXPECT_EQ(Cells("Forbidden Egress Ports"), QStringList({"none", "none", "none"}));
    EXPECT_EQ(Cells("Static Untagged Ports"), QStringList({"13-48,51-52", "1-8", "9-12"}));
    EXPECT_TRUE(panel->RowHint(1).contains("\nStatic Egress Ports: 1-8,49-50\n")) << panel->RowHint(1).toStdString();

    // Sorted by the octets of the list, not by the text of the ranges.
    ClickHeader("Static Egress Ports");
    EXPECT_EQ(Cells("Static Name"), QStringList({"default", "voice", "servers"}));

    // What the row holds for the editor and for a write is the list itself.
    SelectListRow(list, 2);
    const VdSNMPVarList &values = form->Binding(0)->request.list;
    EXPECT_EQ(values.Item(2).value, "FF0000000000C0");
    EXPECT_EQ(values.Item(4).value, "FF000000000000");
    // The list's export is the page as a script gets it: the hex, and the ranges beside it.
    const EntryReading reading = ReadEntry(*found.entry, found.path, EntryCaption(*found.entry, "127.0.0.1"));
    const EntryReading page{reading.path, reading.title, {reading.pages.front()}};
    EXPECT_EQ(panel->ExportText("csv"), FormatCsv(page));
    EXPECT_EQ(panel->ExportText("json"), FormatJson(page));
    EXPECT_NE(panel->ExportText("csv").find(",FF0000000000C0,"), std::string::npos) << panel->ExportText("csv");
    EXPECT_NE(panel->ExportText("csv").find(",Static Egress Ports (ports),"), std::string::npos);
    EXPECT_NE(panel->ExportText("json").find("{\"Static Egress Ports\":\"1-8,49-50\","), std::string::npos);
}

TEST_F(TableLists, EveryPageOfAnEntryExportsAsAScriptReadingItPrints) {
    Open("VLAN>802.1Q>802.1Q VLAN", 3);
    // The current VLANs read as ranges too.
    form->pageControl()->setCurrentIndex(1);
    TSNMPListViewPanel *current = nullptr;
    for (TSNMPListViewPanel *p : form->findChildren<TSNMPListViewPanel *>())
        if (p->binding() == form->Binding(1)) current = p;
    ASSERT_NE(current, nullptr);
    const SortableList *currentList = current->listPanel->listView;
    ASSERT_TRUE(WaitUntil([&] { return !form->Binding(1)->busy && ListRowCount(currentList) == 3; }));
    const int column = ListColumn(currentList, "VLAN Current Egress Ports");
    QStringList egress;
    for (int r = 0; r < 3; ++r) egress << ListCell(currentList, r, column);
    EXPECT_EQ(egress, QStringList({"13-52", "1-8,49-50", "9-12,49-50"}));
    SaveScreen(form.get(), "vlan-current-port-ranges");
    form->pageControl()->setCurrentIndex(0);
    ASSERT_TRUE(WaitForWalk(3));

    const EntryReading reading = ReadEntry(*found.entry, found.path, EntryCaption(*found.entry, "127.0.0.1"));
    ASSERT_EQ(reading.pages.size(), 2u);
    QTemporaryDir folder;
    for (const auto &[name, expected] : {std::pair{QString("vlan.csv"), FormatCsv(reading)},
                                         std::pair{QString("vlan.json"), FormatJson(reading)}}) {
        const std::string bytes = ExportThrough("exportEntryAction", folder.filePath(name));
        EXPECT_EQ(bytes, expected) << name.toStdString();
        EXPECT_NE(bytes.find("VLAN Current Egress Ports"), std::string::npos);
        EXPECT_NE(bytes.find("\"1-8,49-50\""), std::string::npos) << "the ranges beside the hex";
    }
    // A single-page entry offers no export of all pages.
    form.reset();
    Open(kIfTable);
    EXPECT_FALSE(panel->exportEntry);
}

TEST_F(TableLists, ExportWritesWhatAScriptReadingTheEntryPrints) {
    Open(kIfTable);
    // The view's order and filter are the user's; the export is the entry in index order.
    ClickHeader("Descr");
    QTest::keyClicks(panel->listPanel->filterEdit, "port 1");
    const EntryReading reading = ReadEntry(*found.entry, found.path, EntryCaption(*found.entry, "127.0.0.1"));
    QTemporaryDir folder;
    for (const auto &[name, expected] : {std::pair{QString("if.csv"), FormatCsv(reading)},
                                         std::pair{QString("if.json"), FormatJson(reading)}}) {
        EXPECT_EQ(ExportThrough("exportAction", folder.filePath(name)), expected) << name.toStdString();
    }
}

}  // namespace
