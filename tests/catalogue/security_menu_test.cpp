// Behaviours of the "Security " menu's entries beyond the recipe, against the simulator: the
// Counter64 question, the timer formats of the port configuration, port lists edited in the
// bit-list dialog, and rows created in tables without row creation of their own.
#include "catalogue_fixture.h"

#include "binding/ui/message_box.h"
#include "binding/ui/sortable_list.h"
#include "binding/ui/table_rows_model.h"
#include "binding/ui/request2edits.h"
#include "catalogue/entry_recipe.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "engine/session.h"
#include "support/list_view_rows.h"
#include "support/widget_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

const MenuEntry &SecurityEntry(const std::vector<std::string> &path) {
    std::vector<std::string> full{"Security "};
    full.insert(full.end(), path.begin(), path.end());
    const MenuEntry *entry = MenuCatalogue::Instance().Find(full);
    if (entry == nullptr) throw std::runtime_error("no entry " + path.back());
    return *entry;
}

// Keys into an edit box that has the focus, as a user's typing reaches it.
void TypeInto(QLineEdit *edit, const QString &text) {
    QApplication::setActiveWindow(edit->window());
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

class SecurityMenu : public CatalogueSuite, public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartSimulator(); }
    static void TearDownTestSuite() { StopSimulator(); }
    void SetUp() override {
        MessageBox::reset();
        SessionSecurity.version = 0;
    }

    // One object's value as net-snmp's snmpget prints it (-Ov: the value alone).
    static QString AgentValue(const QString &oid) {
        const ProcessOutcome get = runProcess(
            "snmpget", {"-M", "/dev/null", "-On", "-Ov", "-v2c", "-c", "public", sim->agent(), oid});
        EXPECT_EQ(get.exitCode, 0) << get.err.toStdString();
        return get.out.trimmed();
    }

    static std::unique_ptr<TConfigForm> OpenAndRead(const MenuEntry &entry) {
        std::unique_ptr<TConfigForm> form = BuildEntryWindow(entry, LocalContext());
        form->show();
        EXPECT_TRUE(WaitUntil([&] { return LastLine(form.get()).startsWith("Get:") && !form->Binding(0)->busy; }));
        return form;
    }

    // Clicks Set Checked in the open Add dialog; a dialog the set leaves open is closed with its
    // last status line, so a failed write ends the test instead of hanging it.
    static QString SetAndClose(QWidget *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>("SetCheckedButton"), Qt::LeftButton);
        AwaitIdle(dialog);
        if (!dialog->isVisible()) return {};
        const QString line = LastLine(dialog);
        static_cast<QDialog *>(dialog)->reject();
        return line.isEmpty() ? MessageBox::lastText() : line;
    }
};

TEST_F(SecurityMenu, RowsOfTablesWithoutRowCreationAreAddedFromTheTypedIndex) {
    const MenuEntry &users = SecurityEntry({"802.1X", "Web-based Access Control", "User Management Table"});
    std::unique_ptr<TConfigForm> form = OpenAndRead(users);
    auto *panel = form->findChild<TSNMPListViewPanel *>();
    auto *list = form->findChild<SortableList *>();
    ASSERT_TRUE(panel && list);
    const int before = list->readRowCount();

    QString failure;
    const auto add = WhenModal("AddDialog", [&](QWidget *dialog) {
        auto *name = qobject_cast<QLineEdit *>(panel->editsPanel->Row(0).editor);
        auto *vlan = qobject_cast<QLineEdit *>(panel->editsPanel->Row(2).editor);
        ASSERT_TRUE(name && vlan);
        // Typed as a user types: a disabled box would take no keys.
        TypeInto(name, "noc");
        TypeInto(vlan, "staff");
        panel->editsPanel->CheckRow(2);
        failure = SetAndClose(dialog);
    });
    QTest::mouseClick(panel->buttons()->AddButton, Qt::LeftButton);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    ASSERT_TRUE(WaitUntil([&] { return list->readRowCount() == before + 1 && !form->Binding(0)->busy; }));
    // "noc" as a length-prefixed index: 3.110.111.99.
    EXPECT_EQ(AgentValue("1.3.6.1.4.1.171.12.27.3.2.1.3.3.110.111.99"), "STRING: \"staff\"");
    EXPECT_EQ(AgentValue("1.3.6.1.4.1.171.12.27.3.2.1.4.3.110.111.99"), "INTEGER: 1") << "created active";
    form->close();
}

