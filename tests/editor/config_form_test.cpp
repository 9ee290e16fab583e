// The editor window's shapes, its reads on showing and on page turns, its size, and its close.
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/list_view_panel.h"
#include "editor/msg_panel.h"
#include "forms/ui_parts.h"
#include "editor/snmp_list_view_panel.h"
#include "editor_fixture.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace editor_test;

namespace {

unsigned AgentGetNextCount() {
    return static_cast<unsigned>(std::stoul(AgentValue("1.3.6.1.2.1.11.16.0", syntax::Counter)));
}

std::string RaisedBy(const std::function<void()> &call) {
    try {
        call();
    } catch (const CodedError &e) {
        return e.message();
    }
    return {};
}

using ConfigForm = EditorTest;

TEST_F(ConfigForm, TheShapeIsFixedByTheFirstSetUpCall) {
    TConfigForm form;
    TSNMPEditorPanel *first = form.SetEditorPanel(SystemBinding(&form));
    EXPECT_EQ(RaisedBy([&] { form.SetEditorPanel(SystemBinding(&form)); }), "Can not change Type of a Config Form!");
    EXPECT_EQ(RaisedBy([&] { form.SetPageControl(); }), "Can not change Type of a Config Form!");
    EXPECT_EQ(RaisedBy([&] { form.AddEditorPage("x", SystemBinding(&form)); }),
              "Can not add editor page to a none-page pannel!");
    EXPECT_EQ(RaisedBy([&] { form.AddListViewPage("x", BindingTable(&form), -1, "", -1, ""); }),
              "Can not add listview page to a none-page pannel!");
    EXPECT_EQ(form.formKind(), TConfigForm::EditorPanel);
    EXPECT_EQ(form.BindingCount(), 1);
    EXPECT_EQ(form.findChildren<TSNMPEditorPanel *>(), QList<TSNMPEditorPanel *>{first});
}

TEST_F(ConfigForm, PagesAreReadWhenShownAndOnEveryTurn) {
    TConfigForm form;
    form.SetPageControl();
    TSNMPEditorPanel *pages[3];
    for (int k = 0; k < 3; ++k) pages[k] = form.AddEditorPage(QStringLiteral("Page %1").arg(k), SystemBinding(&form));
    auto memoLines = [&](int k) {
        const QString text = pages[k]->messagePanel()->memo->toPlainText();
        return text.isEmpty() ? 0 : static_cast<int>(text.count('\n')) + 1;
    };
    auto contact = [&](int k) {
        return qobject_cast<QLineEdit *>(pages[k]->editsPanel->Row(1).editor)->text();
    };
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return memoLines(0) == 1; }));
    EXPECT_FALSE(contact(0).isEmpty());
    EXPECT_EQ(memoLines(1), 0);
    EXPECT_EQ(memoLines(2), 0);

    form.pageControl()->setCurrentIndex(2);
    ASSERT_TRUE(WaitUntil([&] { return memoLines(2) == 1; }));
    EXPECT_EQ(memoLines(1), 0);
    EXPECT_EQ(form.currentBinding(), form.Binding(2));
    EXPECT_FALSE(form.Binding(0)->request.alive);

    form.pageControl()->setCurrentIndex(0);
    ASSERT_TRUE(WaitUntil([&] { return memoLines(0) == 2; }));
    EXPECT_TRUE(form.Binding(0)->request.alive);
    form.close();
    EXPECT_EQ(form.BindingCount(), 0);
}

TEST_F(ConfigForm, ShownModallyItReadsAndItsCloseButtonEndsTheLoop) {
    TConfigForm form;
    TSNMPEditorPanel *panel = form.SetEditorPanel(SystemBinding(&form));
    QString contact;
    const auto readAndClose = WhenModal("ConfigForm", [&](QWidget *) {
        EXPECT_TRUE(WaitUntil([&] { return !form.Binding(0)->busy && !panel->editsPanel->RowText(1).empty(); }));
        contact = QString::fromStdString(panel->editsPanel->RowText(1));
        QTest::mouseClick(panel->buttons()->CloseButton, Qt::LeftButton);
    });
    form.exec();
    EXPECT_FALSE(contact.isEmpty());
    EXPECT_EQ(form.BindingCount(), 0);
}

TEST_F(ConfigForm, AWindowNeverOpensLargerThan800By550) {
    std::vector<std::string> oids, labels;
    for (int i = 0; i < 40; ++i) {
        oids.push_back("1.3.6.1.4.1.99." + std::to_string(i + 1));
        labels.push_back("Setting number " + std::to_string(i + 1) + std::string(150, '.'));
    }
    std::vector<DescriptorRecord> records;
    for (int i = 0; i < 40; ++i)
        records.push_back({oids[i].c_str(), labels[i].c_str(), syntax::Integer, access_bit::ReadWrite, nullptr});
    records.push_back({nullptr, nullptr, 0, 0, nullptr});

    TConfigForm form;
    auto binding = std::make_unique<VdSNMPRequest2Edits>(&form);
    binding->request.list.Assign(VdSNMPVarList(records.data(), VdSNMPVarList::ScalarGroup, 0));
    TSNMPEditorPanel *panel = form.SetEditorPanel(std::move(binding));
    EXPECT_GT(panel->editsPanel->sizeHint().width(), 800);
    EXPECT_GT(panel->editsPanel->sizeHint().height(), 550);
    EXPECT_EQ(form.size(), QSize(800, 550));
}

