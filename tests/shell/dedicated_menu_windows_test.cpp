// The spanning-tree and SNMP configuration windows opened through their menu items.
#include "main_form_fixture.h"

#include "binding/ui/message_box.h"
#include "support/widget_support.h"
#include "windows/config_snmp_form.h"
#include "windows/logic/snmp_configuration.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs then once the status line starts with `awaited`, from a timer of the window's: a wait inside
// the modal watcher could run nested in the window's own opening read and never see it end.
void WhenStatus(QWidget *window, QLabel *status, const char *awaited, std::function<void()> then) {
    auto *poll = new QTimer(window);
    QObject::connect(poll, &QTimer::timeout, window, [=] {
        if (!status->text().startsWith(QLatin1String(awaited))) return;
        poll->stop();
        then();
    });
    poll->start(10);
}

const std::string kStpVersion = "1.3.6.1.4.1.171.12.15.1.2";

TEST_F(MainFormTest, StpControlOpensReadingAndReadsTheRunningVersionBeforeItsSettings) {
    auto form = StartOnSimulator();
    WriteInteger(kStpVersion, "2");
    QString statusWhenOpened, runningWhenRead, caption, helloTime, maxAge;
    bool helloEnabled = true;
    const auto look = WhenModal("STP_Info", [&](QWidget *window) {
        statusWhenOpened = Named<QLabel>(window, "StatusPanel0")->text();
        caption = window->windowTitle();
        WhenStatus(window, Named<QLabel>(window, "StatusPanel0"), "Get: Ok!", [&, window] {
            runningWhenRead = form->stpText()->text();
            helloTime = Named<QLineEdit>(window, "ET_HelloTime")->text();
            helloEnabled = Named<QLineEdit>(window, "ET_HelloTime")->isEnabled();
            maxAge = Named<QLineEdit>(window, "ET_AgingTime")->text();
            window->close();
        });
    });
    MenuItem(*form, {"Bridge", "Spanning Tree", "STP Control "})->trigger();
    EXPECT_EQ(statusWhenOpened.toStdString(), "Reading...") << "the menu click is not held by the reads";
    EXPECT_EQ(runningWhenRead.toStdString(), "mstp");
    EXPECT_EQ(caption.toStdString(), "Spanning Tree Control : 127.0.0.1");
    EXPECT_TRUE(helloTime.isEmpty());
    EXPECT_FALSE(helloEnabled);
    EXPECT_EQ(maxAge.toStdString(), "2000");
}

const QStringList kHostStart = {"/I127.0.0.1", "/Rpublic", "/Wprivate"};

class SnmpConfigureTest : public MainFormTest {
protected:
    // Opens "SNMP Configure" on the form, lets `choose` fill the window, and presses OK.
    static void ConfigureThroughTheMenu(TMainForm &form, const std::function<void(TfrmConfigSNMP &)> &choose) {
        const auto configure = WhenModal("frmConfigSNMP", [&](QWidget *w) {
            auto *window = static_cast<TfrmConfigSNMP *>(w);
            choose(*window);
            Click(window, "btnOk");
            if (window->isVisible()) window->close();
        });
        QAction *item = MenuItem(form, {"SNMP V3", "SNMP Configure"});
        ASSERT_TRUE(item->isEnabled());
        item->trigger();
    }
};

void ChooseVersion(TfrmConfigSNMP &window, int button) {
    Named<QGroupBox>(&window, "rgpSNMPVersion")->findChildren<QRadioButton *>().at(button)->click();
}

