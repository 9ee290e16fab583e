// The SSL and access-control server windows opened through their Security menu items, reading and
// writing the simulator; the default-route window through the registry its menu entry will use.
#include "main_form_fixture.h"

#include "catalogue/model/catalogue_model.h"
#include "catalogue/recipe_context.h"
#include "catalogue/window_registry.h"
#include "support/widget_support.h"
#include "windows/acc_server_ctrl_form.h"
#include "windows/ospf_default_info_originate_form.h"
#include "windows/ssl_management_form.h"
#include "windows/window_list.h"

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

TEST_F(MainFormTest, TheDefaultRouteWindowIsRegisteredForItsEntry) {
    const WindowCreator *create = DedicatedWindows().Find("TOSPFDefaultInfoOriginateForm");
    ASSERT_NE(create, nullptr);
    auto form = StartOnSimulator();
    RecipeContext context;
    context.mainWindow = form.get();
    auto window = (*create)(MenuEntry{}, context);
    auto *route = dynamic_cast<TOSPFDefaultInfoOriginateForm *>(window.get());
    ASSERT_NE(route, nullptr);
    route->show();
    EXPECT_TRUE(WaitUntil([&] { return route->statusPanel->text().startsWith("Get: Ok!"); }))
        << route->statusPanel->text().toStdString();
    EXPECT_EQ(route->CBoxState->currentText().toStdString(), "disabled");
    route->close();
}

}  // namespace