// A window is centred on the main window at the size it has when shown, not at the size it had
// when it was created, and it stays on the screen however large it grew.
TEST(WindowPlacement, CentredOnTheMainWindowAtItsFinalSizeAndKeptOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QMainWindow main;
    main.setGeometry(screen.left() + screen.width() / 2, screen.top() + screen.height() / 2, 300, 200);
    main.show();
    const struct {
        QSize grownTo;
        bool fits;
    } cases[] = {{{220, 160}, true}, {screen.size() - QSize(40, 40), false}, {screen.size() + QSize(50, 50), false}};
    for (const auto &c : cases) {
        QDialog window(&main);
        window.resize(159, 105);
        CentreOnMainWindow(&window);
        window.resize(c.grownTo);
        window.show();
        const QRect frame = window.frameGeometry();
        if (c.fits) {
            EXPECT_EQ(frame.center(), main.frameGeometry().center());
        } else {
            EXPECT_GE(frame.left(), screen.left());
            EXPECT_GE(frame.top(), screen.top());
            if (frame.width() <= screen.width()) {
                EXPECT_LE(frame.right(), screen.right());
            }
            if (frame.height() <= screen.height()) {
                EXPECT_LE(frame.bottom(), screen.bottom());
            }
        }
        window.hide();
    }
}

// A simulator that answers slowly, so that a walk is still running when the window is turned or
// closed.
class SlowTable : public EditorTest {
protected:
    static void SetUpTestSuite() {
        EditorTest::SetUpTestSuite();
        delete sim;
        sim = new SimRunner({"--delay", "150"});
        SessionDevice.port = sim->port();
        // One request per row, so that the walk is still running after its first row.
        SessionDevice.useGetBulk = false;
    }
    static void TearDownTestSuite() {
        SessionDevice.useGetBulk = true;
        EditorTest::TearDownTestSuite();
    }
};

TEST_F(SlowTable, TurningBackToAPageWhoseWalkRunsStartsNoSecondWalk) {
    TConfigForm form;
    form.SetPageControl();
    TSNMPListViewPanel *table = form.AddListViewPage("Bindings", BindingTable(&form), -1, "", -1, "");
    form.AddEditorPage("System", SystemBinding(&form));
    VdSNMPRequest2Edits *walk = form.Binding(0);
    const unsigned nextsBefore = AgentGetNextCount();
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return walk->busy; }));
    form.pageControl()->setCurrentIndex(1);
    EXPECT_FALSE(walk->request.alive);
    form.pageControl()->setCurrentIndex(0);
    EXPECT_TRUE(walk->request.alive);
    ASSERT_TRUE(WaitUntil([&] { return !walk->busy && !form.Binding(1)->busy; }));
    // Two rows take three steps; the counter's own read is one more.
    EXPECT_EQ(table->listPanel->listView->readRowCount(), 2);
    EXPECT_EQ(AgentGetNextCount(), nextsBefore + 3);
}

TEST_F(SlowTable, ClosingDuringAWalkClosesAfterTheCurrentStep) {
    TConfigForm form;
    TSNMPListViewPanel *table = form.SetListViewPanel(BindingTable(&form), -1, "", -1, "");
    const unsigned nextsBefore = AgentGetNextCount();
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return table->listPanel->listView->readRowCount() == 1; }));
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.BindingCount(), 0);
    // The step in flight was completed; none followed it (two rows take three steps).
    EXPECT_EQ(AgentGetNextCount(), nextsBefore + 2);
}

TEST_F(SlowTable, ACloseClickedDuringTheWindowsOwnExchangeWaitsForItToUnwind) {
    TConfigForm form;
    TSNMPListViewPanel *table = form.SetListViewPanel(BindingTable(&form), -1, "", -1, "");
    form.show();
    VdSNMPRequest2Edits *binding = form.Binding(0);
    ASSERT_TRUE(WaitUntil([&] { return !binding->busy && table->listPanel->listView->readRowCount() == 2; }));

    // A synchronous reload, with the Close button pressed while its first row is added.
    binding->asyncMode = false;
    QTimer::singleShot(0, table->buttons()->CloseButton, [&] {
        QTest::mouseClick(table->buttons()->CloseButton, Qt::LeftButton);
        EXPECT_TRUE(form.closePending());
        EXPECT_TRUE(form.isVisible());
    });
    table->RefreshTable();
    EXPECT_EQ(form.BindingCount(), 1);  // never destroyed under its own exchange
    EXPECT_LT(table->listPanel->listView->readRowCount(), 2);  // stopped after the current step
    ASSERT_TRUE(WaitUntil([&] { return !form.isVisible(); }));
    EXPECT_EQ(form.BindingCount(), 0);
}

}  // namespace
