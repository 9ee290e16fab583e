// The editor grid on its own: no exchange is started, so no agent is needed.
#include "binding/ui/message_box.h"
#include "editor/bit_list_dialog.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/snmp_editor_panel.h"
#include "editor_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace editor_test;

namespace {

const DescriptorRecord kMixed[] = {
    {"1.3.6.1.4.1.99.1", "Admin status", syntax::Integer, access_bit::ReadWrite, &RowStatusOptions()},
    {"1.3.6.1.4.1.99.2", "Operating status", syntax::Integer, access_bit::Readable, &RowStatusOptions()},
    {"1.3.6.1.4.1.99.3", "A rather longer label", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.99.4", "Uptime", syntax::DisplayString, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.99.5", "Ports", syntax::BitString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.99.6", "Fixed ports", syntax::BitString, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};
enum MixedRow { AdminStatus, OperStatus, Text, Uptime, PortBits, FixedBits, RowTotal };

class EditsPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        MessageBox::reset();
        binding.request.list.Assign(VdSNMPVarList(kMixed, VdSNMPVarList::ScalarGroup, 0));
        panel = new TEditsPanel(&window, &binding);
    }
    QLineEdit *Edit(int i) { return qobject_cast<QLineEdit *>(panel->Row(i).editor); }

    QWidget window;
    VdSNMPRequest2Edits binding{&window};
    TEditsPanel *panel = nullptr;
};

TEST_F(EditsPanelTest, RowsGetTheirEditorByEditabilityAndEnumeration) {
    const int kinds[] = {3, 4, 2, 1, 2, 1};
    for (int i = 0; i < RowTotal; ++i) {
        const UISnmpVar &row = panel->Row(i);
        EXPECT_EQ(row.rowKind, kinds[i]) << i;
        EXPECT_EQ(row.editor->objectName(), QStringLiteral("RowEditor%1").arg(i));
        EXPECT_EQ(row.labelControl->text().toStdString(), binding.request.list.Item(i).label);
        const bool editable = kinds[i] == 2 || kinds[i] == 3;
        EXPECT_EQ(row.checkBox->isHidden(), !editable) << i;
        EXPECT_FALSE(row.checkBox->isChecked());
        if (!editable) {
            EXPECT_TRUE(Edit(i)->isReadOnly()) << i;
            EXPECT_EQ(Edit(i)->palette().color(QPalette::Base), panel->readOnlyBackColour);
        }
    }
    auto *combo = qobject_cast<QComboBox *>(panel->Row(AdminStatus).editor);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(1), "createAndGo");

    // The read-only enumeration shows the option's label in its edit box.
    binding.request.list.Item(OperStatus).value = "active";
    binding.ValuesToControls(OperStatus);
    EXPECT_EQ(Edit(OperStatus)->text(), "active");
}

TEST_F(EditsPanelTest, LayoutPlacesRowsByTheFixedMarginsAndTheWidestLabel) {
    panel->SetEditWidth(150);
    int widestLabel = 0;
    for (int i = 0; i < RowTotal; ++i) widestLabel = std::max(widestLabel, panel->Row(i).labelControl->width());
    int previousTop = 0;
    for (int i = 0; i < RowTotal; ++i) {
        const UISnmpVar &row = panel->Row(i);
        const QRect editor = row.editor->geometry();
        EXPECT_EQ(editor.left(), 45 + widestLabel + 5);
        EXPECT_EQ(editor.width(), 150);
        EXPECT_GE(editor.height(), 20);
        EXPECT_EQ(editor.top(), i == 0 ? 20 : previousTop + editor.height() + 5) << i;
        EXPECT_EQ(row.checkBox->x(), 20);
        EXPECT_EQ(row.checkBox->width(), 20);
        EXPECT_EQ(row.labelControl->x(), 45);
        EXPECT_EQ(row.labelControl->y(), editor.top() + (editor.height() - row.labelControl->height()) / 2);
        previousTop = editor.top();
    }
    const QRect last = panel->Row(RowTotal - 1).editor->geometry();
    EXPECT_EQ(panel->size(), QSize(last.right() + 1 + 40, last.bottom() + 1 + 40));
}

