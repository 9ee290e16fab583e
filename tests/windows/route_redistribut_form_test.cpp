// The route redistribution window on the simulator: a rule's metric and type set, a rule added and
// deleted on the agent; the protocols deciding the types and the metric's bounds; writes that name
// the selected rule and show what the agent refused.
#include "table_editor_test_support.h"
#include "window_fixture.h"

#include "binding/ui/message_box.h"
#include "engine/descriptor.h"
#include "windows/route_redistribut_form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace window_test {
namespace {

// A column of the rule from source to destination (protocol numbers), "missing" without the rule.
std::string Rule(int column, const char *index) {
    return AgentCell("1.3.6.1.4.1.171.11.69.4.3.5.1." + std::to_string(column) + "." + index, syntax::Integer);
}

void ChooseProtocol(QComboBox *box, const char *protocol) {
    const int position = box->findText(protocol);
    box->setCurrentIndex(position);
    emit box->activated(position);
}

class RouteRedistributionWindowTest : public WindowTest {};

TEST_F(RouteRedistributionWindowTest, ARuleIsSetAddedAndDeletedOnTheAgent) {
    TRouteRedistributForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(form.ListView1, 3));

    ASSERT_TRUE(SelectRow(form.ListView1, {"ospf", "rip"}));
    EXPECT_TRUE(form.RadioButtons[1]->isChecked()) << "the row's type, all";
    EXPECT_EQ(form.Label5->text(), "[0..16]");
    EXPECT_FALSE(form.RadioButtons[2]->isEnabled());
    EXPECT_TRUE(form.RadioButtons[6]->isEnabled());
    EXPECT_TRUE(form.DeleteBtn->isEnabled());
    form.RadioButtons[6]->setChecked(true);  // inter-E1
    form.Edit1->setText("7");
    form.EditBtnClick();
    EXPECT_EQ(Rule(4, "3.2"), "7");
    EXPECT_EQ(Rule(3, "3.2"), "7") << "inter+E1";
    EXPECT_EQ(Rule(5, "3.2"), "1");
    ASSERT_TRUE(Listed(form.ListView1, 3));

    ChooseProtocol(form.ComboBox1, "rip");
    ChooseProtocol(form.ComboBox2, "ospf");
    EXPECT_EQ(form.Label5->text(), "[0..16777214]");
    EXPECT_TRUE(form.RadioButtons[2]->isChecked()) << "the first type ospf allows";
    form.RadioButtons[3]->setChecked(true);  // type-2
    form.Edit1->setText("100");
    form.AddBtnClick();
    EXPECT_EQ(Rule(3, "2.3"), "4");
    EXPECT_EQ(Rule(4, "2.3"), "100");
    EXPECT_EQ(Rule(5, "2.3"), "1") << "created active";
    ASSERT_TRUE(Listed(form.ListView1, 4));
    SaveScreen(&form, QStringLiteral("route_redistribution"));

    ASSERT_TRUE(SelectRow(form.ListView1, {"rip", "ospf"}));
    form.DeleteBtnClick();
    EXPECT_EQ(Rule(5, "2.3"), "missing");
    EXPECT_TRUE(Listed(form.ListView1, 3));
}

TEST_F(RouteRedistributionWindowTest, TheMetricsBoundsFollowTheDestination) {
    TRouteRedistributForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(form.ListView1, 3));
    const unsigned sets = AgentSetCount();
    struct Case {
        const char *source, *destination, *metric, *message;
    };
    // Beyond 16777214 the field's own format refuses what is typed.
    const Case cases[] = {
        {"local", "rip", "17", "Metric out of Bound [0..16]"},
        {"ospf", "rip", "99", "Metric out of Bound [0..16]"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.metric);
        ASSERT_TRUE(SelectRow(form.ListView1, {c.source, c.destination}));
        form.Edit1->setText(c.metric);
        form.EditBtnClick();
        EXPECT_EQ(MessageBox::lastText().toStdString(), c.message);
    }
    const int shown = MessageBox::shownCount();
    form.Edit1->clear();
    form.EditBtnClick();
    EXPECT_EQ(MessageBox::shownCount(), shown) << "an empty metric only takes the focus";
    EXPECT_EQ(AgentSetCount(), sets);

    ASSERT_TRUE(SelectRow(form.ListView1, {"static", "ospf"}));
    form.Edit1->setText("17");
    form.EditBtnClick();
    EXPECT_EQ(Rule(4, "4.3"), "17") << "17 is a metric OSPF takes";
}

TEST_F(RouteRedistributionWindowTest, WritesNameTheSelectedRuleAndShowTheAgentsErrors) {
    TRouteRedistributForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(form.ListView1, 3));
    ASSERT_TRUE(SelectRow(form.ListView1, {"local", "rip"}));
    ChooseProtocol(form.ComboBox1, "static");  // chosen after the row, not written by Set
    form.Edit1->setText("9");
    form.EditBtnClick();
    EXPECT_EQ(Rule(4, "5.2"), "9");
    EXPECT_EQ(Rule(5, "4.2"), "missing");
    ASSERT_TRUE(Listed(form.ListView1, 3));

    // Adding a rule that exists: the agent refuses the createAndGo and the memo says so.
    ASSERT_TRUE(SelectRow(form.ListView1, {"local", "rip"}));
    form.Edit1->setText("3");
    form.AddBtnClick();
    const QString last = form.Memo1->toPlainText().split('\n').last();
    EXPECT_TRUE(last.startsWith("Set:") && !last.contains("Ok!")) << last.toStdString();
    EXPECT_EQ(Rule(4, "5.2"), "9") << "the rule is unchanged";
}

}  // namespace
}  // namespace window_test
