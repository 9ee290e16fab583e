// The spanning-tree window on the simulator: the timer relations checked before anything is sent,
// which writes a Set sends (counted on the agent), and what a refused write leaves behind.
#include "window_fixture.h"

#include "binding/ui/request2edits.h"
#include "engine/descriptor.h"
#include "engine/request.h"
#include "windows/logic/stp_rules.h"
#include "windows/stp_info_form.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <array>

namespace window_test {
namespace {

const std::string kStp = "1.3.6.1.4.1.171.12.15.1.";
// The agent's objects in the order of the full table: version, max age, hello time, forward
// delay, max hops, transmit hold count, BPDU forwarding.
using Settings = std::array<const char *, 7>;
const Settings kShipped = {"1", "2000", "200", "1500", "20", "3", "3"};

std::string Oid(int row) { return kStp + std::to_string(row + 2) + ".0"; }

// In one SET: the agent keeps its timers consistent, so one at a time could be refused half-way.
void PutOnAgent(const Settings &values) {
    VdSNMPRequest request;
    request.list.kind = VdSNMPVarList::SingleInstance;
    for (int row = 0; row < stp::kRowCount; ++row) {
        request.list.AddItem(Oid(row), "value", syntax::Integer, access_bit::ReadWrite);
        request.list.Item(row).value = values[static_cast<std::size_t>(row)];
    }
    request.Write(false);
}

std::string OnAgent(int row) { return AgentValue(Oid(row), syntax::Integer); }

// The window over a main window whose stSTP reads `running`, once its opening read is shown.
RecipeContext WithRunningVersion(QLabel *runningVersion) {
    RecipeContext context = Context();
    context.stpText = runningVersion;
    return context;
}

struct OpenWindow {
    explicit OpenWindow(const char *running)
        : runningVersion(QString::fromLatin1(running)), form(WithRunningVersion(&runningVersion), nullptr) {
        form.show();
        EXPECT_TRUE(WaitUntil([&] { return Panel()->text().startsWith("Get: Ok!"); })) << Status();
    }
    void Choose(const char *version) { TypeChoice(&form, "Combo_STPVersion", QString::fromLatin1(version)); }
    void Type(const char *maxAge, const char *forwardDelay, const char *helloTime, const char *maxHops) {
        Edit("ET_AgingTime")->setText(QString::fromLatin1(maxAge));
        Edit("ET_ForwardDelay")->setText(QString::fromLatin1(forwardDelay));
        Edit("ET_HelloTime")->setText(QString::fromLatin1(helloTime));
        Edit("ET_Priority")->setText(QString::fromLatin1(maxHops));
    }
    void PressSet() { Click(&form, "BT_Set"); }
    QLabel *Panel() const { return Named<QLabel>(&form, "StatusPanel0"); }
    QLineEdit *Edit(const char *name) const { return Named<QLineEdit>(&form, name); }
    QComboBox *Combo(const char *name) const { return Named<QComboBox>(&form, name); }
    QTreeWidget *MstpRows() const { return Named<QTreeWidget>(&form, "ListView1"); }
    std::string Status() const { return Panel()->text().toStdString(); }

    QLabel runningVersion;
    TSTP_Info form;
};

bool EveryRowWritable(const VdSNMPRequest2Edits &binding) {
    for (int i = 0; i < binding.request.list.Count(); ++i)
        if (binding.request.list.Item(i).access != access_bit::ReadWrite) return false;
    return true;
}

class StpWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        PutOnAgent(kShipped);
    }
};