TEST_F(EditsPanelTest, HiddenRowsKeepTheFirstLineAndTakeNoRoomFurtherDown) {
    const int secondTop = panel->Row(1).editor->y();
    const int thirdTop = panel->Row(2).editor->y();
    panel->HideRow(0);
    panel->Layout();
    EXPECT_EQ(panel->Row(1).editor->y(), secondTop);
    EXPECT_NE(binding.request.list.Item(0).access & access_bit::Hidden, 0u);

    panel->ShowRow(0);
    panel->HideRow(2);
    panel->Layout();
    EXPECT_EQ(panel->Row(3).editor->y(), thirdTop);
    EXPECT_TRUE(panel->Row(2).labelControl->isHidden());
    EXPECT_EQ(binding.request.list.Item(0).access & access_bit::Hidden, 0u);
}

TEST_F(EditsPanelTest, EmptyRowsIncludeColumnsWhoseWalkHadEnded) {
    const struct {
        const char *text;
        bool empty;
    } cases[] = {{"", true}, {"(NOTDONE)", true}, {"x", false}, {"(NULL)", false}};
    for (const auto &c : cases) {
        panel->SetRowValue(Text, c.text);
        EXPECT_EQ(panel->RowIsEmpty(Text), c.empty) << c.text;
    }
    panel->ClearRow(AdminStatus);
    EXPECT_TRUE(panel->RowIsEmpty(AdminStatus));
    panel->SetRowValue(AdminStatus, "destroy");
    EXPECT_EQ(panel->RowText(AdminStatus), "destroy");
    EXPECT_EQ(binding.request.list.Item(AdminStatus).value, "destroy");
}

TEST_F(EditsPanelTest, ARowBeyondTheGridIsReportedNotTouched) {
    panel->MakeRowReadOnly(RowTotal);
    EXPECT_EQ(MessageBox::lastText(), QStringLiteral("aIdx is overtop!\n you may define < %1").arg(RowTotal));
}

TEST(ButtonArrangement, FollowsTheNumberOfEditableRows) {
    const DescriptorRecord oneEditable[] = {
        {"1.3.6.1.4.1.99.1", "Read", syntax::Integer, access_bit::Readable, nullptr},
        {"1.3.6.1.4.1.99.2", "Write", syntax::Integer, access_bit::ReadWrite, nullptr},
        {nullptr, nullptr, 0, 0, nullptr}};
    const DescriptorRecord noneEditable[] = {
        {"1.3.6.1.4.1.99.1", "Read", syntax::Integer, access_bit::Readable, nullptr},
        {nullptr, nullptr, 0, 0, nullptr}};
    const DescriptorRecord twoEditable[] = {
        {"1.3.6.1.4.1.99.1", "One", syntax::Integer, access_bit::ReadWrite, nullptr},
        {"1.3.6.1.4.1.99.2", "Two", syntax::Integer, access_bit::ReadWrite, nullptr},
        {nullptr, nullptr, 0, 0, nullptr}};
    const struct {
        const DescriptorRecord *table;
        bool setShown;
        QString setCaption;
        bool setEnabled;
        bool checkButtonsShown;
        bool rowChecksShown;
    } cases[] = {
        {oneEditable, true, "Set", true, false, false},
        {noneEditable, false, "Set Checked", false, false, false},
        {twoEditable, true, "Set Checked", false, true, true},
    };
    for (const auto &c : cases) {
        QWidget window;
        VdSNMPRequest2Edits binding(&window);
        binding.request.list.Assign(VdSNMPVarList(c.table, VdSNMPVarList::ScalarGroup, 0));
        TSNMPEditorPanel frame(&window, &binding);
        TCtrlBtnPanel *strip = frame.buttons();
        EXPECT_EQ(!strip->SetCheckedButton->isHidden(), c.setShown);
        EXPECT_EQ(strip->SetCheckedButton->text(), c.setCaption);
        EXPECT_EQ(strip->SetCheckedButton->isEnabledTo(strip), c.setEnabled);
        EXPECT_EQ(!strip->CheckAllButton->isHidden(), c.checkButtonsShown);
        EXPECT_EQ(!strip->ClearChecksButton->isHidden(), c.checkButtonsShown);
        EXPECT_TRUE(strip->EditButton->isHidden());
        EXPECT_TRUE(strip->SamplesCount->isHidden());
        bool anyRowCheck = false;
        for (int i = 0; i < frame.editsPanel->RowCount(); ++i)
            anyRowCheck = anyRowCheck || !frame.editsPanel->Row(i).checkBox->isHidden();
        EXPECT_EQ(anyRowCheck, c.rowChecksShown);
    }
}

