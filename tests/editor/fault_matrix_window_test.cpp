// Faults of the wire against an editor window: its read when it opens and a Set of a typed value.
// Every cell must end in time with a message naming the failure, keep what was typed, leave the
// window open and working, and write nothing the user did not ask for; the outcomes are printed.
#include "binding/ui/message_box.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/msg_panel.h"
#include "editor/snmp_editor_panel.h"
#include "editor_fixture.h"
#include "engine/request.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <memory>

using namespace editor_test;

namespace {

enum SystemRow { Description, Contact, Name, Location };

// One request waits 1 s per try and is tried twice.
constexpr qint64 kRequestMs = 2 * 1000;

struct WindowCell {
    const char *fault;
    QStringList simOptions;
    void (*security)(VdSNMPSecurity &);  // how the window's session differs from a good one
    const char *readMessage;             // nullptr: the read succeeds
    const char *setMessage;              // nullptr: the Set succeeds
    bool unanswered = false;             // the Set says the device may or may not have taken it
    bool agentMayHaveIt = false;         // a late or dead agent: what it holds is not checked
    bool killBeforeSet = false;
    bool restartBeforeSet = false;       // the agent starts again on its port
};

void Good(VdSNMPSecurity &) {}
void WrongCommunity(VdSNMPSecurity &s) { s.readCommunity = s.writeCommunity = "notpublic"; }
void V3(VdSNMPSecurity &s, const char *user, int level, const char *pass) {
    s.version = 3;
    s.securityModel = 3;
    s.securityLevel = level;
    s.securityName = user;
    s.authProtocol = 2;
    s.authPassword = pass;
}
void WrongPassPhrase(VdSNMPSecurity &s) { V3(s, "md5des", 2, "wrongpassphrase"); }
void UnknownUser(VdSNMPSecurity &s) { V3(s, "nobody", 1, ""); }
void GoodV3(VdSNMPSecurity &s) { V3(s, "md5des", 2, "md5despass"); }

constexpr char kTimedOut[] = "SNMP request timed out!";

const WindowCell kCells[] = {
    {"answers after the time-out", {"--delay", "2500"}, Good, kTimedOut, kTimedOut, true, true},
    {"killed before the Set", {}, Good, nullptr, kTimedOut, true, true, true},
    // An agent ignores a wrong community: to the window it is an agent that does not answer.
    {"wrong community", {}, WrongCommunity, kTimedOut, kTimedOut, true},
    {"wrong v3 pass phrase", {}, WrongPassPhrase, "Authentication failure!", "Authentication failure!"},
    {"unknown v3 user", {}, UnknownUser, "Unknown SecurityName!", "Unknown SecurityName!"},
    // The simulator keeps no engine identity across starts: to the window it is another agent on
    // the same address, which does not answer requests made for the one it replaced.
    {"v3 agent replaced before the Set", {}, GoodV3, nullptr, kTimedOut, true, true, false, true},
};

class WindowFaultMatrix : public EditorTest {
protected:
    static void TearDownTestSuite() {
        std::printf("\n%-34s | %-40s | %s\n", "fault", "editor window read", "editor window Set");
        for (const QString &line : table_) std::printf("%s\n", line.toUtf8().constData());
        std::fflush(stdout);
        EditorTest::TearDownTestSuite();
    }
    static QStringList table_;
};

QStringList WindowFaultMatrix::table_;

QString LastLine(TSNMPEditorPanel *panel) { return panel->messagePanel()->memo->toPlainText().split('\n').last(); }

// A status line without the time it was received.
QString Shown(const QString &line, qint64 ms) {
    return QStringLiteral("%1 (%2 s)").arg(line.section(QStringLiteral(". Receive at"), 0, 0)).arg(ms / 1000.0, 0, 'f', 1);
}

TEST_F(WindowFaultMatrix, EveryFaultEndsInTimeWithAMessageAndKeepsWhatWasTyped) {
    const VdSNMPSecurity good = SessionSecurity;
    const quint16 goodPort = SessionDevice.port;
    for (const WindowCell &cell : kCells) {
        SCOPED_TRACE(cell.fault);
        auto agent = std::make_unique<SimRunner>(cell.simOptions);
        const quint16 port = agent->port();
        SessionDevice.port = port;
        const std::string before = "before-" + std::to_string(port);
        {
            // Written before the fault matters, patiently enough for a late agent.
            const std::int32_t timeout = SessionTimeout;
            SessionTimeout = 500;
            AgentWrite(kSysName, before);
            SessionTimeout = timeout;
        }
        cell.security(SessionSecurity);

        TConfigForm form;
        TSNMPEditorPanel *panel = form.SetEditorPanel(SystemBinding(&form));
        QElapsedTimer clock;
        clock.start();
        form.show();
        ASSERT_TRUE(WaitUntil([&] { return !panel->messagePanel()->memo->toPlainText().isEmpty(); }));
        const qint64 readMs = clock.elapsed();
        const QString read = LastLine(panel);

        if (cell.killBeforeSet) ::kill(static_cast<pid_t>(agent->processId()), SIGKILL);
        if (cell.restartBeforeSet) {
            agent.reset();
            agent = std::make_unique<SimRunner>(cell.simOptions + QStringList{"--port", QString::number(port)});
            ASSERT_EQ(agent->port(), port);
        }
        auto *name = qobject_cast<QLineEdit *>(panel->editsPanel->Row(Name).editor);
        name->setText("typed-in-the-window");
        QTest::mouseClick(panel->editsPanel->Row(Name).checkBox, Qt::LeftButton, {}, QPoint(5, 5));
        clock.restart();
        QTest::mouseClick(panel->buttons()->SetCheckedButton, Qt::LeftButton);
        const qint64 setMs = clock.elapsed();
        const QString set = LastLine(panel);
        table_ << QStringLiteral("%1 | %2 | %3")
                      .arg(QString::fromLatin1(cell.fault), -34)
                      .arg(Shown(read, readMs), -40)
                      .arg(Shown(set, setMs));

        EXPECT_LT(readMs, 2 * kRequestMs);
        EXPECT_LT(setMs, 2 * kRequestMs);
        EXPECT_TRUE(read.contains(cell.readMessage ? cell.readMessage : "Ok!")) << read.toStdString();
        EXPECT_TRUE(set.contains(cell.setMessage ? cell.setMessage : "Ok!")) << set.toStdString();
        EXPECT_EQ(set.contains(QString::fromLatin1(kUnansweredWriteText).trimmed()), cell.unanswered)
            << set.toStdString();
        // What was typed stays, in a window that is still open and answers.
        EXPECT_EQ(name->text(), "typed-in-the-window");
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(MessageBox::shownCount(), 0);
        form.close();
        EXPECT_FALSE(form.isVisible());

        SessionSecurity = good;
        if (!cell.agentMayHaveIt)
            EXPECT_EQ(AgentValue(kSysName, syntax::DisplayString), before) << "a refused Set wrote nothing";
    }
    SessionDevice.port = goodPort;
}

}  // namespace
