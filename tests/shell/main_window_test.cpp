#include "main_form_fixture.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2leds.h"
#include "forms/exchange_scope.h"
#include "shell/front_panel.h"
#include "shell/module_command_line.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {

constexpr LedColour kBlack = 0;
constexpr LedColour kGreen = 0x00FF00;
constexpr LedColour kOrange = 0x4080FF;
const char kRmonState[] = "1.3.6.1.4.1.171.11.69.4.2.1.2.3";

// Position of a LED in the front panel's rows: power, console, redundant power, then ports 1 to 52.
int PortLed(int port) { return 2 + port; }

const VdSNMPRequest2Leds::LedRecord &Led(TMainForm &form, int index) {
    return form.frontPanel()->binding().leds().at(static_cast<std::size_t>(index));
}

bool Painted(TMainForm &form) { return Led(form, 0).colour == kGreen; }

TEST_F(MainFormTest, StartsOnTheSimulatorAndPaintsTheFrontPanel) {
    auto form = StartOnSimulator();
    ASSERT_TRUE(form->isReady());
    EXPECT_EQ(form->windowTitle(), "QSW-7400 : 127.0.0.1");
    EXPECT_EQ(form->settingTexts().port, std::to_string(sim_.port()));
    EXPECT_TRUE(form->localConfiguration());

    ASSERT_TRUE(WaitFor([&] { return Painted(*form); })) << form->statusPanel()->text().toStdString();
    const struct {
        int led;
        LedColour colour;
        bool blinking;
    } expected[] = {
        {1, kGreen, false},             // console byte 2
        {2, kBlack, false},             // redundant power byte 4
        {PortLed(1), kGreen, false},    // speed byte 2
        {PortLed(3), kOrange, false},   // speed byte 1
        {PortLed(5), kGreen, true},     // link byte 0x82
        {PortLed(8), kBlack, false},    // link byte 1, speed byte 2
        {PortLed(49), kGreen, false},   // combo port at speed byte 4
        {PortLed(50), kBlack, false},   // no link
        {PortLed(52), kOrange, false},  // combo port at speed byte 1
    };
    for (const auto &e : expected) {
        EXPECT_EQ(Led(*form, e.led).colour, e.colour) << "LED " << e.led;
        EXPECT_EQ(Led(*form, e.led).blinking, e.blinking) << "LED " << e.led;
    }
    // LEDs sit in their holders: port 5 is the fifth LED of the first port row, 13 pixels apart.
    const VdLedShape *port5 = Led(*form, PortLed(5)).shape;
    EXPECT_EQ(port5->parentWidget()->objectName(), "LedPanel1");
    EXPECT_EQ(port5->geometry(), QRect(52, 1, 6, 6));
    EXPECT_EQ(Led(*form, PortLed(49)).shape->parentWidget()->objectName(), "Combo1Panel");
}

TEST_F(MainFormTest, TheV3ItemsAndSnmpConfigureFollowTheSessionAndTheLayout) {
    auto v1 = Start({"/I127.0.0.1", "/Rpublic", "/Wprivate"}, LocalLayout(), ConditionMenus());
    ASSERT_TRUE(v1->isReady());
    EXPECT_TRUE(v1->localConfiguration());
    const QList<QAction *> v3Items = ItemsWith(*v1, &MenuEntry::v3Only);
    ASSERT_EQ(v3Items.size(), 2);
    for (QAction *item : v3Items) EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    QAction *configure = v1->menuBar()->findChild<QMenu *>("SNMPV31")->actions().first();
    EXPECT_EQ(configure->objectName(), "SNMPConfigure1");
    EXPECT_TRUE(configure->isVisible());
    EXPECT_TRUE(configure->isEnabled()) << "its window is registered";
    v1.reset();

    auto v3 = Start({"/I127.0.0.1", "/v3", "/t" + QString::number(sim_.port()), "/m3", "/l3", "/nmd5des", "/a2",
                     "/p2", "/Amd5despass", "/Pmd5desprivpass"},
                    PlainDirectory(), ConditionMenus());
    ASSERT_TRUE(v3->isReady());
    for (QAction *item : ItemsWith(*v3, &MenuEntry::v3Only))
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    EXPECT_FALSE(ItemsWith(*v3, &MenuEntry::localLayoutOnly).first()->isVisible());
}