TEST_F(StpWindowTest, OpensWithTheAgentsSettingsAndHelloTimeFollowsTheVersion) {
    OpenWindow rstp("rstp");
    TSTP_Info &form = rstp.form;
    QLineEdit *helloTime = rstp.Edit("ET_HelloTime");
    const QString shown[] = {rstp.Combo("Combo_STPVersion")->currentText(), rstp.Edit("ET_AgingTime")->text(),
                             helloTime->text(),          rstp.Edit("ET_ForwardDelay")->text(),
                             rstp.Edit("ET_Priority")->text(), rstp.Edit("ED_TxHoldCount")->text(),
                             rstp.Combo("Combo_BPDU")->currentText()};
    EXPECT_EQ(QStringList(std::begin(shown), std::end(shown)).join(','), "rstp,2000,200,1500,20,3,enabled");
    EXPECT_TRUE(helloTime->isEnabled());

    helloTime->setText("300");
    rstp.Choose("mstp");
    EXPECT_FALSE(helloTime->isEnabled());
    EXPECT_TRUE(helloTime->text().isEmpty());
    rstp.Choose("rstp");
    EXPECT_TRUE(helloTime->isEnabled());
    EXPECT_EQ(helloTime->text().toStdString(), "200");
    SaveScreen(&form, QStringLiteral("stp_info"));

    AgentWrite(Oid(stp::kVersion), syntax::Integer, "2");
    OpenWindow mstp("mstp");
    EXPECT_FALSE(mstp.Edit("ET_HelloTime")->isEnabled());
    EXPECT_TRUE(mstp.Edit("ET_HelloTime")->text().isEmpty());
    ASSERT_EQ(mstp.MstpRows()->topLevelItemCount(), 1);
    EXPECT_EQ(mstp.MstpRows()->topLevelItem(0)->text(1).toStdString(), "2000");
    SaveScreen(&mstp.form, QStringLiteral("stp_info_mstp"));
}

TEST_F(StpWindowTest, TimerRelationsAreCheckedBeforeAnythingIsSent) {
    struct Case {
        const char *version;
        const char *maxAge, *forwardDelay, *helloTime, *maxHops;
        const char *refusal;  // nullptr: the write goes
    };
    const Case cases[] = {
        {"rstp", "2000", "1500", "200", "20", nullptr},  // 2000 <= 2800 and 2000 >= 600
        {"rstp", "2000", "1000", "200", "20", "Data Error !"},  // 2000 > 1800
        {"rstp", "1800", "1000", "200", "20", nullptr},  // the bound itself
        {"rstp", "600", "1500", "300", "20", "Data Error !"},  // 600 < 800
        {"mstp", "600", "1500", "300", "20", nullptr},  // no hello check for mstp
        {"stp", "2000", "1500", "", "20", "Don't Leave Empty Fileds !"},
        {"rstp", "2000", "", "200", "20", "Don't Leave Empty Fileds !"},
        {"rstp", "2000", "1500", "200", "", "Don't Leave Empty Fileds !"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.version) + " " + c.maxAge + "/" + c.forwardDelay + "/" + c.helloTime);
        PutOnAgent(kShipped);
        OpenWindow window("rstp");
        window.Choose(c.version);
        window.Type(c.maxAge, c.forwardDelay, c.helloTime, c.maxHops);
        const unsigned sets = AgentSetCount();
        window.PressSet();
        if (c.refusal != nullptr) {
            EXPECT_EQ(window.Status(), c.refusal);
            EXPECT_EQ(AgentSetCount(), sets);
            EXPECT_EQ(window.runningVersion.text().toStdString(), "rstp");
        } else {
            EXPECT_TRUE(window.Panel()->text().startsWith("Set: Ok!")) << window.Status();
            EXPECT_EQ(OnAgent(stp::kMaxAge), c.maxAge);
            EXPECT_EQ(window.runningVersion.text().toStdString(), c.version);
        }
    }
}

TEST_F(StpWindowTest, StpToRstpWritesTheVersionAndThenTheOtherSettings) {
    AgentWrite(Oid(stp::kVersion), syntax::Integer, "0");
    OpenWindow window("stp");
    window.Choose("rstp");
    window.Type("1800", "1200", "150", "12");
    const unsigned sets = AgentSetCount();
    window.PressSet();
    EXPECT_EQ(AgentSetCount(), sets + 2);
    EXPECT_EQ(OnAgent(stp::kVersion), "1");
    EXPECT_EQ(OnAgent(stp::kMaxAge), "1800");
    EXPECT_EQ(OnAgent(stp::kHelloTime), "150");
    EXPECT_EQ(OnAgent(stp::kMaxHops), "12");
    EXPECT_EQ(window.runningVersion.text().toStdString(), "rstp");
    EXPECT_TRUE(EveryRowWritable(*window.form.fullBinding()));
}

