// Communities, keys and pass phrases are masked in the table lists and their row dialogs until the
// user shows them; a write to a row holding the module's own community asks first (default No).
#include "catalogue_fixture.h"

#include "binding/ui/message_box.h"
#include "catalogue/entry_recipe.h"
#include "editor/config_form.h"
#include "editor/edits_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "engine/descriptor.h"
#include "engine/request.h"
#include "engine/session.h"
#include "support/list_view_rows.h"
#include "support/widget_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

const QString kMask(8, QChar(0x2022));

class SecretColumns : public ::testing::Test, protected CatalogueSuite {
protected:
    static void SetUpTestSuite() { StartSimulator(); }
    static void TearDownTestSuite() { StopSimulator(); }
    void SetUp() override { MessageBox::reset(); }

    void Open() {
        const MenuEntry *entry = MenuCatalogue::Instance().Find({"SNMP V3", "Community", "Community String Table"});
        ASSERT_NE(entry, nullptr);
        form = BuildEntryWindow(*entry, LocalContext());
        form->show();
        list = form->findChild<QTreeView *>("listView");
        ASSERT_TRUE(WaitUntil([&] { return ListRowCount(list) == 2; }));
        // The rows' community names are in the column captioned so.
        nameColumn = ListColumn(list, "Community Name");
        ASSERT_GE(nameColumn, 0);
    }

    int Row(const QString &index) const { return ListRowOf(list, index); }
    QString Name(const QString &index) const { return ListCell(list, Row(index), nameColumn); }

    // Ticks "Show Secrets" in the list's context menu, as a user does.
    void ToggleShowSecretsFromTheListMenu() {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            poll.stop();
            auto *action = menu->findChild<QAction *>("showSecretsAction");
            ASSERT_NE(action, nullptr);
            action->trigger();
            menu->close();
        });
        poll.start(10);
        emit list->customContextMenuRequested(ListRowRect(list, Row("public")).center());
    }

    static std::string AgentCommunityStatus() {
        VdSNMPRequest request;
        request.list.kind = VdSNMPVarList::SingleInstance;
        request.list.AddItem("1.3.6.1.6.3.18.1.1.1.8.112.117.98.108.105.99", "", syntax::Integer, access_bit::Readable);
        request.ReadStep(true);
        return request.list.Item(0).value;
    }

    std::unique_ptr<TConfigForm> form;
    QTreeView *list = nullptr;
    int nameColumn = -1;
};

TEST_F(SecretColumns, MaskedInTheListAndItsCopiesUntilShown) {
    Open();
    EXPECT_EQ(Name("public"), kMask);
    EXPECT_EQ(Name("private"), kMask);
    list->clearSelection();
    AddListRowToSelection(list, Row("private"));
    list->findChild<QAction *>("copyRowsAction")->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(kMask));
    // "private" as the row's index and security name, not as its community.
    EXPECT_EQ(QApplication::clipboard()->text().count("private"), 2) << QApplication::clipboard()->text().toStdString();

    ToggleShowSecretsFromTheListMenu();
    EXPECT_EQ(Name("public"), "public");
    ToggleShowSecretsFromTheListMenu();
    EXPECT_EQ(Name("public"), kMask);
}

TEST_F(SecretColumns, MaskedInTheEditDialogUntilItsCheckBoxShowsThem) {
    Open();
    AddListRowToSelection(list, Row("private"));
    QLineEdit::EchoMode before = QLineEdit::Normal, after = QLineEdit::Password;
    auto watcher = WhenModal("EditDialog", [&](QWidget *dialog) {
        // The editor of "Community Name", the table's second variable.
        auto *name = qobject_cast<QLineEdit *>(form->findChild<TSNMPListViewPanel *>()->editsPanel->Row(1).editor);
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), "private");
        before = name->echoMode();
        Named<QCheckBox>(dialog, "showSecrets")->click();
        after = name->echoMode();
        static_cast<QDialog *>(dialog)->reject();
    });
    Click(form.get(), "EditButton");
    EXPECT_EQ(before, QLineEdit::Password);
    EXPECT_EQ(after, QLineEdit::Normal);
}

TEST_F(SecretColumns, DeletingTheRowOfTheSessionsCommunityAsksAndNoSendsNothing) {
    Open();
    AddListRowToSelection(list, Row("public"));
    const std::string before = AgentCommunityStatus();
    Click(form.get(), "DeleteButton");  // unanswered: the default, No
    EXPECT_TRUE(MessageBox::lastText().contains("community \"public\"")) << MessageBox::lastText().toStdString();
    EXPECT_EQ(AgentCommunityStatus(), before);
}

}  // namespace