TEST_F(EditsPanelTest, InputFormatsGoOnEditBoxesOnly) {
    TSNMPEditorPanel frame(&window, &binding);
    TEditsPanel *grid = frame.editsPanel;
    try {
        frame.SetVarFormat(AdminStatus, "%i{n1x4094}");
        ADD_FAILURE() << "a drop-down row took an input format";
    } catch (const CodedError &e) {
        EXPECT_EQ(e.message(), "Can not set Var format to a ComboBox!");
    }
    // The refused row keeps its binding.
    binding.request.list.Item(AdminStatus).value = "destroy";
    binding.ValuesToControls(AdminStatus);
    EXPECT_EQ(grid->RowText(AdminStatus), "destroy");

    frame.SetVarFormat(Text, "%i{n1x4094}");
    auto *edit = qobject_cast<QLineEdit *>(grid->Row(Text).editor);
    EXPECT_TRUE(binding.constraint().IsAttached(edit));
    EXPECT_EQ(grid->Row(Text).format, "%i{n1x4094}");
}

TEST(BitListDialog, Lays52PortsOutTwentyToALine) {
    TBitListDialog dialog(nullptr, "Ports", 20, 52, true);
    const auto &boxes = dialog.boxes();
    ASSERT_EQ(boxes.size(), 52u);
    const int lineHeight = boxes[20]->y() - boxes[0]->y();
    EXPECT_GT(lineHeight, boxes[0]->height());
    EXPECT_EQ(boxes[19]->x(), 19 * 20 + 10);
    EXPECT_EQ(boxes[20]->x(), 10);
    EXPECT_EQ(boxes[51]->x(), 11 * 20 + 10);
    EXPECT_EQ(boxes[51]->y(), boxes[0]->y() + 2 * lineHeight);
    EXPECT_EQ(dialog.findChild<QLabel *>("BitLabel9")->text(), "10");
    EXPECT_EQ(dialog.width(), 19 * 20 + 10 + 20 + 10);
    auto *ok = dialog.findChild<QPushButton *>("OkButton");
    EXPECT_EQ(ok->y(), boxes[51]->geometry().bottom() + 1 + 10);
    EXPECT_EQ(dialog.height(), ok->geometry().bottom() + 1 + 10);
    EXPECT_NE(dialog.findChild<QPushButton *>("ClearChecksButton"), nullptr);

    TBitListDialog readOnly(nullptr, "Ports", 20, 52, false);
    EXPECT_EQ(readOnly.findChild<QPushButton *>("CancelButton"), nullptr);
    EXPECT_FALSE(readOnly.boxes()[0]->isEnabled());
}

// Ranges both ways through the port-list field: what it shows for a value, and what it makes of
// what is typed (hex still taken); a refused text names the field and stays selected.
TEST_F(EditsPanelTest, APortListFieldShowsRangesAndTakesRangesOrHex) {
    panel->SetBitListRow(PortBits, 20, 52);
    QLineEdit *field = Edit(PortBits);
    EXPECT_FALSE(field->isReadOnly());
    const struct {
        const char *value;
        const char *shown;
    } shownCases[] = {
        {"00000000000000", "none"},       {"FFFFFFFFFFFFF0", "1-52"}, {"80000000000000", "1"},
        {"C0000000000000", "1-2"},        {"00000000000010", "52"},   {"F0000000000090", "1-4,49,52"},
        {"(NULL)", "(NULL)"},
    };
    for (const auto &c : shownCases) {
        panel->SetRowValue(PortBits, c.value);
        EXPECT_EQ(field->text(), c.shown) << c.value;
    }

    const struct {
        const char *typed;
        const char *value;    // nullptr: refused
        const char *refusal;  // the message naming the field
    } typedCases[] = {
        {"none", "00000000000000", nullptr},
        {"1-52", "FFFFFFFFFFFFF0", nullptr},
        {"1", "80000000000000", nullptr},
        {"1,2", "C0000000000000", nullptr},
        {"52", "00000000000010", nullptr},
        {"1-4, 49,52", "F0000000000090", nullptr},
        {"F0000000000090", "F0000000000090", nullptr},  // the hex of the same list
        {"53", nullptr, "Ports: \"53\" names a port outside 1-52"},
        {"0-4", nullptr, "Ports: \"0-4\" names a port outside 1-52"},
        {"1-4;7", nullptr, "Ports: \"1-4;7\" is not a port list such as 1-4,49,52"},
        {"4-1", nullptr, "Ports: \"4-1\" is not a port list such as 1-4,49,52"},
    };
    for (const auto &c : typedCases) {
        panel->SetRowValue(PortBits, "00000000000000");
        field->setText(c.typed);
        MessageBox::reset();
        const bool taken = binding.constraint().ExitCheck(field);
        EXPECT_EQ(taken, c.value != nullptr) << c.typed;
        if (c.value == nullptr) {
            EXPECT_EQ(MessageBox::lastText(), c.refusal);
            EXPECT_EQ(field->text(), c.typed) << "the typed text stays";
            EXPECT_EQ(field->selectedText(), c.typed) << "and is selected for mending";
            continue;
        }
        binding.ControlsToValues(PortBits);
        EXPECT_EQ(binding.request.list.Item(PortBits).value, c.value) << c.typed;
    }

    // A list longer than the ports: untouched it is written back as read; typed, the octets beyond
    // the list keep what they held.
    panel->SetRowValue(PortBits, "FFFFFFFFFFFFFFAB");
    EXPECT_EQ(field->text(), "1-52");
    binding.ControlsToValues(PortBits);
    EXPECT_EQ(binding.request.list.Item(PortBits).value, "FFFFFFFFFFFFFFAB");
    field->setText("1");
    binding.ControlsToValues(PortBits);
    EXPECT_EQ(binding.request.list.Item(PortBits).value, "80000000000000AB");
}