TEST_F(MainFormTest, HostNamesAreShownAsTheirAddressOverSnmpV3) {
    auto form = Start({"/Ilocalhost", "/v3", "/t" + QString::number(sim_.port()), "/m3", "/l3", "/nmd5des",
                       "/a2", "/p2", "/Amd5despass", "/Pmd5desprivpass"},
                      PlainDirectory());
    ASSERT_TRUE(form->isReady());
    EXPECT_EQ(form->windowTitle(), "QSW-7400 : 127.0.0.1");
    EXPECT_FALSE(form->localConfiguration());
    // The front panel is read over SNMPv3 with the user's keys.
    EXPECT_TRUE(WaitFor([&] { return Painted(*form); })) << form->statusPanel()->text().toStdString();
    EXPECT_TRUE(WaitFor([&] { return form->rmonStateText()->text() == "enabled"; }));
    // Sibling modules are handed the same settings, pass phrases included, and no communities.
    EXPECT_EQ(BuildModuleCommandLine("/TRmon_Statistics", form->settingTexts()),
              "Rmon /I127.0.0.1 /t" + std::to_string(sim_.port()) +
                  " /v3 /d /m3 /nmd5des /l3 /a2 /p2 /Amd5despass /Pmd5desprivpass /c /TRmon_Statistics");
}

TEST_F(MainFormTest, FailedStartUpsSayWhyAndSendNothing) {
    const struct {
        QStringList parameters;
        const char *message;
    } cases[] = {
        {{}, "No parameter input"},
        {{"/I"}, "Error Host Name!"},
        {{"/I127.0.0.1", "/vone"}, "'one' is not a valid integer value: /v takes 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3)"},
    };
    const std::string before = ReadScalar("1.3.6.1.2.1.11.1", syntax::Counter);  // snmpInPkts
    for (const auto &c : cases) {
        auto form = Start(c.parameters, LocalLayout());
        EXPECT_FALSE(form->isReady()) << c.message;
        EXPECT_EQ(MessageBox::lastText(), c.message);
        EXPECT_EQ(form->frontPanel(), nullptr);
    }
    // Only this test's own two reads reached the agent.
    EXPECT_EQ(std::stoll(ReadScalar("1.3.6.1.2.1.11.1", syntax::Counter)), std::stoll(before) + 1);
}

TEST_F(MainFormTest, UnusableSettingsAreShownInTheStatusBarNamingFileLineAndKey) {
    const QString module = LocalLayout("Version=1\nSecurityLevel=high\n");
    auto form = Start({"/I127.0.0.1", "/Rpublic", "/Wprivate"}, module);
    ASSERT_TRUE(form->isReady());
    const QString expected = QDir(module).filePath("127.0.0.1.cfg") + ":3: SecurityLevel=high is not a number from 0 to 255; 0 is used.";
    EXPECT_TRUE(form->warningPanel()->isVisibleTo(form.get()));
    EXPECT_EQ(form->warningPanel()->toolTip(), expected);
    // The exchanges keep their own status line beside it.
    EXPECT_NE(form->statusPanel()->text(), form->warningPanel()->text());

    auto clean = Start({"/I127.0.0.1", "/Rpublic", "/Wprivate"}, LocalLayout());
    EXPECT_FALSE(clean->warningPanel()->isVisibleTo(clean.get()));
}

TEST_F(MainFormTest, RmonModuleEntriesFollowTheDeviceState) {
    auto form = StartOnSimulator();
    ASSERT_TRUE(form->isReady());
    const QList<QAction *> items = ItemsWith(*form, &MenuEntry::followsRmonState);
    ASSERT_EQ(items.size(), 3);
    for (QAction *item : items) EXPECT_TRUE(item->isEnabled());

    // The entries follow once the device has answered; the window goes on meanwhile.
    const auto following = [&](bool enabled) {
        return WaitFor([&] {
            return std::all_of(items.begin(), items.end(), [&](QAction *item) { return item->isEnabled() == enabled; });
        });
    };
    WriteInteger(kRmonState, "2");
    form->CheckRmonState();
    EXPECT_TRUE(following(false));
    EXPECT_EQ(form->rmonStateText()->text(), "disabled");

    WriteInteger(kRmonState, "3");
    form->CheckRmonState();
    EXPECT_TRUE(following(true));

    // A device that stopped answering leaves the entries as they are and says why.
    WriteInteger(kRmonState, "2");
    sim_.stop();
    form->CheckRmonState();
    EXPECT_TRUE(WaitFor([&] { return form->statusPanel()->text() == "SNMP request timed out!"; }, 20000));
    for (QAction *item : items) EXPECT_TRUE(item->isEnabled());
}

