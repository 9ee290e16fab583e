// SNMPv3 users managed against Debian's snmpd: a user created with the User Table's "Add user..."
// window, then used by the module's program and by net-snmp's snmpget with the same pass phrases;
// pass phrases changed with "Pass phrase..."; a wrong old pass phrase refused by the agent.
#include "headless_fixture.h"

#include "binding/ui/message_box.h"
#include "catalogue/entry_recipe.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/recipe_context.h"
#include "editor/config_form.h"
#include "engine/session.h"
#include "support/list_view_rows.h"
#include "support/snmpd_runner.h"
#include "support/widget_support.h"
#include "windows/usm_user_form.h"
#include "windows/window_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

namespace {

constexpr char kTemplateAuth[] = "templateAuthPass";
constexpr char kTemplatePriv[] = "templatePrivPass";

class UsmUsersTest : public HeadlessTest {
protected:
    static void SetUpTestSuite() {
        agent = new SnmpdRunner({QStringLiteral("createUser template MD5 %1 DES %2").arg(kTemplateAuth, kTemplatePriv),
                                 "rwuser alice priv", "rwuser bob priv", "rwuser carol auth"});
    }
    static void TearDownTestSuite() {
        delete agent;
        agent = nullptr;
    }

    void SetUp() override {
        HeadlessTest::SetUp();
        SessionDevice = {"127.0.0.1", agent->port()};
        SessionSecurity = {};
        SessionSecurity.version = 3;
        SessionSecurity.securityModel = 3;
        SessionSecurity.securityLevel = 3;
        SessionSecurity.securityName = SnmpdRunner::kMd5Des.name;
        SessionSecurity.authProtocol = 2;
        SessionSecurity.privProtocol = 2;
        SessionSecurity.authPassword = SnmpdRunner::kMd5Des.authPass;
        SessionSecurity.privPassword = SnmpdRunner::kMd5Des.privPass;
    }

    RecipeContext Context() {
        RecipeContext c{nullptr, "127.0.0.1", nullptr, {}};
        c.windows = &DedicatedWindows();
        c.configurationFile = dir_.filePath("127.0.0.1.cfg").toStdString();
        return c;
    }

    // net-snmp's snmpget as the user, at authPriv with MD5 and DES (authNoPriv without privPass).
    static ProcessOutcome SnmpGet(const QString &user, const QString &authPass, const QString &privPass = {}) {
        QStringList arguments{"-v3", "-u", user, "-a", "MD5", "-A", authPass, "-M", "/dev/null", "-Oqv", "-r", "0"};
        arguments << (privPass.isEmpty() ? QStringList{"-l", "authNoPriv"} : QStringList{"-l", "authPriv", "-x", "DES", "-X", privPass});
        arguments << QStringLiteral("127.0.0.1:%1").arg(agent->port()) << "1.3.6.1.2.1.1.5.0";
        return runProcess("snmpget", arguments);
    }

    // The module's program on the agent as the user, its settings from the command line alone.
    ProcessOutcome ModuleShow(const QString &user, const QString &authPass, const QString &privPass) {
        return Run({"/I127.0.0.1", "/v3", QStringLiteral("/t%1").arg(agent->port()), "/m3", "/l3", "/n" + user,
                    "/A" + authPass, "/P" + privPass, "/a2", "/p2", "--show", "Basic Configuration>MIB II>Information"},
                   PlainDirectory());
    }

    // The agent's engine ID as the table shows it (hex), read through the session.
    static std::string AgentEngineId() {
        VdSNMPRequest request;
        request.list.kind = VdSNMPVarList::SingleInstance;
        request.list.AddItem("1.3.6.1.6.3.10.2.1.1.0", "", syntax::OctetString, access_bit::Readable);
        request.ReadStep(true);
        return request.list.Item(0).value;
    }

    static void Fill(QWidget *form, const char *name, const QString &text) { Named<QLineEdit>(form, name)->setText(text); }

    // The dialog once it has read the agent's engine ID and users.
    static void WaitReady(QWidget *form) {
        ASSERT_TRUE(WaitUntil([form] { return StatusPanel(form)->text().startsWith("Get: Ok!"); }))
            << StatusPanel(form)->text().toStdString();
    }

    // Presses OK and waits for the chain of requests to end; returns the status line.
    static QString Submit(QWidget *form) {
        Click(form, "btnOk");
        WaitUntil([form] { return Named<QPushButton>(form, "btnOk")->isEnabled(); }, 20000);
        return StatusPanel(form)->text();
    }

