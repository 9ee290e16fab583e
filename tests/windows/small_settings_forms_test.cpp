// The SSL, default-route origination and access-control server windows on the simulator: what a
// write carries is checked on the agent, refused writes send nothing, and a window closed during
// its read is left alone.
#include "window_fixture.h"

#include "binding/ui/message_box.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "windows/acc_server_ctrl_form.h"
#include "windows/logic/default_route_origination.h"
#include "windows/ospf_default_info_originate_form.h"
#include "windows/ssl_management_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <array>
#include <functional>

namespace window_test {
namespace {

const std::string kCipherSuites = "1.3.6.1.4.1.171.12.7.1.2.0";
const std::string kRoute = "1.3.6.1.4.1.171.11.69.4.3.12.";
const std::string kServerRowState = "1.3.6.1.4.1.171.12.5.12.1.4.";

QLabel *Panel(const QWidget &form) { return Named<QLabel>(&form, "StatusPanel0"); }

// The status panel's text once the exchange the action starts has shown one.
QString Exchange(QLabel *panel, const std::function<void()> &action, const char *awaited) {
    panel->clear();
    action();
    EXPECT_TRUE(WaitUntil([&] { return panel->text().startsWith(QLatin1String(awaited)); }))
        << "waiting for " << awaited << ", status: " << panel->text().toStdString();
    return panel->text();
}

void AwaitFirstRead(QLabel *panel) {
    ASSERT_TRUE(WaitUntil([&] { return !panel->text().isEmpty(); }));
    ASSERT_TRUE(panel->text().startsWith("Get: Ok!")) << panel->text().toStdString();
}

std::string RouteValue(int row) { return AgentValue(kRoute + std::to_string(row + 1) + ".0", syntax::Integer); }

void SetRoute(const std::array<const char *, 4> &values) {
    for (int row = 0; row < 4; ++row)
        AgentWrite(kRoute + std::to_string(row + 1) + ".0", syntax::Integer, values[static_cast<std::size_t>(row)]);
}

class SslWindowTest : public WindowTest {};

TEST_F(SslWindowTest, EverySwitchCombinationIsWrittenAsItsDigitAndReadBack) {
    AgentWrite(kCipherSuites, syntax::OctetString, "05");  // a low digit the switches do not cover
    TSSLManagementForm form(Context(), nullptr);
    form.show();
    AwaitFirstRead(Panel(form));
    QComboBox *suites[] = {Named<QComboBox>(&form, "cbxciphersuites1"), Named<QComboBox>(&form, "cbxciphersuites2"), Named<QComboBox>(&form, "cbxciphersuites3"),
                           Named<QComboBox>(&form, "cbxciphersuites4")};
    struct Case {
        std::array<bool, 4> enabled;
        const char *written;
    };
    const Case cases[] = {
        {{false, false, false, false}, "05"}, {{false, false, false, true}, "15"},
        {{false, false, true, false}, "25"},  {{false, false, true, true}, "35"},
        {{false, true, false, false}, "45"},  {{false, true, false, true}, "55"},
        {{false, true, true, false}, "65"},   {{false, true, true, true}, "75"},
        {{true, false, false, false}, "85"},  {{true, false, false, true}, "95"},
        {{true, false, true, false}, "A5"},   {{true, false, true, true}, "B5"},
        {{true, true, false, false}, "C5"},   {{true, true, false, true}, "D5"},
        {{true, true, true, false}, "E5"},    {{true, true, true, true}, "F5"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.written);
        for (int i = 0; i < 4; ++i) suites[i]->setCurrentIndex(c.enabled[static_cast<std::size_t>(i)] ? 1 : 0);
        Exchange(Panel(form), [&] { Click(&form, "btnSet"); }, "Set: Ok!");
        EXPECT_EQ(AgentValue(kCipherSuites, syntax::OctetString), c.written);

        for (int i = 0; i < 4; ++i) suites[i]->setCurrentIndex(c.enabled[static_cast<std::size_t>(i)] ? 0 : 1);
        Exchange(Panel(form), [&] { Click(&form, "btnGet"); }, "Get: Ok!");
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(suites[i]->currentText(), c.enabled[static_cast<std::size_t>(i)] ? "enabled" : "disabled")
                << "suite " << i + 1;
    }
    Named<QComboBox>(&form, "cbxciphersuites1")->setCurrentIndex(1);
    Named<QComboBox>(&form, "cbxciphersuites3")->setCurrentIndex(1);
    SaveScreen(&form, QStringLiteral("ssl_control"));
}

TEST_F(SslWindowTest, AnEmptyItemBlocksTheWrite) {
    TSSLManagementForm form(Context(), nullptr);
    form.show();
    AwaitFirstRead(Panel(form));
    Named<QComboBox>(&form, "cbxciphersuites2")->setCurrentIndex(-1);
    const unsigned sets = AgentSetCount();
    Click(&form, "btnSet");
    EXPECT_EQ(MessageBox::lastText().toStdString(), "Some items are empty.");
    EXPECT_EQ(AgentSetCount(), sets);
}

class DefaultRouteWindowTest : public WindowTest {};

TEST_F(DefaultRouteWindowTest, AWriteCarriesExactlyTheTickedVariables) {
    struct Case {
        std::array<bool, 4> ticked;
        std::array<const char *, 4> onAgent;  // after the write of enabled, enabled, type1, 77
    };
    const Case cases[] = {
        {{false, true, false, false}, {"2", "1", "2", "1"}},
        {{true, false, true, true}, {"1", "2", "1", "77"}},
        {{true, true, true, true}, {"1", "1", "1", "77"}},
    };
    for (const Case &c : cases) {
        SetRoute({"2", "2", "2", "1"});
        TOSPFDefaultInfoOriginateForm form(Context(), nullptr);
        form.show();
        AwaitFirstRead(Panel(form));
        Named<QComboBox>(&form, "CBoxState")->setCurrentText("enabled");
        Named<QComboBox>(&form, "CBoxAlways")->setCurrentText("enabled");
        Named<QComboBox>(&form, "CBoxMettype")->setCurrentText("type1");
        Named<QLineEdit>(&form, "MetricEdit")->setText("77");
        QCheckBox *marks[] = {Named<QCheckBox>(&form, "CheckBox1"), Named<QCheckBox>(&form, "CheckBox2"), Named<QCheckBox>(&form, "CheckBox3"), Named<QCheckBox>(&form, "CheckBox4")};
        for (int i = 0; i < 4; ++i) marks[i]->setChecked(c.ticked[static_cast<std::size_t>(i)]);
        const unsigned sets = AgentSetCount();

        // The read-back follows the write: the panel ends with the read's line.
        Exchange(Panel(form), [&] { Click(&form, "SetButton"); }, "Get: Ok!");
        EXPECT_EQ(AgentSetCount(), sets + 1) << "one SET";
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(RouteValue(row), c.onAgent[static_cast<std::size_t>(row)]) << "row " << row;
        EXPECT_EQ(Named<QComboBox>(&form, "CBoxMettype")->currentText(), c.onAgent[2] == std::string("1") ? "type1" : "type2");
        EXPECT_EQ(Named<QLineEdit>(&form, "MetricEdit")->text().toStdString(), c.onAgent[3]);
        for (QCheckBox *mark : marks) EXPECT_FALSE(mark->isChecked()) << "marks unticked after the refresh";
    }
}

TEST_F(DefaultRouteWindowTest, WritesThatCarryNothingOrAnEmptyMetricSendNothing) {
    SetRoute({"1", "2", "2", "1"});
    TOSPFDefaultInfoOriginateForm form(Context(), nullptr);
    form.show();
    AwaitFirstRead(Panel(form));
    const QString status = Panel(form)->text();
    const unsigned sets = AgentSetCount();

    Click(&form, "SetButton");
    EXPECT_EQ(MessageBox::lastText().toStdString(), default_route::kNothingChosenMessage);

    Named<QCheckBox>(&form, "CheckBox4")->setChecked(true);
    Named<QLineEdit>(&form, "MetricEdit")->clear();
    Click(&form, "SetButton");
    EXPECT_EQ(MessageBox::lastText().toStdString(), "you have choosed the Metric,it can't be empty");

    QTest::qWait(200);
    EXPECT_EQ(AgentSetCount(), sets);
    EXPECT_EQ(Panel(form)->text(), status) << "no Set: Ok! for a write that sent nothing";
    EXPECT_EQ(RouteValue(default_route::kMetric), "1");

    // An empty metric that is not ticked goes unsent and blocks nothing.
    Named<QCheckBox>(&form, "CheckBox4")->setChecked(false);
    Named<QCheckBox>(&form, "CheckBox2")->setChecked(true);
    Named<QComboBox>(&form, "CBoxAlways")->setCurrentText("enabled");
    Exchange(Panel(form), [&] { Click(&form, "SetButton"); }, "Get: Ok!");
    EXPECT_EQ(RouteValue(default_route::kAlways), "1");
    EXPECT_EQ(RouteValue(default_route::kMetric), "1");
}

TEST_F(DefaultRouteWindowTest, ChoosingDisabledLocksTheOtherSettings) {
    SetRoute({"2", "2", "2", "1"});
    TOSPFDefaultInfoOriginateForm form(Context(), nullptr);
    form.show();
    AwaitFirstRead(Panel(form));
    QWidget *dependents[] = {Named<QCheckBox>(&form, "CheckBox2"), Named<QCheckBox>(&form, "CheckBox3"), Named<QCheckBox>(&form, "CheckBox4"),
                             Named<QComboBox>(&form, "CBoxAlways"), Named<QComboBox>(&form, "CBoxMettype"), Named<QLineEdit>(&form, "MetricEdit")};
    for (QWidget *w : dependents) EXPECT_TRUE(w->isEnabled()) << "a read locks nothing";

    for (const char *state : {"disabled", "enabled"}) {
        SCOPED_TRACE(state);
        TypeChoice(&form, "CBoxState", QString::fromLatin1(state));
        const bool locked = std::string(state) == "disabled";
        for (QWidget *w : dependents) EXPECT_EQ(w->isEnabled(), !locked) << w->objectName().toStdString();
        EXPECT_TRUE(Named<QCheckBox>(&form, "CheckBox1")->isEnabled());
        EXPECT_TRUE(Named<QPushButton>(&form, "SetButton")->isEnabled());
        if (locked) SaveScreen(&form, QStringLiteral("ospf_default_originate_disabled"));
    }
    SaveScreen(&form, QStringLiteral("ospf_default_originate"));
}

class AccServerWindowTest : public WindowTest {};

std::string ServerRowState(const std::string &index) {
    try {
        return AgentValue(kServerRowState + index, syntax::Integer);
    } catch (const CodedError &e) {
        return "error: " + e.message();
    }
}

TEST_F(AccServerWindowTest, ARowIsCreatedAndDeletedOnTheAgent) {
    TfrmACCServerCtrl form(Context(), nullptr);
    form.show();
    AwaitFirstRead(Panel(form));
    for (QLineEdit *edit : {Named<QLineEdit>(&form, "edtGroupName"), Named<QLineEdit>(&form, "edtIPAddr")}) EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_TRUE(Named<QComboBox>(&form, "cbRowState")->currentText().isEmpty()) << "the window opens blank";

    const std::string index = "4.108.97.98.50.10.1.1.9.3";  // "lab2", 10.1.1.9, tacacs-plus
    ASSERT_NE(ServerRowState(index), "1");
    for (const char *state : {"add", "delete"}) {
        SCOPED_TRACE(state);
        Named<QLineEdit>(&form, "edtGroupName")->setText("lab2");
        Named<QLineEdit>(&form, "edtIPAddr")->setText("10.1.1.9");
        Named<QComboBox>(&form, "cbAuthProtocol")->setCurrentText("tacacs-plus");
        Named<QComboBox>(&form, "cbRowState")->setCurrentText(QString::fromLatin1(state));
        Click(&form, "Button1");
        EXPECT_TRUE(Panel(form)->text().startsWith("Set: Ok!. Receive at ")) << Panel(form)->text().toStdString();
        if (std::string(state) == "add") {
            EXPECT_EQ(ServerRowState(index), "1");
            SaveScreen(&form, QStringLiteral("acc_server_control"));
        } else {
            EXPECT_NE(ServerRowState(index), "1") << "the row is gone";
        }
    }
    EXPECT_EQ(MessageBox::shownCount(), 0);
}

TEST_F(AccServerWindowTest, AnEmptyFieldSendsNothing) {
    TfrmACCServerCtrl form(Context(), nullptr);
    form.show();
    AwaitFirstRead(Panel(form));
    Named<QLineEdit>(&form, "edtGroupName")->setText("lab3");
    Named<QLineEdit>(&form, "edtIPAddr")->setText("10.1.1.10");
    Named<QComboBox>(&form, "cbAuthProtocol")->setCurrentText("radius");
    const unsigned sets = AgentSetCount();
    Click(&form, "Button1");
    EXPECT_EQ(Panel(form)->text().toStdString(), "Don't Leave Empty Fileds !");
    EXPECT_EQ(AgentSetCount(), sets);
    EXPECT_EQ(Named<QLineEdit>(&form, "edtGroupName")->text(), "lab3") << "typed values stay";
}

// An agent that answers late keeps exchanges in flight.
class SlowSettingsTest : public WindowTest {
protected:
    static void SetUpTestSuite() { Start({"--delay", "400"}); }
};

TEST_F(SlowSettingsTest, ClosingDuringTheOpeningReadTouchesNothing) {
    for (int i = 0; i < 2; ++i) {
        std::unique_ptr<QDialog> form;
        if (i == 0) form = std::make_unique<TSSLManagementForm>(Context(), nullptr);
        else form = std::make_unique<TOSPFDefaultInfoOriginateForm>(Context(), nullptr);
        form->show();
        form->close();
        form.reset();
    }
    QTest::qWait(1000);  // the late answers arrive here; the sanitizers watch what they touch
    TSSLManagementForm again(Context(), nullptr);
    again.show();
    AwaitFirstRead(Panel(again));
}

TEST_F(SlowSettingsTest, TheDefaultRouteIsReadBackOnlyAfterTheWriteCompleted) {
    SetRoute({"1", "2", "2", "1"});
    TOSPFDefaultInfoOriginateForm form(Context(), nullptr);
    form.show();
    AwaitFirstRead(Panel(form));
    Named<QLineEdit>(&form, "MetricEdit")->setText("500");
    Named<QCheckBox>(&form, "CheckBox4")->setChecked(true);
    Exchange(Panel(form), [&] { Click(&form, "SetButton"); }, "Get: Ok!");
    EXPECT_EQ(Named<QLineEdit>(&form, "MetricEdit")->text().toStdString(), "500") << "the read shows the value written";
    EXPECT_EQ(RouteValue(default_route::kMetric), "500");
    EXPECT_EQ(MessageBox::shownCount(), 0) << "no refresh refused as busy";
}

}  // namespace
}  // namespace window_test