TEST_F(MainFormTest, TheMainWindowGoesWithinTheDeadlineWhileASlowAgentHoldsTheFrontPanel) {
    SimRunner slow({"--delay", QString::number(ExchangeScope::kStopDeadlineMs + 600)});
    auto form = Start({"/I127.0.0.1", "/Rpublic", "/Wprivate"},
                      LocalLayout("Version=1\nAgentPort=" + QByteArray::number(slow.port()) + "\n"));
    ASSERT_TRUE(form->isReady());
    VdSNMPRequest2Leds &leds = form->frontPanel()->binding();
    // The next poll, sent just now, is answered only after the deadline.
    ASSERT_TRUE(WaitFor([&] { return !leds.busy; }));
    ASSERT_TRUE(WaitFor([&] { return leds.busy; }));
    QElapsedTimer clock;
    clock.start();
    form.reset();
    EXPECT_LT(clock.elapsed(), ExchangeScope::kStopDeadlineMs + 500);
    WaitFor([] { return false; }, 1500);  // the late answer finds nothing to paint
}

TEST_F(MainFormTest, TheMainWindowMayGoFromInsideTheFrontPanelsOwnExchange) {
    auto form = StartOnSimulator();
    ASSERT_TRUE(form->isReady());
    form->frontPanel()->binding().getDone = [&](VdSNMPRequest2Controls &, const VdSNMPError &) { form.reset(); };
    ASSERT_TRUE(WaitFor([&] { return form == nullptr; }));
    WaitFor([] { return false; }, 300);
}

TEST_F(MainFormTest, ASilentDeviceTurnsTheLedsBlackAndPollingGoesOn) {
    auto form = StartOnSimulator();
    ASSERT_TRUE(WaitFor([&] { return Painted(*form); }));
    sim_.stop();
    ASSERT_TRUE(WaitFor([&] { return Led(*form, 0).colour == kBlack; }, 15000));
    EXPECT_TRUE(form->statusPanel()->text().contains("timed out")) << form->statusPanel()->text().toStdString();
    EXPECT_TRUE(form->frontPanel()->binding().pollTimer().isActive());
    for (const auto &led : form->frontPanel()->binding().leds()) EXPECT_EQ(led.colour, kBlack);
}

TEST_F(MainFormTest, MessagesComeFromTheCataloguesBesideTheModule) {
    const QString module = LocalLayout();
    QDir().mkpath(module + "/errMSg");
    QFile original(QStringLiteral(QSW_SOURCE_DIR "/catalogues/snmpclass.err"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray texts = original.readAll();
    texts.replace("SNMP request timed out!", "The switch did not answer.");
    QFile replaced(module + "/errMSg/snmpclass.err");
    ASSERT_TRUE(replaced.open(QIODevice::WriteOnly));
    replaced.write(texts);
    replaced.close();

    sim_.stop();
    auto form = Start({"/I127.0.0.1", "/Rpublic", "/Wprivate"}, module);
    ASSERT_TRUE(form->isReady());  // a silent device is no reason not to start
    // The start-up RMON read, once it has timed out.
    EXPECT_TRUE(WaitFor([&] { return form->statusPanel()->text() == "The switch did not answer."; }, 20000))
        << form->statusPanel()->text().toStdString();
    EXPECT_TRUE(form->frontPanel()->binding().pollTimer().isActive());
}

TEST_F(MainFormTest, ClosingAsksFirst) {
    auto form = StartOnSimulator();
    form->show();
    MessageBox::setNextAnswer(QMessageBox::No);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(MessageBox::lastCaption(), "Exit");
    EXPECT_EQ(MessageBox::lastText(), "Are you sure to exit?");
    MessageBox::setNextAnswer(QMessageBox::Yes);
    EXPECT_TRUE(form->close());
}

}  // namespace
