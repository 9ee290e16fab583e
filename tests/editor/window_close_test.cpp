// Closing a window while its exchange is in flight on a slow agent: the close never waits beyond
// its deadline, a close asked from inside the binding's own exchange waits for it to unwind, and
// answers arriving after the window has gone touch nothing (the sanitizers watch).
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "forms/exchange_scope.h"
#include "editor/snmp_list_view_panel.h"
#include "editor_fixture.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace editor_test;

namespace {

// Longer than a closing window waits, shorter than the requests' own time-out.
constexpr int kAgentDelayMs = ExchangeScope::kStopDeadlineMs + 600;

class SlowAgent : public EditorTest {
protected:
    static void SetUpTestSuite() {
        EditorTest::SetUpTestSuite();
        delete sim;
        sim = new SimRunner({"--delay", QString::number(kAgentDelayMs)});
        SessionDevice.port = sim->port();
    }

    // A window over one binding whose requests outlast the agent's delay.
    static std::unique_ptr<TConfigForm> Window(bool table) {
        auto form = std::make_unique<TConfigForm>();
        auto binding = table ? BindingTable(form.get()) : SystemBinding(form.get());
        binding->request.timeout = kAgentDelayMs / 10 + 300;
        if (table) form->SetListViewPanel(std::move(binding), -1, "", -1, "");
        else form->SetEditorPanel(std::move(binding));
        return form;
    }

    // Lets the late answer arrive and be dropped.
    static void LetTheAnswerArrive() {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1200) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
};

TEST_F(SlowAgent, ClosingDuringAnExchangeWaitsNoLongerThanTheDeadline) {
    const struct {
        const char *window;
        bool table;
        bool byButton;
    } cases[] = {{"editor window", false, false}, {"table panel", true, true}};
    for (const auto &c : cases) {
        std::unique_ptr<TConfigForm> form = Window(c.table);
        VdSNMPRequest2Edits *binding = form->Binding(0);
        form->show();
        ASSERT_TRUE(WaitUntil([&] { return binding->busy; })) << c.window;
        QElapsedTimer clock;
        clock.start();
        if (c.byButton)
            QTest::mouseClick(form->findChild<TSNMPListViewPanel *>()->buttons()->CloseButton, Qt::LeftButton);
        else
            form->close();
        EXPECT_LT(clock.elapsed(), ExchangeScope::kStopDeadlineMs + 500) << c.window;
        EXPECT_GE(clock.elapsed(), ExchangeScope::kStopDeadlineMs - 100) << c.window << " waited for the answer";
        EXPECT_FALSE(form->isVisible()) << c.window;
        EXPECT_EQ(form->BindingCount(), 0) << c.window;
        form.reset();
        LetTheAnswerArrive();
    }
}

TEST_F(SlowAgent, ACloseAskedFromInsideTheBindingsOwnExchangeWaitsForItToUnwind) {
    std::unique_ptr<TConfigForm> form = Window(false);
    VdSNMPRequest2Edits *binding = form->Binding(0);
    bool closedInside = false;
    binding->getDone = [&](VdSNMPRequest2Controls &, const VdSNMPError &) {
        form->close();
        closedInside = form->closePending() && form->isVisible();
    };
    form->show();
    ASSERT_TRUE(WaitUntil([&] { return !form->isVisible(); }, 3 * kAgentDelayMs));
    EXPECT_TRUE(closedInside) << "never torn down under its own exchange";
    EXPECT_EQ(form->BindingCount(), 0);
}

TEST_F(SlowAgent, AWindowDestroyedFromInsideItsBindingsExchangeLeavesNothingBehindToTouch) {
    std::unique_ptr<TConfigForm> form = Window(false);
    QPointer<TConfigForm> watched(form.get());
    form->Binding(0)->getDone = [&](VdSNMPRequest2Controls &, const VdSNMPError &) { form.reset(); };
    form->show();
    ASSERT_TRUE(WaitUntil([&] { return watched.isNull(); }, 3 * kAgentDelayMs));
    LetTheAnswerArrive();
}

}  // namespace
