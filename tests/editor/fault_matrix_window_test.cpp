// Faults of the wire against an editor window, on the simulator and on Debian's snmpd: its read when
// it opens, a Set of a typed value and a read again. Every cell must end in time with a message
// naming the failure, keep what was typed, leave the window open and working, and write nothing the
// user did not ask for; the outcomes are printed.
#include "binding/ui/message_box.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/msg_panel.h"
#include "editor/snmp_editor_panel.h"
#include "editor_fixture.h"
#include "engine/request.h"
#include "support/agent_runner.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

using namespace editor_test;

namespace {

enum SystemRow { Description, Contact, Name, Location };

// One request waits 1 s per try and is tried twice.
constexpr qint64 kRequestMs = 2 * 1000;

// What happens to the agent between the window's requests. A restarted agent starts again on its
// port.
enum class Event { None, KillBeforeSet, RestartBeforeSet, RestartBeforeReadAgain };

struct WindowCell {
    AgentKind agent;
    const char *fault;
    QStringList simOptions;
    void (*security)(VdSNMPSecurity &);  // how the window's session differs from a good one
    const char *readMessage;             // nullptr: the read succeeds
    const char *setMessage;              // nullptr: the Set succeeds
    const char *againMessage;            // the read after the Set; nullptr: it succeeds
    bool unanswered = false;             // the Set says the device may or may not have taken it
    bool agentMayHaveIt = false;         // a late or dead agent: what it holds is not checked
    Event event = Event::None;
};

constexpr AgentKind kSim = AgentKind::Simulator;
constexpr AgentKind kSnmpd = AgentKind::Snmpd;

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
void SimV3(VdSNMPSecurity &s) { V3(s, "md5des", 2, "md5despass"); }
void SnmpdV3Priv(VdSNMPSecurity &s) {
    V3(s, SnmpdRunner::kMd5Des.name, 3, SnmpdRunner::kMd5Des.authPass);
    s.privProtocol = 2;
    s.privPassword = SnmpdRunner::kMd5Des.privPass;
}

constexpr char kTimedOut[] = "SNMP request timed out!";
constexpr char kAuthFailure[] = "Authentication failure!";
constexpr char kUnknownUser[] = "Unknown SecurityName!";

const WindowCell kCells[] = {
    {kSim, "answers after the time-out", {"--delay", "2500"}, Good, kTimedOut, kTimedOut, kTimedOut, true, true},
    {kSim, "killed before the Set", {}, Good, nullptr, kTimedOut, kTimedOut, true, true, Event::KillBeforeSet},
    // An agent ignores a wrong community: to the window it is an agent that does not answer.
    {kSim, "wrong community", {}, WrongCommunity, kTimedOut, kTimedOut, kTimedOut, true},
    {kSim, "wrong v3 pass phrase", {}, WrongPassPhrase, kAuthFailure, kAuthFailure, kAuthFailure},
    {kSim, "unknown v3 user", {}, UnknownUser, kUnknownUser, kUnknownUser, kUnknownUser},
    // The simulator keeps no engine identity across starts: to the window it is another agent on
    // the same address, which does not answer the Set made for the one it replaced; the read after
    // that time-out learns the new engine and succeeds.
    {kSim, "v3 agent replaced before the Set", {}, SimV3, nullptr, kTimedOut, nullptr, true, true, Event::RestartBeforeSet},
    {kSnmpd, "killed before the Set", {}, Good, nullptr, kTimedOut, kTimedOut, true, true, Event::KillBeforeSet},
    {kSnmpd, "wrong community", {}, WrongCommunity, kTimedOut, kTimedOut, kTimedOut, true},
    {kSnmpd, "wrong v3 pass phrase", {}, WrongPassPhrase, kAuthFailure, kAuthFailure, kAuthFailure},
    {kSnmpd, "unknown v3 user", {}, UnknownUser, kUnknownUser, kUnknownUser, kUnknownUser},
    // The same engine with its boots counted up and its clock started again; the Set waits for its
    // answer, the read again does not.
    {kSnmpd, "v3 agent restarted before the Set", {}, SnmpdV3Priv, nullptr, nullptr, nullptr, false, false, Event::RestartBeforeSet},
    {kSnmpd, "v3 agent restarted before reading again", {}, SnmpdV3Priv, nullptr, nullptr, nullptr, false, false,
     Event::RestartBeforeReadAgain},
};

class WindowFaultMatrix : public EditorTest {
protected:
    static void TearDownTestSuite() {
        std::printf("\n%-9s | %-39s | %-38s | %-40s | %s\n", "agent", "fault", "editor window read", "editor window Set",
                    "read again");
        for (const QString &line : table_) std::printf("%s\n", line.toUtf8().constData());
        std::fflush(stdout);
        EditorTest::TearDownTestSuite();
    }
    static QStringList table_;
};

QStringList WindowFaultMatrix::table_;

QString Memo(TSNMPEditorPanel *panel) { return panel->messagePanel()->memo->toPlainText(); }
QString LastLine(TSNMPEditorPanel *panel) { return Memo(panel).split('\n').last(); }

// The status line that follows what the memo held, and how long it took to come.
QString NextLine(TSNMPEditorPanel *panel, const QString &memoBefore, qint64 &ms) {
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(WaitUntil([&] { return Memo(panel) != memoBefore; }));
    ms = clock.elapsed();
    return LastLine(panel);
}

// A status line without the time it was received.
QString Shown(const QString &line, qint64 ms) {
    return QStringLiteral("%1 (%2 s)").arg(line.section(QStringLiteral(". Receive at"), 0, 0)).arg(ms / 1000.0, 0, 'f', 1);
}

TEST_F(WindowFaultMatrix, EveryFaultEndsInTimeWithAMessageAndKeepsWhatWasTyped) {
    const VdSNMPSecurity good = SessionSecurity;
    const quint16 goodPort = SessionDevice.port;
    for (const WindowCell &cell : kCells) {
        AgentRunner agent(cell.agent, cell.simOptions);
        SCOPED_TRACE(std::string(agent.name()) + ": " + cell.fault);
        SessionDevice.port = agent.port();
        const std::string before = "before-" + std::to_string(agent.port());
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
        form.show();
        qint64 readMs = 0;
        const QString read = NextLine(panel, QString(), readMs);

        if (cell.event == Event::KillBeforeSet) agent.Kill();
        if (cell.event == Event::RestartBeforeSet) agent.Restart();
        auto *name = qobject_cast<QLineEdit *>(panel->editsPanel->Row(Name).editor);
        const QString typed = QStringLiteral("typed-in-the-window");
        name->setText(typed);
        QTest::mouseClick(panel->editsPanel->Row(Name).checkBox, Qt::LeftButton, {}, QPoint(5, 5));
        const QString memoBeforeSet = Memo(panel);
        QTest::mouseClick(panel->buttons()->SetCheckedButton, Qt::LeftButton);
        qint64 setMs = 0;
        const QString set = NextLine(panel, memoBeforeSet, setMs);
        AwaitIdle(&form);
        // What was typed stays, in a window that is still open.
        EXPECT_EQ(name->text(), typed);
        EXPECT_TRUE(form.isVisible());

        // The window answers: it reads again.
        const QString memo = Memo(panel);
        if (cell.event == Event::RestartBeforeReadAgain) agent.Restart();
        QTest::mouseClick(panel->buttons()->RefreshButton, Qt::LeftButton);
        qint64 againMs = 0;
        const QString again = NextLine(panel, memo, againMs);
        table_ << QStringLiteral("%1 | %2 | %3 | %4 | %5")
                      .arg(QString::fromLatin1(agent.name()), -9)
                      .arg(QString::fromLatin1(cell.fault), -39)
                      .arg(Shown(read, readMs), -38)
                      .arg(Shown(set, setMs), -40)
                      .arg(Shown(again, againMs));

        EXPECT_LT(readMs, 2 * kRequestMs);
        EXPECT_LT(setMs, 2 * kRequestMs);
        EXPECT_LT(againMs, 2 * kRequestMs);
        EXPECT_TRUE(read.contains(cell.readMessage ? cell.readMessage : "Ok!")) << read.toStdString();
        EXPECT_TRUE(set.contains(cell.setMessage ? cell.setMessage : "Ok!")) << set.toStdString();
        EXPECT_TRUE(again.contains(cell.againMessage ? cell.againMessage : "Ok!")) << again.toStdString();
        EXPECT_EQ(set.contains(QString::fromLatin1(kUnansweredWriteText).trimmed()), cell.unanswered)
            << set.toStdString();
        EXPECT_EQ(MessageBox::shownCount(), 0);
        form.close();
        EXPECT_FALSE(form.isVisible());

        SessionSecurity = good;
        if (!cell.agentMayHaveIt) {
            // A refused Set wrote nothing; one that succeeded wrote what was typed.
            const std::string held = cell.setMessage ? before : typed.toStdString();
            EXPECT_EQ(AgentValue(kSysName, syntax::DisplayString), held);
            if (cell.againMessage == nullptr) {
                EXPECT_EQ(name->text().toStdString(), held) << "read again shows the agent's value";
            }
        }
    }
    SessionDevice.port = goodPort;
}

}  // namespace