TEST_F(EditsPanelTest, TheFieldsButtonPicksPortsInTheDialogStartingFromWhatIsTyped) {
    panel->SetBitListRow(PortBits, 20, 52);
    panel->SetRowValue(PortBits, "00400000000000");
    Edit(PortBits)->setText("3,10");

    // Box 9 stands for bit 0x40 of the second byte; the user adds port 1 and confirms.
    bool sawTyped = false;
    const auto confirmPortOne = WhenModal("BitListDialog", [&](QWidget *dialog) {
        sawTyped = dialog->findChild<QCheckBox *>("Bit2")->isChecked() && dialog->findChild<QCheckBox *>("Bit9")->isChecked();
        QTest::mouseClick(dialog->findChild<QCheckBox *>("Bit0"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    });
    auto *pick = Edit(PortBits)->findChild<QAction *>(QStringLiteral("PickPorts%1").arg(PortBits));
    ASSERT_NE(pick, nullptr);
    pick->trigger();
    EXPECT_TRUE(sawTyped);
    EXPECT_EQ(Edit(PortBits)->text(), "1,3,10");
    EXPECT_EQ(binding.request.list.Item(PortBits).value, "A0400000000000");

    // Cancel keeps the value; F4 opens the dialog too.
    const auto cancelCleared = WhenModal("BitListDialog", [](QWidget *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>("ClearChecksButton"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton *>("CancelButton"), Qt::LeftButton);
    });
    QTest::keyClick(Edit(PortBits), Qt::Key_F4);
    EXPECT_EQ(Edit(PortBits)->text(), "1,3,10");

    // A text that is no port list is refused before the dialog opens.
    Edit(PortBits)->setText("1-99");
    MessageBox::reset();
    EXPECT_FALSE(panel->EditBitList(PortBits));
    EXPECT_EQ(MessageBox::lastText(), "Ports: \"1-99\" names a port outside 1-52");
    EXPECT_EQ(Edit(PortBits)->text(), "1-99");
}

TEST_F(EditsPanelTest, AValueTheBoxesCannotShowOpensTheDialogCleared) {
    panel->SetBitListRow(PortBits, 20, 52);
    panel->SetRowValue(PortBits, "FF");  // one byte: bits beyond it cannot be shown
    int checked = -1;
    const auto confirmCleared = WhenModal("BitListDialog", [&](QWidget *dialog) {
        checked = 0;
        for (QCheckBox *box : dialog->findChildren<QCheckBox *>()) checked += box->isChecked() ? 1 : 0;
        QTest::mouseClick(dialog->findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(panel->EditBitList(PortBits));
    EXPECT_EQ(checked, 0);
    EXPECT_EQ(Edit(PortBits)->text(), "none");
    EXPECT_EQ(binding.request.list.Item(PortBits).value, "00000000000000");
}

}  // namespace
