// A table window against the simulator's IP-MAC binding table: walk, Add, Edit and Delete.
#include "binding/ui/message_box.h"
#include "engine/option_list.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/list_view_panel.h"
#include "editor/msg_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "editor_fixture.h"
#include "binding/ui/sortable_list.h"
#include "support/list_view_rows.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace editor_test;

namespace {

const std::string kNewRow = "10.1.2.3";

class TablePanel : public EditorTest {
protected:
    void Open(int addIndex, const std::string &addValue, int deleteIndex, const std::string &deleteValue) {
        form = std::make_unique<TConfigForm>();
        form->setWindowTitle("IP-MAC Binding 127.0.0.1");
        auto binding = BindingTable(form.get());
        raw = binding.get();
        panel = form->SetListViewPanel(std::move(binding), addIndex, addValue, deleteIndex, deleteValue);
        list = panel->listPanel->listView;
        form->show();
        ASSERT_TRUE(WaitUntil([this] { return !raw->busy && list->readRowCount() > 0; }));
    }
    void OpenWithStatuses() { Open(Status, "createAndGo", Status, "destroy"); }

    // The shown row of the address; -1 for none.
    int RowOf(const std::string &ip) { return ListRowOf(list, QString::fromStdString(ip)); }
    QPushButton *Button(QPushButton *TCtrlBtnPanel::*which) { return panel->buttons()->*which; }
    QLineEdit *GridEdit(int i) { return qobject_cast<QLineEdit *>(panel->editsPanel->Row(i).editor); }
    QComboBox *StatusCombo() { return qobject_cast<QComboBox *>(panel->editsPanel->Row(Status).editor); }
    std::string Column(const std::string &ip, int column, std::uint32_t syntax) {
        return AgentValue(kBindingEntry + "." + std::to_string(column) + "." + ip, syntax);
    }
    // Creates the row through the Add dialog, with a MAC address and mode 2.
    void AddRow(const std::string &ip) {
        const auto fillAndSet = WhenModal("AddDialog", [this, ip](QWidget *dialog) {
            SaveScreen(dialog, "add-dialog");
            addCaption = dialog->windowTitle();
            GridEdit(IpIndex)->setText(QString::fromStdString(ip));
            GridEdit(Mac)->setText("00AABBCCDDEE");
            GridEdit(Mode)->setText("2");
            panel->editsPanel->CheckRow(Mac);
            panel->editsPanel->CheckRow(Mode);
            auto *set = dialog->findChild<QPushButton *>("SetCheckedButton");
            QTest::mouseClick(set, Qt::LeftButton);
        });
        QTest::mouseClick(Button(&TCtrlBtnPanel::AddButton), Qt::LeftButton);
    }

