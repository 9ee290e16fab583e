// The SSL and access-control server windows opened through their Security menu items, reading and
// writing the simulator, and the default-route window through its Layer 3 Management item.
#include "main_form_fixture.h"

#include "support/widget_support.h"
#include "windows/acc_server_ctrl_form.h"
#include "windows/ospf_default_info_originate_form.h"
#include "windows/ssl_management_form.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

TEST_F(MainFormTest, SslControlOpensFromItsMenuItemWithTheDeviceSwitches) {
    auto form = StartOnSimulator();
    QString caption;
    QStringList suites;
    const auto look = WhenModal("SSLManagementForm", [&](QWidget *w) {
        auto *window = static_cast<TSSLManagementForm *>(w);
        caption = window->windowTitle();
        WaitUntil([&] { return window->statusPanel->text().startsWith("Get: Ok!"); });
        for (QComboBox *box : {window->cbxciphersuites1, window->cbxciphersuites2, window->cbxciphersuites3,
                               window->cbxciphersuites4})
            suites << box->currentText();
        window->close();
    });
    MenuItem(*form, {"Security ", "SSL", "SSL Control"})->trigger();
    EXPECT_EQ(caption.toStdString(), "SSL Control Table : 127.0.0.1");
    EXPECT_EQ(suites.join(',').toStdString(), "enabled,disabled,enabled,disabled") << "the agent's A0";
}

TEST_F(MainFormTest, AccServerControlOpensFromItsMenuItemAndAddsARow) {
    auto form = StartOnSimulator();
    QString status;
    const auto add = WhenModal("frmACCServerCtrl", [&](QWidget *w) {
        auto *window = static_cast<TfrmACCServerCtrl *>(w);
        WaitUntil([&] { return window->statusPanel->text().startsWith("Get: Ok!"); });
        window->edtGroupName->setText("menu");
        window->edtIPAddr->setText("10.2.2.2");
        window->cbAuthProtocol->setCurrentText("tacacs");
        window->cbRowState->setCurrentText("add");
        window->Button1Click();
        status = window->statusPanel->text();
        window->close();
    });
    MenuItem(*form, {"Security ", "Access Control Information", "AAC  Server Control Table"})->trigger();
    EXPECT_TRUE(status.startsWith("Set: Ok!. Receive at ")) << status.toStdString();
}

TEST_F(MainFormTest, TheDefaultRouteWindowOpensFromItsMenuItem) {
    auto form = StartOnSimulator();
    QString caption;
    QString state;
    const auto look = WhenModal("OSPFDefaultInfoOriginateForm", [&](QWidget *w) {
        auto *window = static_cast<TOSPFDefaultInfoOriginateForm *>(w);
        caption = window->windowTitle();
        WaitUntil([&] { return window->statusPanel->text().startsWith("Get: Ok!"); });
        state = window->CBoxState->currentText();
        window->close();
    });
    MenuItem(*form, {"Layer 3 Management", "OSPF Default Information Originate"})->trigger();
    EXPECT_EQ(caption.toStdString(), "OSPF Default Information Originate: 127.0.0.1");
    EXPECT_EQ(state.toStdString(), "disabled");
}

}  // namespace
