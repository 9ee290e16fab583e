#include "device.h"

#include "engine/option_list.h"
#include "binding/ui/request2edits.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <optional>

namespace {

const OptionRecord kAdminRecords[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}};
const VdOptionList kAdmin(kAdminRecords, VdOptionList::Integer);
const char *const kAdminOid = "1.3.6.1.2.1.2.2.1.7";

enum Item { Index, Descr, Mtu, PhysAddress, AdminStatus };

// ifTable with a hidden column that is not the first variable.
const DescriptorRecord kInterfaces[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Port", syntax::Integer, access_bit::Index, nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "Description", syntax::DisplayString, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.2.2.1.4", "MTU", syntax::Integer, access_bit::Readable | access_bit::Hidden, nullptr},
    {"1.3.6.1.2.1.2.2.1.6", "MAC", syntax::MacAddress, access_bit::Readable, nullptr},
    {kAdminOid, "Admin", syntax::Integer, access_bit::ReadWrite, &kAdmin},
    {nullptr, nullptr, 0, 0, nullptr},
};

// Records the hooks in the order they run.
class RecordingBinding : public VdSNMPRequest2Edits {
public:
    using VdSNMPRequest2Edits::VdSNMPRequest2Edits;
    void OnGetBegin() override {
        Note("GetBegin");
        VdSNMPRequest2Edits::OnGetBegin();
    }
    void OnGetResult() override {
        Note("GetResult");
        VdSNMPRequest2Edits::OnGetResult();
    }
    void OnGetEnd() override {
        Note("GetEnd");
        VdSNMPRequest2Edits::OnGetEnd();
    }
    void OnSetBegin() override {
        Note("SetBegin");
        VdSNMPRequest2Edits::OnSetBegin();
    }
    void OnSetCollect() override {
        Note("SetCollect");
        VdSNMPRequest2Edits::OnSetCollect();
    }
    void OnSetEnd() override {
        Note("SetEnd");
        VdSNMPRequest2Edits::OnSetEnd();
    }
    std::vector<std::string> calls;

private:
    void Note(const char *hook) {
        if (calls.empty() || calls.back() != hook) calls.push_back(hook);  // rows collapse into one
    }
};

TEST(ListViewColumns, FreshListViewGetsTheCaptionOfASingleColumn) {
    QWidget window;
    VdSNMPRequest2Edits binding(&window);
    binding.request.list.AddItem("1.3.6.1.2.1.2.2.1.2", "Description", syntax::DisplayString, access_bit::Readable);
    QTreeWidget listView(&window);
    binding.BindListView(&listView, false);
    ASSERT_EQ(listView.columnCount(), 1);
    EXPECT_EQ(listView.headerItem()->text(0), "Description");
}

TEST(ListViewColumns, SelectedRowIsPaintedInTheSelectionColours) {
    QWidget window;
    VdSNMPRequest2Edits binding(&window);
    binding.request.list.AddItem("1.3.6.1.2.1.2.2.1.2", "A long column caption", syntax::DisplayString,
                                 access_bit::Readable);
    QTreeWidget listView(&window);
    binding.BindListView(&listView, false);
    for (const char *value : {"a", "b", "c"}) {
        binding.request.list.Item(0).value = value;
        binding.AddRow();
    }
    listView.resize(300, 200);
    window.show();
    listView.setCurrentItem(listView.topLevelItem(1));
    const QRect row = listView.visualItemRect(listView.topLevelItem(1));
    const QImage picture = listView.viewport()->grab().toImage();
    // Right of the short text, inside the row.
    EXPECT_EQ(picture.pixelColor(row.right() - 8, row.center().y()),
              listView.palette().color(QPalette::Active, QPalette::Highlight));
}

class InterfaceTable : public ::testing::Test {
protected:
    void SetUp() override {
        binding.request.list.Assign(VdSNMPVarList(kInterfaces, VdSNMPVarList::Table, 1));
        UseDevice(binding.request);
        listView.setObjectName("LV_Interfaces");
        binding.BindListView(&listView, true);
        binding.BindStaticText(Index, &port);
        binding.BindStaticText(Descr, &descr);
        for (int i = 0; i < 6; ++i) {
            mac.push_back(new QLineEdit(&window));
            mac.back()->setObjectName(QStringLiteral("ED_Mac%1").arg(i));
        }
        binding.BindEdits(PhysAddress, "%h{l2}%h{l2}%h{l2}%h{l2}%h{l2}%h{l2}", mac);
        binding.BindComboBox(AdminStatus, &admin);
        binding.SetStatusTarget(&memo);
    }
    void SelectRow(int row) { listView.setCurrentItem(listView.topLevelItem(row)); }

    QWidget window;
    RecordingBinding binding{&window};
    QTreeWidget listView{&window};
    QLabel port{&window}, descr{&window};
    std::vector<QLineEdit *> mac;
    QComboBox admin{&window};
    QPlainTextEdit memo;
};