    std::unique_ptr<TConfigForm> form;
    VdSNMPRequest2Edits *raw = nullptr;
    TSNMPListViewPanel *panel = nullptr;
    SortableList *list = nullptr;
    QString addCaption;
};

TEST_F(TablePanel, TheWalkFillsTheListAndTheButtonsFollowTheSelection) {
    OpenWithStatuses();
    SaveScreen(form.get(), "table-window");
    const int rows = list->readRowCount();
    EXPECT_GE(rows, 2);
    EXPECT_EQ(Button(&TCtrlBtnPanel::RefreshButton)->isHidden(), false);
    EXPECT_EQ(panel->buttons()->SamplesCount->text(), QString::number(rows));
    EXPECT_FALSE(Button(&TCtrlBtnPanel::AddButton)->isHidden());
    EXPECT_FALSE(Button(&TCtrlBtnPanel::EditButton)->isEnabled());
    EXPECT_FALSE(Button(&TCtrlBtnPanel::DeleteButton)->isEnabled());
    EXPECT_TRUE(Button(&TCtrlBtnPanel::SetCheckedButton)->isHidden());
    EXPECT_EQ(panel->content(), panel->listPanel);
    EXPECT_EQ(panel->binding(), panel->editsPanel->binding());

    SelectListRow(list, RowOf("10.90.90.10"));
    EXPECT_TRUE(Button(&TCtrlBtnPanel::EditButton)->isEnabled());
    EXPECT_TRUE(Button(&TCtrlBtnPanel::DeleteButton)->isEnabled());
    EXPECT_EQ(GridEdit(Mac)->text(), "00112233440A");

    const QString hint = panel->RowHint(list->ReadRow(RowOf("10.90.90.10")));
    EXPECT_EQ(hint.count('\n') + 1, list->columnCount());
    EXPECT_TRUE(hint.startsWith("IP Address: 10.90.90.10\n")) << hint.toStdString();
    EXPECT_TRUE(hint.contains("\nMAC Address: 00112233440A\n")) << hint.toStdString();
    EXPECT_TRUE(hint.contains("\nStatus: active\n")) << hint.toStdString();

    list->clearSelection();
    EXPECT_FALSE(Button(&TCtrlBtnPanel::EditButton)->isEnabled());
    EXPECT_TRUE(GridEdit(Mac)->text().isEmpty());
}

TEST_F(TablePanel, AddEditAndDeleteARowOnTheAgent) {
    OpenWithStatuses();
    const int rowsBefore = list->readRowCount();

    const unsigned setsBeforeAdd = AgentSetCount();
    AddRow(kNewRow);
    EXPECT_EQ(addCaption, "IP-MAC Binding 127.0.0.1 (Add)");
    EXPECT_EQ(AgentSetCount(), setsBeforeAdd + 1);
    EXPECT_EQ(Column(kNewRow, 3, syntax::Integer), "1");  // createAndGo made it active
    EXPECT_EQ(Column(kNewRow, 2, syntax::MacAddress), "00AABBCCDDEE");
    EXPECT_EQ(Column(kNewRow, 6, syntax::Integer), "2");
    ASSERT_TRUE(WaitUntil([this] { return !raw->busy && RowOf(kNewRow) >= 0; }));  // read again
    EXPECT_EQ(list->readRowCount(), rowsBefore + 1);
    EXPECT_TRUE(raw->asyncMode);

    // Edit: the status drop-down offers neither creation nor destruction meanwhile.
    SelectListRow(list, RowOf(kNewRow));
    QStringList offered;
    const auto changeMode = WhenModal("EditDialog", [&](QWidget *dialog) {
        for (int k = 0; k < StatusCombo()->count(); ++k) offered << StatusCombo()->itemText(k);
        EXPECT_FALSE(GridEdit(Mac)->isReadOnly());
        EXPECT_TRUE(GridEdit(IpIndex)->isReadOnly());
        EXPECT_EQ(GridEdit(Mode)->width(), 200);
        GridEdit(Mode)->setText("3");
        QTest::mouseClick(panel->editsPanel->Row(Mode).checkBox, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(dialog->findChild<QPushButton *>("SetCheckedButton"), Qt::LeftButton);
    });
    const unsigned setsBeforeEdit = AgentSetCount();
    QTest::mouseClick(Button(&TCtrlBtnPanel::EditButton), Qt::LeftButton);
    EXPECT_EQ(offered, QStringList{"active"});
    EXPECT_EQ(AgentSetCount(), setsBeforeEdit + 1);
    EXPECT_EQ(Column(kNewRow, 6, syntax::Integer), "3");
    ASSERT_TRUE(WaitUntil([this] { return !raw->busy && RowOf(kNewRow) >= 0; }));
    EXPECT_EQ(Column(kNewRow, 2, syntax::MacAddress), "00AABBCCDDEE");
    QStringList restored;
    for (int k = 0; k < StatusCombo()->count(); ++k) restored << StatusCombo()->itemText(k);
    EXPECT_EQ(restored, (QStringList{"active", "createAndGo", "destroy"}));

    // Delete answered No, or left on its default answer, sends nothing; Yes destroys the row with
    // one SET.
    SelectListRow(list, RowOf(kNewRow));
    const unsigned setsBeforeDelete = AgentSetCount();
    QTest::mouseClick(Button(&TCtrlBtnPanel::DeleteButton), Qt::LeftButton);
    EXPECT_EQ(MessageBox::unansweredCount(), 1);
    EXPECT_EQ(AgentSetCount(), setsBeforeDelete);
    SelectListRow(list, RowOf(kNewRow));
    MessageBox::setNextAnswer(QMessageBox::No);
    QTest::mouseClick(Button(&TCtrlBtnPanel::DeleteButton), Qt::LeftButton);
    EXPECT_EQ(MessageBox::lastText(), "Are you sure to delete ?");
    EXPECT_EQ(MessageBox::lastCaption(), "Delete");
    EXPECT_EQ(AgentSetCount(), setsBeforeDelete);

    const std::vector<std::uint32_t> accessBefore = [this] {
        std::vector<std::uint32_t> bits;
        for (int i = 0; i < raw->request.list.Count(); ++i) bits.push_back(raw->request.list.Item(i).access);
        return bits;
    }();
    SelectListRow(list, RowOf(kNewRow));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(Button(&TCtrlBtnPanel::DeleteButton), Qt::LeftButton);
    AwaitIdle(form.get());
    EXPECT_EQ(AgentSetCount(), setsBeforeDelete + 1);
    EXPECT_EQ(RowOf(kNewRow), -1);  // read again before the action ended
    EXPECT_EQ(list->readRowCount(), rowsBefore);
    EXPECT_TRUE(raw->asyncMode);
    for (int i = 0; i < raw->request.list.Count(); ++i)
        EXPECT_EQ(raw->request.list.Item(i).access, accessBefore[static_cast<std::size_t>(i)]) << i;
}

TEST_F(TablePanel, APortListIsEditedThroughTheBitListDialogOfTheEditDialog) {
    OpenWithStatuses();
    panel->editsPanel->SetBitListRow(Ports, 20, 52);
    const std::string row = "10.90.90.11";
    ASSERT_EQ(Column(row, 4, syntax::BitString), "0000000000000030");
    SelectListRow(list, RowOf(row));
    const auto addPortOne = WhenModal("EditDialog", [this](QWidget *dialog) {
        const auto tickFirstBox = WhenModal("BitListDialog", [](QWidget *bits) {
            QTest::mouseClick(bits->findChild<QCheckBox *>("Bit0"), Qt::LeftButton);
            QTest::mouseClick(bits->findChild<QPushButton *>("OkButton"), Qt::LeftButton);
        });
        GridEdit(Ports)->findChild<QAction *>(QStringLiteral("PickPorts%1").arg(Ports))->trigger();
        EXPECT_TRUE(panel->editsPanel->Row(Ports).checkBox->isChecked()) << "the picked ports tick their row";
        QTest::mouseClick(dialog->findChild<QPushButton *>("SetCheckedButton"), Qt::LeftButton);
    });
    QTest::mouseClick(Button(&TCtrlBtnPanel::EditButton), Qt::LeftButton);
    // The boxes cover the first seven bytes; the eighth keeps what the row had.
    EXPECT_EQ(Column(row, 4, syntax::BitString), "8000000000000030");
    EXPECT_EQ(Column(row, 6, syntax::Integer), "2");
}

TEST_F(TablePanel, TheAddDialogPresetsTheIndexAndStatusRows) {
    OpenWithStatuses();
    bool indexEditable = false, indexCheckLocked = false, statusLocked = false;
    QString statusShown;
    const auto inspectAndClose = WhenModal("AddDialog", [&](QWidget *dialog) {
        const UISnmpVar &index = panel->editsPanel->Row(IpIndex);
        indexEditable = !GridEdit(IpIndex)->isReadOnly();
        indexCheckLocked = index.checkBox->isChecked() && !index.checkBox->isEnabled();
        statusLocked = !StatusCombo()->isEnabled() && panel->editsPanel->Row(Status).checkBox->isChecked();
        statusShown = StatusCombo()->currentText();
        QTest::mouseClick(dialog->findChild<QPushButton *>("CloseButton"), Qt::LeftButton);
    });
    const unsigned setsBefore = AgentSetCount();
    QTest::mouseClick(Button(&TCtrlBtnPanel::AddButton), Qt::LeftButton);
    EXPECT_TRUE(indexEditable);
    EXPECT_TRUE(indexCheckLocked);
    EXPECT_TRUE(statusLocked);
    EXPECT_EQ(statusShown, "createAndGo");
    EXPECT_EQ(AgentSetCount(), setsBefore);
    // The grid is back, hidden, in the table panel.
    EXPECT_EQ(panel->editsPanel->parentWidget(), panel->contentArea());
    EXPECT_EQ(panel->content(), panel->listPanel);
    EXPECT_TRUE(panel->editsPanel->isHidden());
}

TEST_F(TablePanel, AnEmptyIndexIsRefusedAndTheDialogStaysOpen) {
    OpenWithStatuses();
    bool stillOpen = false;
    const auto setWithEmptyIndex = WhenModal("AddDialog", [&](QWidget *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>("SetCheckedButton"), Qt::LeftButton);
        stillOpen = dialog->isVisible();
        dialog->close();
    });
    const unsigned setsBefore = AgentSetCount();
    QTest::mouseClick(Button(&TCtrlBtnPanel::AddButton), Qt::LeftButton);
    EXPECT_EQ(MessageBox::lastText(), "Some items are empty!");
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(AgentSetCount(), setsBefore);
}

// A write the agent refuses (a row that exists already) leaves the dialog open with what was typed.
TEST_F(TablePanel, AWriteTheAgentRefusesKeepsTheAddDialogOpenWithTheTypedValues) {
    OpenWithStatuses();
    const QString existing = ListCell(list, 0, 0);
    bool stillOpen = false;
    QString typedIp, typedMac;
    const auto addExisting = WhenModal("AddDialog", [&](QWidget *dialog) {
        GridEdit(IpIndex)->setText(existing);
        GridEdit(Mac)->setText("00AABBCCDDEE");
        panel->editsPanel->CheckRow(Mac);
        QTest::mouseClick(dialog->findChild<QPushButton *>("SetCheckedButton"), Qt::LeftButton);
        AwaitIdle(dialog);
        stillOpen = dialog->isVisible();
        typedIp = GridEdit(IpIndex)->text();
        typedMac = GridEdit(Mac)->text();
        dialog->close();
    });
    const unsigned setsBefore = AgentSetCount();
    QTest::mouseClick(Button(&TCtrlBtnPanel::AddButton), Qt::LeftButton);
    EXPECT_EQ(AgentSetCount(), setsBefore + 1);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(typedIp, existing);
    EXPECT_EQ(typedMac, "00AABBCCDDEE");
    EXPECT_FALSE(MessageBox::lastText().isEmpty());
}

TEST_F(TablePanel, WithoutStatusesThereIsNoAddOrDeleteAndNoEditOpensNothing) {
    Open(-1, "", -1, "");
    EXPECT_TRUE(Button(&TCtrlBtnPanel::AddButton)->isHidden());
    EXPECT_TRUE(Button(&TCtrlBtnPanel::DeleteButton)->isHidden());
    panel->noEdit = true;
    const int row = RowOf("10.90.90.10");
    SelectListRow(list, row);
    EXPECT_FALSE(Button(&TCtrlBtnPanel::EditButton)->isEnabled());
    bool opened = false;
    const auto mustNotOpen = WhenModal("EditDialog", [&](QWidget *dialog) {
        opened = true;
        dialog->close();
    });
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, ListRowRect(list, row).center());
    QTest::qWait(100);
    EXPECT_FALSE(opened);
}

