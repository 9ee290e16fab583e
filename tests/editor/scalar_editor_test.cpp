// A scalar editor window against the simulator: what Set Checked sends, and what it refuses.
#include "binding/ui/message_box.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/msg_panel.h"
#include "editor/snmp_editor_panel.h"
#include "engine/request.h"
#include "editor_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace editor_test;

namespace {

enum SystemRow { Description, Contact, Name, Location };

class ScalarEditor : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        AgentWrite(kSysContact, "network operations");
        AgentWrite(kSysName, "QSW-7400");
        AgentWrite(kSysLocation, "lab rack 3");
        form = std::make_unique<TConfigForm>();
        form->setWindowTitle("System Information 127.0.0.1");
        auto binding = SystemBinding(form.get());
        raw = binding.get();
        prepare(*binding);
        panel = form->SetEditorPanel(std::move(binding));
        grid = panel->editsPanel;
        form->show();
        ASSERT_TRUE(WaitUntil([this] { return Edit(Contact)->text() == "network operations"; }));
    }
    // Lets a test change the list before the panel is built.
    virtual void prepare(VdSNMPRequest2Edits &) {}

    QLineEdit *Edit(int i) { return qobject_cast<QLineEdit *>(grid->Row(i).editor); }
    void Check(int i) { QTest::mouseClick(grid->Row(i).checkBox, Qt::LeftButton, {}, QPoint(5, 5)); }
    QPushButton *SetButton() { return panel->buttons()->SetCheckedButton; }
    QString Memo() { return panel->messagePanel()->memo->toPlainText(); }
    std::vector<std::uint32_t> AccessBits() {
        std::vector<std::uint32_t> bits;
        for (int i = 0; i < raw->request.list.Count(); ++i) bits.push_back(raw->request.list.Item(i).access);
        return bits;
    }

    std::unique_ptr<TConfigForm> form;
    VdSNMPRequest2Edits *raw = nullptr;
    TSNMPEditorPanel *panel = nullptr;
    TEditsPanel *grid = nullptr;
};

TEST_F(ScalarEditor, SetCheckedSendsOneSetWithExactlyTheCheckedRows) {
    EXPECT_EQ(Edit(Description)->text().left(8), "QSW-7400");
    EXPECT_TRUE(Memo().startsWith("Get: Ok!"));
    EXPECT_FALSE(SetButton()->isEnabled());
    const std::vector<std::uint32_t> accessBefore = AccessBits();

    Edit(Contact)->setText("noc@example");
    Edit(Name)->setText("edge-12");
    Edit(Location)->setText("not to be sent");
    Check(Contact);
    EXPECT_TRUE(SetButton()->isEnabled());
    Check(Location);
    Check(Location);  // unchecked again
    Check(Name);
    const unsigned setsBefore = AgentSetCount();
    QTest::mouseClick(SetButton(), Qt::LeftButton);
    AwaitIdle(form.get());

    EXPECT_EQ(AgentSetCount(), setsBefore + 1);
    EXPECT_EQ(AgentValue(kSysContact, syntax::DisplayString), "noc@example");
    EXPECT_EQ(AgentValue(kSysName, syntax::DisplayString), "edge-12");
    EXPECT_EQ(AgentValue(kSysLocation, syntax::DisplayString), "lab rack 3");
    EXPECT_TRUE(Memo().contains("Set: Ok!"));
    EXPECT_TRUE(raw->asyncMode);
    EXPECT_EQ(AccessBits(), accessBefore);
    SaveScreen(form.get(), "editor-window");
}

TEST_F(ScalarEditor, ACheckedEmptyItemIsRefusedAndNothingIsSent) {
    const std::vector<std::uint32_t> accessBefore = AccessBits();
    const struct {
        const char *text;
    } emptyTexts[] = {{""}, {"(NOTDONE)"}};
    for (const auto &c : emptyTexts) {
        MessageBox::reset();
        Edit(Contact)->setText(c.text);
        Edit(Name)->setText("still not sent");
        grid->CheckRow(Contact);
        grid->CheckRow(Name);
        const unsigned setsBefore = AgentSetCount();
        panel->SetChecked(SetButton());
        EXPECT_EQ(MessageBox::lastText(), "Some items are empty!") << c.text;
        EXPECT_EQ(MessageBox::lastCaption(), "Warning");
        EXPECT_EQ(AgentSetCount(), setsBefore);
        EXPECT_EQ(AgentValue(kSysName, syntax::DisplayString), "QSW-7400");
        EXPECT_TRUE(raw->asyncMode);
        EXPECT_EQ(AccessBits(), accessBefore);
    }
}

