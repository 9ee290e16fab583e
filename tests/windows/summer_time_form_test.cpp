// The summer-time window on the simulator: rules written field by field and read back byte for
// byte, the status in a set request of its own, and writes refused before anything is sent.
#include "window_fixture.h"

#include "binding/ui/message_box.h"
#include "editor/edits_panel.h"
#include "engine/descriptor.h"
#include "windows/logic/summer_time_rules.h"
#include "windows/summer_time_form.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace window_test {
namespace {

using namespace summer_time;

const std::string kBase = "1.3.6.1.4.1.171.12.10.12.";

std::string Oid(int row) { return kBase + std::to_string(row + 1) + ".0"; }

void Choose(QComboBox *combo, const std::string &label) {
    combo->setCurrentIndex(combo->findText(QString::fromStdString(label), Qt::MatchExactly));
}

class SummerTimeTest : public WindowTest {
protected:
    std::unique_ptr<TSummerTimeForm> Open() {
        auto form = std::make_unique<TSummerTimeForm>(Context(), nullptr);
        form->show();
        // The first read, the status and then the details, has ended once the window is idle.
        WaitUntil([&] { return !form->Busy() && Memo(*form)->toPlainText().contains("Get: Ok!"); });
        EXPECT_TRUE(Memo(*form)->toPlainText().contains("Get: Ok!"));
        return form;
    }

    static QPlainTextEdit *Memo(TSummerTimeForm &form) { return Named<QPlainTextEdit>(&form, "memo"); }
    static TEditsPanel *Edits(TSummerTimeForm &form) { return Named<TEditsPanel>(&form, "editsPanel"); }

    // The field controls of a point row, left to right.
    static std::vector<QWidget *> PointControls(TSummerTimeForm &form, int row) {
        std::vector<QWidget *> controls;
        for (const PointField &field : PointFields(row))
            controls.push_back(Named<QWidget>(&form, (std::string(PointName(row)) + field.name).c_str()));
        return controls;
    }

    static void Tick(TSummerTimeForm &form, int row) {
        QCheckBox *box = Edits(form)->Row(row).checkBox;
        if (!box->isChecked()) box->click();
    }

    static void SetStatus(TSummerTimeForm &form, const std::string &status) {
        Choose(qobject_cast<QComboBox *>(Edits(form)->Row(kStatus).editor.data()), status);
    }

    static void SetOffset(TSummerTimeForm &form, const std::string &text) {
        qobject_cast<QLineEdit *>(Edits(form)->Row(kOffset).editor.data())->setText(QString::fromStdString(text));
    }

    static void Fill(TSummerTimeForm &form, int row, const std::vector<std::string> &texts) {
        const std::vector<QWidget *> controls = PointControls(form, row);
        for (std::size_t k = 0; k < texts.size(); ++k) {
            QWidget *control = controls.at(k);
            if (auto *combo = qobject_cast<QComboBox *>(control)) Choose(combo, texts[k]);
            if (auto *edit = qobject_cast<QLineEdit *>(control)) edit->setText(QString::fromStdString(texts[k]));
        }
    }

    static std::vector<std::string> Texts(TSummerTimeForm &form, int row) {
        std::vector<std::string> texts;
        for (QWidget *control : PointControls(form, row)) {
            if (auto *combo = qobject_cast<QComboBox *>(control)) texts.push_back(combo->currentText().toStdString());
            if (auto *edit = qobject_cast<QLineEdit *>(control)) texts.push_back(edit->text().toStdString());
        }
        return texts;
    }