const OptionRecord kValidity[] = {{1, "valid"}, {2, "invalid"}, {0, nullptr}};

TEST(RowStatusPair, AStatusRowLeftWithoutValuesIsHiddenAndNeverChecked) {
    static const VdOptionList validity(kValidity, VdOptionList::Integer);
    const DescriptorRecord routes[] = {
        {"1.3.6.1.4.1.99.1.1", "Network", syntax::IpAddress, access_bit::Index, nullptr},
        {"1.3.6.1.4.1.99.1.2", "Status", syntax::Integer, access_bit::ReadWrite, &validity},
        {"1.3.6.1.4.1.99.1.3", "Gateway", syntax::IpAddress, access_bit::ReadWrite, nullptr},
        {nullptr, nullptr, 0, 0, nullptr}};
    TConfigForm form;
    auto binding = std::make_unique<VdSNMPRequest2Edits>(&form);
    binding->request.list.Assign(VdSNMPVarList(routes, VdSNMPVarList::TableWithCreation, 1));
    binding->request.alive = false;  // nothing may reach the wire from this test
    TSNMPListViewPanel *panel = form.SetListViewPanel(std::move(binding), 1, "valid", 1, "invalid");
    TEditsPanel *grid = panel->editsPanel;

    bool statusHidden = false;
    int checkedAfterCheckAll = -1;
    bool statusChecked = true;
    const auto checkAll = WhenModal("EditDialog", [&](QWidget *dialog) {
        statusHidden = grid->Row(1).editor->isHidden();
        QTest::mouseClick(dialog->findChild<QPushButton *>("CheckAllButton"), Qt::LeftButton);
        checkedAfterCheckAll = grid->CheckedRowCount();
        statusChecked = grid->Row(1).checkBox->isChecked();
        dialog->close();
    });
    panel->EditAction();
    EXPECT_TRUE(statusHidden);
    EXPECT_EQ(checkedAfterCheckAll, 1);
    EXPECT_FALSE(statusChecked);
    auto *status = qobject_cast<QComboBox *>(grid->Row(1).editor);
    ASSERT_EQ(status->count(), 2);
    EXPECT_EQ(status->itemText(0), "valid");
    EXPECT_EQ(status->itemText(1), "invalid");
    EXPECT_FALSE(status->isHidden());
    EXPECT_EQ(panel->binding()->request.list.Item(1).access & access_bit::Hidden, 0u);
}