TEST_F(ScalarEditor, CheckAllAndClearChecksFollowTheEnabledRows) {
    QTest::mouseClick(panel->buttons()->CheckAllButton, Qt::LeftButton);
    EXPECT_EQ(grid->CheckedRowCount(), 3);
    EXPECT_FALSE(grid->Row(Description).checkBox->isChecked());
    EXPECT_TRUE(SetButton()->isEnabled());
    QTest::mouseClick(panel->buttons()->ClearChecksButton, Qt::LeftButton);
    EXPECT_EQ(grid->CheckedRowCount(), 0);
    EXPECT_FALSE(SetButton()->isEnabled());
}

// The agent refuses the write of sysDescr: the window reports it and stays as it was.
class ScalarEditorRefused : public ScalarEditor {
    void prepare(VdSNMPRequest2Edits &binding) override {
        binding.request.list.Item(Description).access = access_bit::ReadWrite;
    }
};

TEST_F(ScalarEditorRefused, ADeviceErrorGoesToTheMemoAndRestoresTheBinding) {
    const std::vector<std::uint32_t> accessBefore = AccessBits();
    Edit(Description)->setText("new description");
    Edit(Name)->setText("edge-13");
    Check(Description);
    Check(Name);
    QTest::mouseClick(SetButton(), Qt::LeftButton);
    AwaitIdle(form.get());
    EXPECT_TRUE(Memo().contains("Set: "));
    EXPECT_FALSE(Memo().contains("Set: Ok!"));
    // All or nothing: the name was not written either.
    EXPECT_EQ(AgentValue(kSysName, syntax::DisplayString), "QSW-7400");
    EXPECT_TRUE(raw->asyncMode);
    EXPECT_EQ(AccessBits(), accessBefore);
    EXPECT_FALSE(raw->busy);
    EXPECT_EQ(MessageBox::shownCount(), 0);

    // The window still works.
    QTest::mouseClick(panel->buttons()->RefreshButton, Qt::LeftButton);
    EXPECT_TRUE(WaitUntil([this] { return Memo().split('\n').last().startsWith("Get: Ok!"); }))
        << Memo().toStdString();
}

// The device answers later than the window waits for it: the write may have been applied or not.
class ScalarEditorLateDevice : public ScalarEditor {
protected:
    static void SetUpTestSuite() {
        EditorTest::SetUpTestSuite();
        delete sim;
        sim = new SimRunner({"--delay", "300"});
        SessionDevice.port = sim->port();
    }
};

TEST_F(ScalarEditorLateDevice, AnUnansweredSetKeepsWhatWasTypedAndSaysTheDeviceMayHaveTakenIt) {
    // The window waits 100 ms, once; the device answers after 300 ms.
    raw->request.timeout = 10;
    raw->request.retries = 0;
    const struct {
        const char *typed;
        bool async;
    } ways[] = {{"edge-late-1", false}, {"edge-late-2", true}};
    for (const auto &way : ways) {
        Edit(Name)->setText(way.typed);
        if (!grid->Row(Name).checkBox->isChecked()) Check(Name);
        if (way.async) {
            raw->Set(false, true, "");
            ASSERT_TRUE(WaitUntil([this] { return !raw->busy; })) << way.typed;
        } else {
            QTest::mouseClick(SetButton(), Qt::LeftButton);
            AwaitIdle(form.get());
        }
        const QString last = Memo().split('\n').last();
        EXPECT_TRUE(last.startsWith("Set: SNMP request timed out!")) << last.toStdString();
        EXPECT_TRUE(last.contains(QString::fromLatin1(kUnansweredWriteText).trimmed())) << last.toStdString();
        EXPECT_EQ(Edit(Name)->text(), way.typed);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(MessageBox::shownCount(), 0);
        // What the message warns of: the late device did take it.
        EXPECT_TRUE(WaitUntil([&] { return AgentValue(kSysName, syntax::DisplayString) == way.typed; }));
    }
    SaveScreen(form.get(), "editor-window-unanswered-set");
}