TEST_F(InterfaceTable, ColumnsPutHiddenVariablesFirst) {
    ASSERT_EQ(listView.columnCount(), 5);
    const QStringList captions{"MTU", "Port", "Description", "MAC", "Admin"};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(listView.headerItem()->text(c), captions[c]);
    EXPECT_TRUE(listView.isColumnHidden(0));
    EXPECT_FALSE(listView.isColumnHidden(1));
    EXPECT_EQ(listView.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(listView.editTriggers(), QAbstractItemView::NoEditTriggers);
    binding.BuildColumns();  // enough columns already: nothing changes
    EXPECT_EQ(listView.columnCount(), 5);
}

TEST_F(InterfaceTable, AsynchronousWalkFillsRowsAndSelectionFeedsTheControls) {
    binding.Get();
    ASSERT_TRUE(WaitFor([&] { return !binding.busy; }, 20000));
    ASSERT_EQ(listView.topLevelItemCount(), 52);
    const QTreeWidgetItem *third = listView.topLevelItem(2);
    EXPECT_EQ(third->text(0), "1500");
    EXPECT_EQ(third->text(1), "3");
    EXPECT_EQ(third->text(2), "Port 3");
    EXPECT_EQ(third->text(3), "0050BA740003");
    EXPECT_EQ(third->text(4), "up");
    EXPECT_EQ(binding.calls, (std::vector<std::string>{"GetBegin", "GetResult", "GetEnd"}));
    EXPECT_TRUE(QRegularExpression(R"(^Get: Ok!\. Receive at \d\d:\d\d:\d\d \S+$)").match(memo.toPlainText()).hasMatch());
    EXPECT_FALSE(descr.isEnabled());  // a walk of a kind-2 table disables the editors

    SelectRow(2);
    EXPECT_TRUE(descr.isEnabled());
    EXPECT_EQ(port.text(), "3");
    EXPECT_EQ(descr.text(), "Port 3");
    QStringList octets;
    for (QLineEdit *box : mac) octets << box->text();
    EXPECT_EQ(octets, QStringList({"00", "50", "BA", "74", "00", "03"}));
    EXPECT_EQ(admin.currentText(), "up");
    // The hidden column went back to its own variable.
    EXPECT_EQ(binding.request.list.Item(Mtu).value, "1500");
    EXPECT_EQ(binding.request.list.Item(Descr).value, "Port 3");
}

TEST_F(InterfaceTable, WalkOfATableWithRowCreationKeepsTheEditorsEnabled) {
    binding.request.list.kind = VdSNMPVarList::TableWithCreation;
    binding.asyncMode = false;
    binding.Get();
    EXPECT_EQ(listView.topLevelItemCount(), 52);
    EXPECT_TRUE(descr.isEnabled());
    EXPECT_TRUE(admin.isEnabled());
}

TEST_F(InterfaceTable, SetOfTheSelectedRowWritesItsInstanceAndReadsTheTableAgain) {
    binding.asyncMode = false;
    binding.Get();
    SelectRow(4);
    admin.setCurrentText("down");
    binding.calls.clear();
    binding.Set(true, true);
    EXPECT_EQ(ReadBack(std::string(kAdminOid) + ".5", syntax::Integer), "2");
    EXPECT_EQ(binding.calls,
              (std::vector<std::string>{"SetBegin", "SetCollect", "SetEnd", "GetBegin", "GetResult", "GetEnd"}));
    EXPECT_EQ(listView.topLevelItem(4)->text(4), "down");

    SelectRow(4);
    admin.setCurrentText("up");
    binding.calls.clear();
    binding.Set(false, true);
    EXPECT_EQ(binding.calls, (std::vector<std::string>{"SetBegin", "SetCollect", "SetEnd"}));
    EXPECT_EQ(ReadBack(std::string(kAdminOid) + ".5", syntax::Integer), "1");
}

TEST_F(InterfaceTable, AnAsynchronousSetEndsOnceAfterTheReadOfTheTableThatFollowsIt) {
    binding.Get();
    ASSERT_TRUE(WaitFor([&] { return !binding.busy && listView.topLevelItemCount() > 4; }));
    struct Case {
        bool reload;
        const char *admin;
        const char *lastHook;  // the hook that ran last when the end was told
    };
    for (const Case &c : {Case{true, "down", "GetEnd"}, Case{false, "up", "SetEnd"}}) {
        SCOPED_TRACE(c.lastHook);
        SelectRow(4);
        admin.setCurrentText(QString::fromLatin1(c.admin));
        binding.calls.clear();
        int ends = 0;
        std::vector<std::string> callsAtEnd;
        bool busyAtEnd = true;
        binding.ended = [&](const std::optional<std::string> &error) {
            ++ends;
            EXPECT_FALSE(error) << *error;
            callsAtEnd = binding.calls;
            busyAtEnd = binding.busy;
        };
        binding.Set(c.reload, true);
        ASSERT_TRUE(WaitFor([&] { return ends > 0; }));
        WaitFor([] { return false; }, 300);
        EXPECT_EQ(ends, 1);
        EXPECT_FALSE(busyAtEnd);
        ASSERT_FALSE(callsAtEnd.empty());
        EXPECT_EQ(callsAtEnd.back(), c.lastHook);
        EXPECT_EQ(binding.calls, callsAtEnd) << "nothing of the exchange ran after its end";
    }
}

TEST_F(InterfaceTable, FailedSetIsRaisedAndNotFollowedByARead) {
    binding.asyncMode = false;
    binding.Get();
    SelectRow(0);
    binding.request.list.Item(Descr).access = access_bit::ReadWrite;  // the device refuses it
    binding.calls.clear();
    EXPECT_THROW(binding.Set(true, false), CodedError);
    EXPECT_FALSE(binding.busy);
    EXPECT_EQ(binding.calls, (std::vector<std::string>{"SetBegin"}));
}

TEST_F(InterfaceTable, WalkWithoutRowsStillEndsWithOk) {
    VdSNMPVarList empty;
    empty.kind = VdSNMPVarList::Table;
    empty.AddItem("1.3.6.1.4.1.171.12.99.1.1", "Nothing", syntax::Integer, access_bit::Readable);
    binding.request.list.Assign(empty);
    binding.Get();
    ASSERT_TRUE(WaitFor([&] { return !binding.busy; }));
    EXPECT_EQ(binding.calls, (std::vector<std::string>{"GetBegin", "GetEnd"}));
    EXPECT_TRUE(memo.toPlainText().startsWith("Get: Ok!."));
}

}  // namespace