TEST_F(SnmpConfigureTest, AFileWrittenBySnmpConfigureIsWhatTheNextStartTalksWith) {
    struct Case {
        const char *name;
        std::function<void(TfrmConfigSNMP &)> choose;
        const char *version;
    };
    const Case cases[] = {
        {"v1", [](TfrmConfigSNMP &w) { ChooseVersion(w, 0); }, "0"},
        {"v3", [](TfrmConfigSNMP &w) {
             ChooseVersion(w, 2);
             Named<QComboBox>(&w, "cbxSecurityName")->setCurrentText("md5des");
             Named<QComboBox>(&w, "cbxSecurityLevel")->setCurrentText("AuthPriv");
             Named<QComboBox>(&w, "cbxAuthProtocol")->setCurrentText("HMACMD5");
             Named<QComboBox>(&w, "cbxPrivProtocol")->setCurrentText("CBC_DES");
             Named<QLineEdit>(&w, "edtAuthPass")->setText("md5despass");
             Named<QLineEdit>(&w, "edtPrivPass")->setText("md5desprivpass");
         },
         "3"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MessageBox::reset();
        const QString module = LocalLayout();
        {
            auto form = Start(kHostStart, module);
            ASSERT_TRUE(form->isReady());
            MessageBox::setNextAnswer(QMessageBox::Yes);  // replace the file, which says otherwise
            MessageBox::setNextAnswer(QMessageBox::No);
            ConfigureThroughTheMenu(*form, [&](TfrmConfigSNMP &w) {
                c.choose(w);
                Named<QLineEdit>(&w, "edtPort")->setText(QString::number(sim_.port()));
            });
            EXPECT_EQ(MessageBox::lastText().toStdString(), snmp_configuration::kRestartQuestion);
            EXPECT_EQ(MessageBox::shownCount(), 2) << "No asks nothing more";
        }
        auto restarted = Start(kHostStart, module);
        ASSERT_TRUE(restarted->isReady());
        EXPECT_EQ(restarted->settingTexts().version, c.version);
        EXPECT_EQ(restarted->settingTexts().port, std::to_string(sim_.port()));
        EXPECT_TRUE(WaitFor([&] { return restarted->rmonStateText()->text() == "enabled"; }))
            << restarted->statusPanel()->text().toStdString();
    }
}

TEST_F(SnmpConfigureTest, YesToTheRestartQuestionClosesTheModuleAfterItsExitConfirmation) {
    auto form = Start(kHostStart, LocalLayout());
    form->show();
    for (int k = 0; k < 3; ++k) MessageBox::setNextAnswer(QMessageBox::Yes);
    // v1 where the module runs v2c, replacing the file
    ConfigureThroughTheMenu(*form, [](TfrmConfigSNMP &w) { ChooseVersion(w, 0); });
    EXPECT_EQ(MessageBox::shownCount(), 3);
    EXPECT_EQ(MessageBox::lastText().toStdString(), "Are you sure to exit?");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SnmpConfigureTest, AnUnchangedVersionAsksNothingAndExitWritesNothing) {
    const QString module = LocalLayout("Version=0\n");
    auto form = Start(kHostStart, module);
    form->show();
    MessageBox::setNextAnswer(QMessageBox::Yes);
    ConfigureThroughTheMenu(*form, [](TfrmConfigSNMP &) {});
    // Only the file, which holds less than the window writes, is asked about.
    EXPECT_EQ(MessageBox::shownCount(), 1) << MessageBox::lastText().toStdString();
    EXPECT_TRUE(form->isVisible());

    QFile::remove(module + "/127.0.0.1.cfg");
    MessageBox::reset();
    const auto leave = WhenModal("frmConfigSNMP", [](QWidget *w) { Click(w, "btnExit"); });
    MenuItem(*form, {"SNMP V3", "SNMP Configure"})->trigger();
    EXPECT_FALSE(QFile::exists(module + "/127.0.0.1.cfg"));
    EXPECT_EQ(MessageBox::shownCount(), 0);
}

TEST_F(SnmpConfigureTest, AFileAskingForIdeaPrivacyStopsTheStart) {
    const QByteArray v3 = "Version=3\nSecurityModel=3\nSecurityName=md5des\nAuthProtocol=1\nPrivProtocol=2\n"
                          "AuthPassword=md5despass\nPrivPassword=md5desprivpass\n";
    auto refused = Start(kHostStart, LocalLayout(v3 + "SecurityLevel=2\n"));
    EXPECT_FALSE(refused->isReady());
    EXPECT_EQ(MessageBox::lastText().toStdString(), "Unsupported PrivProtocol!");
    refused.reset();
    MessageBox::reset();
    // Without privacy the protocol is never used.
    auto started = Start(kHostStart, LocalLayout(v3 + "SecurityLevel=1\n"));
    EXPECT_TRUE(started->isReady());
    EXPECT_TRUE(WaitFor([&] { return started->rmonStateText()->text() == "enabled"; }))
        << started->statusPanel()->text().toStdString();
}

}  // namespace