// Enter in an edit box presses no button: what was typed stays, and nothing is read over it.
TEST_F(ScalarEditor, EnterInAnEditBoxKeepsWhatWasTyped) {
    for (QPushButton *button : form->findChildren<QPushButton *>())
        EXPECT_FALSE(button->autoDefault() || button->isDefault()) << button->objectName().toStdString();
    const qsizetype lines = Memo().split('\n').size();
    Edit(Name)->setFocus();
    Edit(Name)->setText("typed, not sent");
    QTest::keyClick(Edit(Name), Qt::Key_Return);
    QTest::keyClick(Edit(Name), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::qWait(200);
    EXPECT_EQ(Edit(Name)->text(), "typed, not sent");
    EXPECT_EQ(Memo().split('\n').size(), lines);
    EXPECT_TRUE(form->isVisible());
}

// An object identifier the collector cannot read: the action stops before anything is sent.
class ScalarEditorBadValue : public ScalarEditor {
    void prepare(VdSNMPRequest2Edits &binding) override {
        binding.request.list.AddItem("1.3.6.1.2.1.1.2", "Object ID", syntax::ObjectId, access_bit::ReadWrite);
    }
};

TEST_F(ScalarEditorBadValue, ACollectionErrorIsShownLikeASetErrorAndNothingIsSent) {
    constexpr int kObjectId = 4;
    const std::vector<std::uint32_t> accessBefore = AccessBits();
    Edit(Contact)->setText("not to be sent");
    Edit(kObjectId)->setText("not an identifier");
    Check(Contact);
    Check(kObjectId);
    const unsigned setsBefore = AgentSetCount();
    QTest::mouseClick(SetButton(), Qt::LeftButton);
    EXPECT_EQ(AgentSetCount(), setsBefore);
    EXPECT_EQ(AgentValue(kSysContact, syntax::DisplayString), "network operations");
    EXPECT_EQ(Memo().split('\n').size(), 2) << Memo().toStdString();
    EXPECT_FALSE(Memo().split('\n').last().contains("Ok!"));
    // A refused write is a write, and the field that failed is named and has the focus.
    EXPECT_TRUE(Memo().split('\n').last().startsWith("Set: Object ID: ")) << Memo().toStdString();
    EXPECT_EQ(form->focusWidget(), Edit(kObjectId));
    EXPECT_EQ(Edit(kObjectId)->text(), "not an identifier");
    EXPECT_TRUE(raw->asyncMode);
    EXPECT_FALSE(raw->busy);
    EXPECT_EQ(AccessBits(), accessBefore);
}

const DescriptorRecord kMulticastRange[] = {
    {"1.3.6.1.4.1.99.1", "Index", syntax::Integer, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.99.2", "From IP", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.99.3", "To IP", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.99.4", "Access", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.99.5", "State", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

TEST(MulticastRange, RowsAreCheckedTogetherAndTheirValuesTestedBeforeAnything) {
    MessageBox::reset();
    QWidget window;
    VdSNMPRequest2Edits binding(&window);
    binding.request.list.Assign(VdSNMPVarList(kMulticastRange, VdSNMPVarList::ScalarGroup, 0));
    binding.request.alive = false;  // nothing may reach the wire from this test
    TSNMPEditorPanel frame(&window, &binding);
    TEditsPanel *grid = frame.editsPanel;
    grid->multicastRangeMode = true;

    QTest::mouseClick(grid->Row(1).checkBox, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(grid->CheckedRowCount(), 4);

    const struct {
        std::vector<int> unchecked;
        const char *from;
        const char *to;
        const char *access;
        const char *message;
    } cases[] = {
        {{4}, "239.1.1.1", "239.1.1.9", "both", "Some fields need to be checked!"},
        {{2}, "239.1.1.1", "239.1.1.9", "both", "Some fields need to be checked!"},
        {{}, "240.1.1.1", "239.1.1.9", "both", "Bad value of FromIP field!"},
        {{}, "239.1.1.1", "239.1.1", "both", "Bad value of ToIP field!"},
        {{}, "239.1.1.1", "239.1.1.9", "none", "Bad value of Access field!"},
    };
    for (const auto &c : cases) {
        grid->CheckRow(1), grid->CheckRow(2), grid->CheckRow(3), grid->CheckRow(4);
        for (int i : c.unchecked) grid->UncheckRow(i);
        grid->SetRowValue(1, c.from);
        grid->SetRowValue(2, c.to);
        grid->SetRowValue(3, c.access);
        grid->SetRowValue(4, "on");
        frame.SetChecked(frame.buttons()->SetCheckedButton);
        EXPECT_EQ(MessageBox::lastText(), c.message);
        EXPECT_EQ(MessageBox::lastCaption(), "Error");
    }
}

}  // namespace
