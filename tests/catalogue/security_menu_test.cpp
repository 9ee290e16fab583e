// Behaviours of the "Security " menu's entries beyond the recipe, against the simulator: the
// Counter64 question, the timer formats of the port configuration, port lists edited in the
// bit-list dialog, and rows created in tables without row creation of their own.
#include "catalogue_fixture.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "catalogue/entry_recipe.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "engine/session.h"
#include "support/widget_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

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
    auto *list = form->findChild<QTreeWidget *>();
    ASSERT_TRUE(panel && list);
    const int before = list->topLevelItemCount();

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
    ASSERT_TRUE(WaitUntil([&] { return list->topLevelItemCount() == before + 1 && !form->Binding(0)->busy; }));
    // "noc" as a length-prefixed index: 3.110.111.99.
    EXPECT_EQ(AgentValue("1.3.6.1.4.1.171.12.27.3.2.1.3.3.110.111.99"), "STRING: \"staff\"");
    EXPECT_EQ(AgentValue("1.3.6.1.4.1.171.12.27.3.2.1.4.3.110.111.99"), "INTEGER: 1") << "created active";
    form->close();
}

}  // namespace