TEST_F(StpWindowTest, AnUnchangedVersionIsNotWritten) {
    OpenWindow window("rstp");
    AgentWrite(Oid(stp::kVersion), syntax::Integer, "0");  // changed behind the window's back
    window.Type("1800", "1500", "200", "20");
    const unsigned sets = AgentSetCount();
    window.PressSet();
    EXPECT_EQ(AgentSetCount(), sets + 1);
    EXPECT_EQ(OnAgent(stp::kVersion), "0");
    EXPECT_EQ(OnAgent(stp::kMaxAge), "1800");
}

TEST_F(StpWindowTest, AnMstpSetWithoutARowWritesWhatTheControlsShow) {
    AgentWrite(Oid(stp::kVersion), syntax::Integer, "2");
    OpenWindow window("mstp");
    window.MstpRows()->clear();  // as after a failed read
    window.Type("1600", "1400", "", "7");
    window.Edit("ED_TxHoldCount")->setText("5");
    window.Combo("Combo_BPDU")->setCurrentText("disabled");
    window.PressSet();
    EXPECT_TRUE(window.Panel()->text().startsWith("Set: Ok!")) << window.Status();
    const std::array<std::string, 5> written = {OnAgent(stp::kMaxAge), OnAgent(stp::kForwardDelay),
                                                OnAgent(stp::kMaxHops), OnAgent(stp::kTxHoldCount),
                                                OnAgent(stp::kForwardBpdu)};
    EXPECT_EQ(written, (std::array<std::string, 5>{"1600", "1400", "7", "5", "2"}));
    EXPECT_EQ(OnAgent(stp::kVersion), "2");
}

// A bridge without MSTP, whose transmit hold count goes to 5 only.
class StpOnAnOlderBridgeTest : public StpWindowTest {
protected:
    static void SetUpTestSuite() {
        static QTemporaryDir directory;
        const QString profile = directory.filePath(QStringLiteral("older-bridge.profile"));
        QFile file(profile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("object 1.3.6.1.4.1.171.12.15.1.2.0 stpVersion Integer rw range=0,1 value=1\n"
                   "object 1.3.6.1.4.1.171.12.15.1.7.0 stpTxHoldCount Integer rw range=1..5 value=3\n");
        file.close();
        Start({QStringLiteral("--profile"), profile});
    }
};

TEST_F(StpOnAnOlderBridgeTest, ARefusedVersionLeavesTheRunningVersionAndEveryRowWritable) {
    AgentWrite(Oid(stp::kVersion), syntax::Integer, "0");
    OpenWindow window("stp");
    window.Choose("mstp");
    window.PressSet();
    EXPECT_NE(window.Status().find("Wrong Value"), std::string::npos) << window.Status();
    EXPECT_EQ(window.runningVersion.text().toStdString(), "stp");
    EXPECT_EQ(OnAgent(stp::kVersion), "0");
    EXPECT_TRUE(EveryRowWritable(*window.form.mstpBinding()));
    EXPECT_TRUE(EveryRowWritable(*window.form.fullBinding()));
}

TEST_F(StpOnAnOlderBridgeTest, TheVersionGoesAloneAndFirst) {
    AgentWrite(Oid(stp::kVersion), syntax::Integer, "0");
    OpenWindow window("stp");
    window.Choose("rstp");
    window.Type("1800", "1500", "200", "20");
    window.Edit("ED_TxHoldCount")->setText("8");  // beyond this bridge's range: the second write fails
    const unsigned sets = AgentSetCount();
    window.PressSet();
    EXPECT_EQ(AgentSetCount(), sets + 2);
    EXPECT_NE(window.Status().find("Wrong Value"), std::string::npos) << window.Status();
    EXPECT_EQ(OnAgent(stp::kVersion), "1");
    EXPECT_EQ(OnAgent(stp::kMaxAge), "2000");
    EXPECT_EQ(window.runningVersion.text().toStdString(), "rstp") << "the device runs the new version";
    EXPECT_TRUE(EveryRowWritable(*window.form.fullBinding()));
}

}  // namespace
}  // namespace window_test