    static void PressSet(TSummerTimeForm &form) { Click(&form, "SetCheckedButton"); }
};

struct Rule {
    const char *what;
    const char *status;
    const char *offset;
    std::vector<std::string> start;
    std::vector<std::string> end;
    const char *startBytes;
    const char *endBytes;
};

TEST_F(SummerTimeTest, RulesAreWrittenAndReadBackByteForByte) {
    // Repeating fields: month, week, day, hour, minute; annual: day, month, hour, minute.
    const Rule rules[] = {
        {"first week, midnight, shortest offset", kRepeating, "30", {"Mar", "1st", "Sun", "0", "0"},
         {"Oct", "last", "Sat", "23", "59"}, "010001030000", "0000070A173B"},
        {"fourth week, longest offset", kRepeating, "120", {"Jan", "4th", "Wed", "12", "30"},
         {"Dec", "last", "Sun", "3", "0"}, "040004010C1E", "0000010C0300"},
        {"first and last day of the year", kAnnual, "120", {"1", "Jan", "0", "0"}, {"31", "Dec", "23", "59"},
         "01010000", "1F0C173B"},
        {"ends of short months", kAnnual, "30", {"28", "Feb", "2", "0"}, {"30", "Nov", "3", "0"}, "1C020200",
         "1E0B0300"},
    };
    for (const Rule &rule : rules) {
        SCOPED_TRACE(rule.what);
        const int start = rule.status == std::string(kRepeating) ? kRepeatingStart : kAnnualStart;
        {
            auto form = Open();
            SetStatus(*form, rule.status);
            SetOffset(*form, rule.offset);
            Fill(*form, start, rule.start);
            Fill(*form, start + 1, rule.end);
            for (int row : {int(kStatus), int(kOffset), start, start + 1}) Tick(*form, row);
            const unsigned sets = AgentSetCount();
            PressSet(*form);
            EXPECT_EQ(AgentSetCount() - sets, 2u) << "the status goes alone, then the rest";
            EXPECT_EQ(MessageBox::shownCount(), 0) << MessageBox::lastText().toStdString();
        }
        EXPECT_EQ(AgentValue(Oid(start), syntax::OctetString), rule.startBytes);
        EXPECT_EQ(AgentValue(Oid(start + 1), syntax::OctetString), rule.endBytes);
        EXPECT_EQ(AgentValue(Oid(kOffset), syntax::Integer), rule.offset);

        auto form = Open();
        EXPECT_EQ(Edits(*form)->RowText(kStatus), rule.status);
        EXPECT_EQ(Edits(*form)->RowText(kOffset), rule.offset);
        EXPECT_EQ(Texts(*form, start), rule.start);
        EXPECT_EQ(Texts(*form, start + 1), rule.end);
        SaveScreen(form.get(), QStringLiteral("summer_time_") + rule.status);
    }
}

TEST_F(SummerTimeTest, ADeviceInAnnualModeOpensWithTheAnnualRows) {
    AgentWrite(Oid(kStatus), syntax::Integer, "2");
    auto form = Open();
    EXPECT_EQ(Edits(*form)->RowText(kStatus), kAnnual);
    EXPECT_FALSE(Edits(*form)->Row(kAnnualStart).editor->isHidden());
    EXPECT_FALSE(Edits(*form)->Row(kAnnualEnd).editor->isHidden());
    EXPECT_TRUE(Edits(*form)->Row(kRepeatingStart).editor->isHidden());
    EXPECT_TRUE(Edits(*form)->Row(kRepeatingEnd).editor->isHidden());

    // Switching to repeating shows the other pair; their ticks were cleared while hidden.
    Tick(*form, kAnnualStart);
    SetStatus(*form, kRepeating);
    EXPECT_FALSE(Edits(*form)->Row(kRepeatingStart).editor->isHidden());
    EXPECT_TRUE(Edits(*form)->Row(kAnnualStart).editor->isHidden());
    EXPECT_FALSE(Edits(*form)->Row(kAnnualStart).checkBox->isChecked());
    AgentWrite(Oid(kStatus), syntax::Integer, "1");
}

struct Refusal {
    const char *what;
    const char *offset;
    std::vector<std::string> start;
    const char *message;
};

TEST_F(SummerTimeTest, ARefusedWriteSendsNothing) {
    const Refusal refusals[] = {
        {"ticked empty offset", "", {"26", "Mar", "2", "0"}, kOffsetMessage},
        {"offset 45", "45", {"26", "Mar", "2", "0"}, kOffsetMessage},
        {"day 0", "60", {"0", "Jan", "2", "0"}, kTimeMessage},
        {"31 April", "60", {"31", "Apr", "2", "0"}, kTimeMessage},
    };
    const std::string status = AgentValue(Oid(kStatus), syntax::Integer);
    for (const Refusal &refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        MessageBox::reset();
        auto form = Open();
        SetStatus(*form, kAnnual);
        SetOffset(*form, refusal.offset);
        Fill(*form, kAnnualStart, refusal.start);
        for (int row : {int(kStatus), int(kOffset), int(kAnnualStart)}) Tick(*form, row);
        const unsigned sets = AgentSetCount();
        PressSet(*form);
        EXPECT_EQ(AgentSetCount(), sets);
        EXPECT_EQ(MessageBox::lastText().toStdString(), refusal.message);
        EXPECT_EQ(AgentValue(Oid(kStatus), syntax::Integer), status);
    }
}

TEST_F(SummerTimeTest, NothingTickedSendsNothingAndReportsNothing) {
    auto form = Open();
    QPlainTextEdit *memo = Memo(*form);
    memo->clear();
    const unsigned sets = AgentSetCount();
    PressSet(*form);
    EXPECT_EQ(AgentSetCount(), sets);
    EXPECT_EQ(MessageBox::shownCount(), 0);
    EXPECT_TRUE(memo->toPlainText().isEmpty()) << memo->toPlainText().toStdString();
}

}  // namespace
}  // namespace window_test
