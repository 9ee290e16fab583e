// The SSL and access-control server windows opened through their Security menu items, reading and
// writing the simulator, and the default-route window through its Layer 3 Management item.
#include "main_form_fixture.h"

#include "support/widget_support.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

TEST_F(MainFormTest, SslControlOpensFromItsMenuItemWithTheDeviceSwitches) {
    auto form = StartOnSimulator();
    QString caption;
    QStringList suites;
    const auto look = WhenModal("SSLManagementForm", [&](QWidget *window) {
        caption = window->windowTitle();
        WaitUntil([&] { return Named<QLabel>(window, "StatusPanel0")->text().startsWith("Get: Ok!"); });
        for (const char *box : {"cbxciphersuites1", "cbxciphersuites2", "cbxciphersuites3", "cbxciphersuites4"})
            suites << Named<QComboBox>(window, box)->currentText();
        window->close();
    });
    MenuItem(*form, {"Security ", "SSL", "SSL Control"})->trigger();
    EXPECT_EQ(caption.toStdString(), "SSL Control Table : 127.0.0.1");
    EXPECT_EQ(suites.join(',').toStdString(), "enabled,disabled,enabled,disabled") << "the agent's A0";
}

TEST_F(MainFormTest, AccServerControlOpensFromItsMenuItemAndAddsARow) {
    auto form = StartOnSimulator();
    QString status;
    const auto add = WhenModal("frmACCServerCtrl", [&](QWidget *window) {
        auto *panel = Named<QLabel>(window, "StatusPanel0");
        WaitUntil([&] { return panel->text().startsWith("Get: Ok!"); });
        Named<QLineEdit>(window, "edtGroupName")->setText("menu");
        Named<QLineEdit>(window, "edtIPAddr")->setText("10.2.2.2");
        Named<QComboBox>(window, "cbAuthProtocol")->setCurrentText("tacacs");
        Named<QComboBox>(window, "cbRowState")->setCurrentText("add");
        Click(window, "Button1");
        status = panel->text();
        window->close();
    });
    MenuItem(*form, {"Security ", "Access Control Information", "AAC  Server Control Table"})->trigger();
    EXPECT_TRUE(status.startsWith("Set: Ok!. Receive at ")) << status.toStdString();
}

TEST_F(MainFormTest, TheDefaultRouteWindowOpensFromItsMenuItem) {
    auto form = StartOnSimulator();
    QString caption;
    QString state;
    const auto look = WhenModal("OSPFDefaultInfoOriginateForm", [&](QWidget *window) {
        caption = window->windowTitle();
        WaitUntil([&] { return Named<QLabel>(window, "StatusPanel0")->text().startsWith("Get: Ok!"); });
        state = Named<QComboBox>(window, "CBoxState")->currentText();
        window->close();
    });
    MenuItem(*form, {"Layer 3 Management", "OSPF Default Information Originate"})->trigger();
    EXPECT_EQ(caption.toStdString(), "OSPF Default Information Originate: 127.0.0.1");
    EXPECT_EQ(state.toStdString(), "disabled");
}

}  // namespace