// After a read every column shows its values whole, and a selected row keeps its text readable in
// the platform's highlight colours.
TEST_F(TablePanel, ColumnsFitTheirValuesAndASelectedRowStaysReadable) {
    OpenWithStatuses();
    const QFontMetrics metrics(list->font());
    for (int column = 0; column < list->columnCount(); ++column) {
        if (list->isColumnHidden(column)) continue;
        int widest = 0;
        for (int row = 0; row < ListRowCount(list); ++row)
            widest = std::max(widest, metrics.horizontalAdvance(ListCell(list, row, column)));
        EXPECT_GT(list->columnWidth(column), widest) << list->caption(column).toStdString();
    }

    const int row = RowOf("10.90.90.11");
    SelectListRow(list, row);
    SaveScreen(form.get(), "table-selected-row");
    const QImage picture = list->viewport()->grab().toImage();
    const QRect cells = ListRowRect(list, row);
    const QColor text = list->palette().color(QPalette::Active, QPalette::HighlightedText);
    const QColor highlight = list->palette().color(QPalette::Active, QPalette::Highlight);
    int textPixels = 0, highlightPixels = 0;
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        for (int x = cells.left(); x <= cells.right() && x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            textPixels += pixel == text;
            highlightPixels += pixel == highlight;
        }
    }
    EXPECT_GT(highlightPixels, cells.width() * cells.height() / 3);
    EXPECT_GT(textPixels, 50);  // the glyphs of the row's values
}