// The Counter64 question comes before the window, on SNMPv1 sessions only; OK moves the whole
// session to v2c, Cancel opens the window on v1 and leaves the question for the next click.
TEST_F(SecurityMenu, Counter64QuestionSwitchesTheSessionOnOkAndAsksAgainAfterCancel) {
    const MenuEntry &sessions = SecurityEntry({"802.1X", "Authentication Session Statistics"});
    const MenuEntry &ssh = SecurityEntry({"SSH", "SSH Control"});
    const QString question = "This table has Counter64 ! \n Do you want to chane to SNMP V2 ?";
    struct Opened {
        int version = -1;
        QString firstOctets;
    };
    // Opens an entry from its menu click, notes its request's version and first row once read,
    // and closes it. Polled, not waited for: the window's read may itself be running the events.
    auto click = [](const MenuEntry &entry) {
        Opened seen;
        QElapsedTimer clock;
        clock.start();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *form = qobject_cast<TConfigForm *>(QApplication::activeModalWidget());
            if (form == nullptr) return;
            const bool read = LastLine(form).startsWith("Get:") && !form->Binding(0)->busy;
            if (!read && clock.elapsed() < 10000) return;
            poll.stop();
            seen.version = form->Binding(0)->request.security.version;
            if (auto *list = form->findChild<SortableList *>(); list && list->readRowCount() > 0)
                seen.firstOctets = QString::fromStdString(std::string(list->rows().Value(0, 1)));  // shown grouped
            form->close();
        });
        poll.start(10);
        OpenEntryWindow(entry, {nullptr, "127.0.0.1", {}});
        return seen;
    };

    MessageBox::setNextAnswer(QMessageBox::Cancel);
    EXPECT_EQ(click(sessions).version, 0);
    EXPECT_EQ(MessageBox::shownCount(), 1);
    EXPECT_EQ(MessageBox::lastText(), question);
    EXPECT_EQ(SessionSecurity.version, 0) << "Cancel changes nothing";

    MessageBox::setNextAnswer(QMessageBox::Ok);
    const Opened afterOk = click(sessions);
    EXPECT_EQ(MessageBox::shownCount(), 2) << "asked again after Cancel";
    EXPECT_EQ(afterOk.version, 1);
    EXPECT_GT(afterOk.firstOctets.toULongLong(), 4294967295ull) << "64-bit octets read over v2c";
    EXPECT_EQ(SessionSecurity.version, 1);
    EXPECT_EQ(click(ssh).version, 1) << "every later window uses v2c";
    click(sessions);
    EXPECT_EQ(MessageBox::shownCount(), 2) << "not asked once the session is on v2c";

    SessionSecurity.version = 3;
    SessionSecurity.securityName = "shaaes";
    SessionSecurity.securityLevel = 3;
    SessionSecurity.securityModel = 3;
    SessionSecurity.authProtocol = 3;
    SessionSecurity.authPassword = "shaaespass";
    SessionSecurity.privProtocol = 4;
    SessionSecurity.privPassword = "shaaesprivpass";
    EXPECT_EQ(click(sessions).version, 3);
    EXPECT_EQ(MessageBox::shownCount(), 2) << "not asked on v3";
}