    static void AddUser(QWidget *form, const QString &name, const QString &authPass, const QString &privPass) {
        WaitReady(form);
        Fill(form, "edtUserName", name);
        TypeChoice(form, "cbxCloneFrom", "template");
        Fill(form, "edtOldAuthPass", kTemplateAuth);
        Fill(form, "edtOldPrivPass", kTemplatePriv);
        TypeChoice(form, "cbxAuthProtocol", "MD5");
        TypeChoice(form, "cbxPrivProtocol", privPass.isEmpty() ? "None" : "DES");
        Fill(form, "edtAuthPass", authPass);
        Fill(form, "edtAuthPass2", authPass);
        Fill(form, "edtPrivPass", privPass);
        Fill(form, "edtPrivPass2", privPass);
    }

    static SnmpdRunner *agent;
};

SnmpdRunner *UsmUsersTest::agent = nullptr;

TEST_F(UsmUsersTest, UserAddedThroughTheTableWorksForTheModuleAndForSnmpget) {
    const MenuEntry *entry =
        MenuCatalogue::Instance().Find({"SNMP V3", "User-based Security Model", "User Table"});
    ASSERT_NE(entry, nullptr);
    std::unique_ptr<TConfigForm> table = BuildEntryWindow(*entry, Context());
    table->show();
    table->pageControl()->setCurrentIndex(1);
    auto *list = table->pageControl()->widget(1)->findChild<QTreeView *>("listView");
    ASSERT_TRUE(WaitUntil([&] { return list->model()->rowCount() >= 4; }));

    QString status;
    auto watcher = WhenModal("USMAddUserForm", [&](QWidget *form) {
        AddUser(form, "alice", "alicesAuthPhrase", "alicesPrivPhrase");
        SaveScreen(form, "usm_add_user");
        // Masked until the user asks to see them.
        EXPECT_EQ(Named<QLineEdit>(form, "edtAuthPass")->echoMode(), QLineEdit::Password);
        status = Submit(form);
        static_cast<QDialog *>(form)->reject();
    });
    Click(table.get(), "TUSMAddUserForm");
    EXPECT_TRUE(status.startsWith("Set: Ok!")) << status.toStdString();
    // The table is read again: the new user is listed.
    EXPECT_TRUE(WaitUntil([&] { return ListRowOf(list, "alice", 1) >= 0; }));
    SaveScreen(table.get(), "usm_user_table");

    const ProcessOutcome get = SnmpGet("alice", "alicesAuthPhrase", "alicesPrivPhrase");
    EXPECT_EQ(get.exitCode, 0) << get.err.toStdString();
    EXPECT_FALSE(get.out.trimmed().isEmpty());
    const ProcessOutcome show = ModuleShow("alice", "alicesAuthPhrase", "alicesPrivPhrase");
    EXPECT_EQ(show.exitCode, 0) << show.err.toStdString();
    // The template's pass phrases are not the new user's.
    EXPECT_NE(SnmpGet("alice", kTemplateAuth, kTemplatePriv).exitCode, 0);
}

TEST_F(UsmUsersTest, AuthenticationOnlyUserAndRefusalsBeforeSending) {
    TUSMAddUserForm form(Context(), nullptr);
    form.show();
    AddUser(&form, "carol", "short", "");
    // Too short, and typed differently the second time: refused with a message, nothing sent.
    MessageBox::reset();
    Click(&form, "btnOk");
    EXPECT_TRUE(MessageBox::lastText().contains("at least 8 characters")) << MessageBox::lastText().toStdString();
    Fill(&form, "edtAuthPass", "carolsAuthPhrase");
    Fill(&form, "edtAuthPass2", "carolsAuthPhrasf");
    Click(&form, "btnOk");
    EXPECT_TRUE(MessageBox::lastText().contains("differ")) << MessageBox::lastText().toStdString();
    EXPECT_NE(SnmpGet("carol", "carolsAuthPhrase").exitCode, 0);

    Fill(&form, "edtAuthPass2", "carolsAuthPhrase");
    const QString status = Submit(&form);
    EXPECT_TRUE(status.startsWith("Set: Ok!")) << status.toStdString();
    EXPECT_EQ(SnmpGet("carol", "carolsAuthPhrase").exitCode, 0);
}

TEST_F(UsmUsersTest, PassPhraseChangedAsTheUserAndAWrongOldOneRefusedByTheAgent) {
    {
        TUSMAddUserForm form(Context(), nullptr);
        form.show();
        AddUser(&form, "bob", "bobsFirstAuthPhrase", "bobsFirstPrivPhrase");
        ASSERT_TRUE(Submit(&form).startsWith("Set: Ok!"));
    }
    RecipeContext context = Context();
    // The row as the table hands it over: engine ID (hex) and user name first.
    const std::string engineId = AgentEngineId();
    context.selectedRow = {engineId, "bob"};
    TUSMPassPhraseForm form(context, nullptr);
    form.show();
    WaitReady(&form);
    EXPECT_TRUE(Named<QLabel>(&form, "lblUser")->text().startsWith("bob"));

    Fill(&form, "edtOldAuthPass", "notBobsAuthPhrase");
    Fill(&form, "edtOldPrivPass", "bobsFirstPrivPhrase");
    for (const char *name : {"edtAuthPass", "edtAuthPass2"}) Fill(&form, name, "bobsSecondAuthPhrase");
    for (const char *name : {"edtPrivPass", "edtPrivPass2"}) Fill(&form, name, "bobsSecondPrivPhrase");
    MessageBox::reset();
    QString status = Submit(&form);
    EXPECT_TRUE(status.contains("Authentication failure!")) << status.toStdString();
    EXPECT_TRUE(MessageBox::lastText().contains("Authentication failure!")) << MessageBox::lastText().toStdString();
    EXPECT_EQ(SnmpGet("bob", "bobsFirstAuthPhrase", "bobsFirstPrivPhrase").exitCode, 0);

    Fill(&form, "edtOldAuthPass", "bobsFirstAuthPhrase");
    status = Submit(&form);
    EXPECT_TRUE(status.startsWith("Set: Ok!")) << status.toStdString();
    EXPECT_EQ(SnmpGet("bob", "bobsSecondAuthPhrase", "bobsSecondPrivPhrase").exitCode, 0);
    EXPECT_NE(SnmpGet("bob", "bobsFirstAuthPhrase", "bobsFirstPrivPhrase").exitCode, 0);
    EXPECT_EQ(ModuleShow("bob", "bobsSecondAuthPhrase", "bobsSecondPrivPhrase").exitCode, 0);
}

TEST_F(UsmUsersTest, ChangingTheSessionsOwnUserAsksFirstThenKeepsTheSessionWorkingAndOffersTheFile) {
    {
        TUSMAddUserForm form(Context(), nullptr);
        form.show();
        AddUser(&form, "alice", "alicesAuthPhrase", "alicesPrivPhrase");
        Submit(&form);  // alice may be there from the first test already
    }
    SessionSecurity.securityName = "alice";
    SessionSecurity.authPassword = "alicesAuthPhrase";
    SessionSecurity.privPassword = "alicesPrivPhrase";
    const QString file = dir_.filePath("127.0.0.1.cfg");
    {
        QFile cfg(file);
        ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
        cfg.write("[Program Information]\r\nVersion=3\r\nAuthPassword=alicesAuthPhrase\r\nPrivPassword=alicesPrivPhrase\r\nMaxRows=500");
    }
    RecipeContext context = Context();
    context.selectedRow = {AgentEngineId(), "alice"};
    TUSMPassPhraseForm form(context, nullptr);
    form.show();
    WaitReady(&form);
    Fill(&form, "edtOldAuthPass", "alicesAuthPhrase");
    Fill(&form, "edtOldPrivPass", "alicesPrivPhrase");
    for (const char *name : {"edtAuthPass", "edtAuthPass2"}) Fill(&form, name, "alicesNewAuthPhrase");
    for (const char *name : {"edtPrivPass", "edtPrivPass2"}) Fill(&form, name, "alicesNewPrivPhrase");

    // No (the default) sends nothing.
    MessageBox::reset();
    MessageBox::setNextAnswer(QMessageBox::No);
    Click(&form, "btnOk");
    EXPECT_TRUE(MessageBox::lastText().contains("talks to the device as \"alice\"")) << MessageBox::lastText().toStdString();
    EXPECT_EQ(SnmpGet("alice", "alicesAuthPhrase", "alicesPrivPhrase").exitCode, 0);

    MessageBox::setNextAnswer(QMessageBox::Yes);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    const QString status = Submit(&form);
    EXPECT_TRUE(status.startsWith("Set: Ok!")) << status.toStdString();
    EXPECT_EQ(SnmpGet("alice", "alicesNewAuthPhrase", "alicesNewPrivPhrase").exitCode, 0);
    // The module goes on with the new pass phrases: the window's read of the users after the write
    // went through, and so does any request of the session.
    EXPECT_FALSE(status.contains("Get:")) << status.toStdString();
    EXPECT_EQ(SessionSecurity.authPassword, "alicesNewAuthPhrase");
    EXPECT_NO_THROW(EXPECT_FALSE(AgentEngineId().empty()));

    QFile cfg(file);
    ASSERT_TRUE(cfg.open(QIODevice::ReadOnly));
    EXPECT_EQ(cfg.readAll(), QByteArray("[Program Information]\r\nVersion=3\r\nAuthPassword=alicesNewAuthPhrase\r\n"
                                        "PrivPassword=alicesNewPrivPhrase\r\nMaxRows=500"));
    // Its owner's alone: nothing for the group or others.
    EXPECT_EQ(cfg.permissions() & 0x0FFF, QFileDevice::ReadUser | QFileDevice::WriteUser);
}

}  // namespace