// A row chosen while the walk is still running: Edit and Delete follow it once the read has ended.
TEST_F(TablePanel, EditAndDeleteFollowARowSelectedWhileTheTableLoads) {
    OpenWithStatuses();
    bool selectedWhileBusy = false;
    const auto connection = QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, [&] {
        if (selectedWhileBusy || !raw->busy) return;
        SelectListRow(list, 0);
        selectedWhileBusy = true;
    });
    panel->RefreshTable();
    ASSERT_TRUE(WaitUntil([this] { return !raw->busy; }));
    QObject::disconnect(connection);
    ASSERT_TRUE(selectedWhileBusy);
    ASSERT_FALSE(list->SelectedReadRows().empty());
    EXPECT_TRUE(Button(&TCtrlBtnPanel::EditButton)->isEnabled());
    EXPECT_TRUE(Button(&TCtrlBtnPanel::DeleteButton)->isEnabled());
}

// A value that does not convert is refused before anything is sent: the dialog stays open with what
// was typed, the status line names the field under "Set:", and the field has the focus. A MAC
// address may be typed with the usual separators.
TEST_F(TablePanel, ARefusedValueKeepsTheAddDialogOpenWithTheFieldNamedAndFocused) {
    OpenWithStatuses();
    QString statusLine, refusedText, boxText, typedIp;
    bool openAfterRefusal = false, portsFocused = false;
    unsigned setsAfterRefusal = 0;
    const unsigned setsBefore = AgentSetCount();
    const auto refuseThenSet = WhenModal("AddDialog", [&](QWidget *dialog) {
        GridEdit(IpIndex)->setText(QString::fromStdString(kNewRow));
        GridEdit(Mac)->setText("00-aa-bb-cc-dd-ee");
        GridEdit(Ports)->setText("0x8100");
        panel->editsPanel->CheckRow(Mac);
        panel->editsPanel->CheckRow(Ports);
        auto *set = dialog->findChild<QPushButton *>("SetCheckedButton");
        QTest::mouseClick(set, Qt::LeftButton);
        setsAfterRefusal = AgentSetCount();
        openAfterRefusal = dialog->isVisible();
        statusLine = panel->messagePanel()->memo->toPlainText().split('\n').last();
        boxText = MessageBox::lastText();
        refusedText = GridEdit(Ports)->text();
        typedIp = GridEdit(IpIndex)->text();
        portsFocused = dialog->focusWidget() == GridEdit(Ports);
        SaveScreen(dialog, "add-dialog-refused");
        GridEdit(Ports)->setText("8100");
        QTest::mouseClick(set, Qt::LeftButton);
    });
    QTest::mouseClick(Button(&TCtrlBtnPanel::AddButton), Qt::LeftButton);
    EXPECT_EQ(setsAfterRefusal, setsBefore);
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_TRUE(statusLine.startsWith("Set: Ports: ")) << statusLine.toStdString();
    EXPECT_TRUE(boxText.startsWith("Ports: ")) << boxText.toStdString();
    EXPECT_EQ(refusedText, "0x8100");
    EXPECT_EQ(typedIp, QString::fromStdString(kNewRow));
    EXPECT_TRUE(portsFocused);
    EXPECT_EQ(AgentSetCount(), setsBefore + 1);
    EXPECT_EQ(Column(kNewRow, 2, syntax::MacAddress), "00AABBCCDDEE");
    EXPECT_EQ(Column(kNewRow, 4, syntax::BitString), "8100");
}

TEST_F(TablePanel, AStatusValueTheRowDoesNotOfferIsRejected) {
    TConfigForm form;
    try {
        form.SetListViewPanel(BindingTable(&form), Status, "createAndWait", -1, "");
        ADD_FAILURE() << "an unknown add status was taken";
    } catch (const CodedError &e) {
        EXPECT_EQ(e.message(), "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndWait");
    }
}

}  // namespace