// Each timer or counter column of the port configuration refuses a value outside its format with
// the format's message when the user leaves the field, and the agent receives no SET for it.
TEST_F(SecurityMenu, PortConfigurationRefusesValuesOutsideEachFormatAndSendsNothing) {
    const MenuEntry &config = SecurityEntry({"802.1X", "Authentication Configuration Table"});
    std::unique_ptr<TConfigForm> form = OpenAndRead(config);
    auto *panel = form->findChild<TSNMPListViewPanel *>();
    auto *list = form->findChild<SortableList *>();
    ASSERT_TRUE(panel && list && list->readRowCount() > 0);
    const QString setRequests = "1.3.6.1.2.1.11.17.0";
    const struct {
        int row;
        const char *typed;
        const char *message;
    } cases[] = {
        {7, "65536", "Please enter a number between 0 and 65535!"},
        {8, "0", "Please enter a number between 1 and 65535!"},
        {9, "65536", "Please enter a number between 1 and 65535!"},
        {10, "0", "Please enter a number between 1 and 65535!"},
        {11, "11", "Please enter a number between 1 and 10!"},
        {12, "0", "Please enter a number between 1 and 65535!"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        SelectListRow(list, 0);
        const QString setsBefore = AgentValue(setRequests);
        const QString oid = QString::fromStdString(config.panels[0].records[static_cast<std::size_t>(c.row)].oid) + ".1";
        const QString valueBefore = AgentValue(oid);
        MessageBox::reset();
        QString refusedText;
        const auto edit = WhenModal("EditDialog", [&](QWidget *dialog) {
            auto *field = qobject_cast<QLineEdit *>(panel->editsPanel->Row(c.row).editor);
            QTest::mouseClick(panel->editsPanel->Row(c.row).checkBox, Qt::LeftButton);
            field->selectAll();
            TypeInto(field, c.typed);
            // Leaving the field is where the check runs.
            QTest::keyClick(field, Qt::Key_Tab);
            refusedText = field->text();
            static_cast<QDialog *>(dialog)->reject();
        });
        QTest::mouseClick(panel->buttons()->EditButton, Qt::LeftButton);
        // The message names the field; the typed text stays for the user to mend.
        EXPECT_TRUE(MessageBox::lastText().endsWith(QStringLiteral(": ") + c.message)) << MessageBox::lastText().toStdString();
        EXPECT_EQ(refusedText, c.typed);
        ASSERT_TRUE(WaitUntil([&] { return !form->Binding(0)->busy; }));
        EXPECT_EQ(AgentValue(setRequests), setsBefore) << "no SET reached the agent";
        EXPECT_EQ(AgentValue(oid), valueBefore);
    }
    form->close();
}

// A port list picked in the 52-port dialog, or typed as ranges, is written as the bit string the
// agent then holds: port n is bit 7 - (n - 1) % 8 of octet (n - 1) / 8.
TEST_F(SecurityMenu, PortListPickedInTheBitListDialogOrTypedIsWrittenAsItsOctets) {
    const MenuEntry &guest = SecurityEntry({"802.1X", "Guest VLAN"});
    std::unique_ptr<TConfigForm> form = OpenAndRead(guest);
    TEditsPanel *grid = form->findChild<TEditsPanel *>();
    ASSERT_NE(grid, nullptr);
    auto *ports = qobject_cast<QLineEdit *>(grid->Row(1).editor);
    ASSERT_NE(ports, nullptr);
    EXPECT_EQ(ports->text(), "1-4") << "ports 1 to 4 on the agent";
    auto setChecked = [&] {
        QTest::mouseClick(form->findChild<QPushButton *>("SetCheckedButton"), Qt::LeftButton);
        EXPECT_TRUE(WaitUntil([&] { return LastLine(form.get()).startsWith("Set:") && !form->Binding(0)->busy; }));
        EXPECT_TRUE(LastLine(form.get()).startsWith("Set: Ok!")) << LastLine(form.get()).toStdString();
    };

    const auto pick = WhenModal("BitListDialog", [](QWidget *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>("ClearChecksButton"), Qt::LeftButton);
        for (const char *bit : {"Bit0", "Bit9", "Bit47", "Bit51"})
            QTest::mouseClick(dialog->findChild<QCheckBox *>(bit), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    });
    ports->findChild<QAction *>("PickPorts1")->trigger();
    EXPECT_EQ(ports->text(), "1,10,48,52");
    EXPECT_TRUE(grid->Row(1).checkBox->isChecked()) << "a picked port list ticks its row";
    setChecked();
    EXPECT_EQ(AgentValue("1.3.6.1.4.1.171.12.30.1.2.0"), "Hex-STRING: 80 40 00 00 00 01 10");

    // Typed as ranges, and as the hex of the same list: the same octets either way.
    auto retype = [&](const char *typed) {
        QApplication::setActiveWindow(form.get());
        ports->setFocus();
        ports->selectAll();
        QTest::keyClicks(ports, typed);
    };
    for (const char *typed : {"2-3, 49", "60000000000080"}) {
        retype(typed);
        EXPECT_TRUE(grid->Row(1).checkBox->isChecked());
        setChecked();
        EXPECT_EQ(AgentValue("1.3.6.1.4.1.171.12.30.1.2.0"), "Hex-STRING: 60 00 00 00 00 00 80") << typed;
    }

    // A port beyond the switch is refused naming the field, the text stays, and nothing is sent.
    retype("1-53");
    MessageBox::reset();
    QTest::mouseClick(form->findChild<QPushButton *>("SetCheckedButton"), Qt::LeftButton);
    EXPECT_TRUE(MessageBox::lastText().endsWith(": \"1-53\" names a port outside 1-52")) << MessageBox::lastText().toStdString();
    EXPECT_EQ(ports->text(), "1-53");
    EXPECT_EQ(AgentValue("1.3.6.1.4.1.171.12.30.1.2.0"), "Hex-STRING: 60 00 00 00 00 00 80");
    form->close();
}

}  // namespace
