// The route redistribution window on the simulator: a rule's metric and type set, a rule added and
// deleted on the agent; the protocols deciding the types and the metric's bounds; writes that name
// the selected rule and show what the agent refused.
#include "table_editor_test_support.h"
#include "window_fixture.h"

#include "binding/ui/message_box.h"
#include "engine/descriptor.h"
#include "windows/logic/route_redistribution_table.h"
#include "windows/route_redistribut_form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace window_test {
namespace {

// The route type buttons, RadioButton1 onwards, by position.
QRadioButton *TypeButton(const QWidget &form, int k) {
    return Named<QRadioButton>(&form, ("RadioButton" + std::to_string(k + 1)).c_str());
}

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
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));

    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"ospf", "rip"}));
    EXPECT_TRUE(TypeButton(form, 1)->isChecked()) << "the row's type, all";
    EXPECT_EQ(Named<QLabel>(&form, "Label5")->text(), "[0..16]");
    EXPECT_FALSE(TypeButton(form, 2)->isEnabled());
    EXPECT_TRUE(TypeButton(form, 6)->isEnabled());
    EXPECT_TRUE(Named<QPushButton>(&form, "DeleteBtn")->isEnabled());
    TypeButton(form, 6)->setChecked(true);  // inter-E1
    Named<QLineEdit>(&form, "Edit1")->setText("7");
    Click(&form, "EditBtn");
    EXPECT_EQ(Rule(4, "3.2"), "7");
    EXPECT_EQ(Rule(3, "3.2"), "7") << "inter+E1";
    EXPECT_EQ(Rule(5, "3.2"), "1");
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));

    ChooseProtocol(Named<QComboBox>(&form, "ComboBox1"), "rip");
    ChooseProtocol(Named<QComboBox>(&form, "ComboBox2"), "ospf");
    EXPECT_EQ(Named<QLabel>(&form, "Label5")->text(), "[0..16777214]");
    EXPECT_TRUE(TypeButton(form, 2)->isChecked()) << "the first type ospf allows";
    TypeButton(form, 3)->setChecked(true);  // type-2
    Named<QLineEdit>(&form, "Edit1")->setText("100");
    Click(&form, "AddBtn");
    EXPECT_EQ(Rule(3, "2.3"), "4");
    EXPECT_EQ(Rule(4, "2.3"), "100");
    EXPECT_EQ(Rule(5, "2.3"), "1") << "created active";
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 4));
    SaveScreen(&form, QStringLiteral("route_redistribution"));

    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"rip", "ospf"}));
    Click(&form, "DeleteBtn");
    EXPECT_EQ(Rule(5, "2.3"), "missing");
    EXPECT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));
}

TEST_F(RouteRedistributionWindowTest, TheMetricsBoundsFollowTheDestination) {
    TRouteRedistributForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));
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
        ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {c.source, c.destination}));
        Named<QLineEdit>(&form, "Edit1")->setText(c.metric);
        Click(&form, "EditBtn");
        EXPECT_EQ(MessageBox::lastText().toStdString(), c.message);
    }
    const int shown = MessageBox::shownCount();
    Named<QLineEdit>(&form, "Edit1")->clear();
    Click(&form, "EditBtn");
    EXPECT_EQ(MessageBox::shownCount(), shown) << "an empty metric only takes the focus";
    EXPECT_EQ(AgentSetCount(), sets);

    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"static", "ospf"}));
    Named<QLineEdit>(&form, "Edit1")->setText("17");
    Click(&form, "EditBtn");
    EXPECT_EQ(Rule(4, "4.3"), "17") << "17 is a metric OSPF takes";
}

TEST_F(RouteRedistributionWindowTest, WritesNameTheSelectedRuleAndShowTheAgentsErrors) {
    TRouteRedistributForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));
    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"local", "rip"}));
    const std::string metric = Rule(4, "5.2");
    const unsigned sets = AgentSetCount();
    // A protocol chosen after the row is shown but is no part of the row: the Edit cannot write it.
    ChooseProtocol(Named<QComboBox>(&form, "ComboBox1"), "static");
    Named<QLineEdit>(&form, "Edit1")->setText("9");
    Click(&form, "EditBtn");
    EXPECT_EQ(MessageBox::lastText().toStdString(), route_redistribution::kProtocolsChangedMessage);
    EXPECT_EQ(AgentSetCount(), sets);
    EXPECT_EQ(Rule(4, "5.2"), metric);
    EXPECT_EQ(Named<QLineEdit>(&form, "Edit1")->text(), "9") << "the typed metric stays";

    // The row's own protocols chosen again: the Edit writes the selected rule.
    ChooseProtocol(Named<QComboBox>(&form, "ComboBox1"), "local");
    Click(&form, "EditBtn");
    EXPECT_EQ(Rule(4, "5.2"), "9");
    EXPECT_EQ(Rule(5, "4.2"), "missing");
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));

    // Adding a rule that exists: the agent refuses the createAndGo and the memo says so.
    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"local", "rip"}));
    Named<QLineEdit>(&form, "Edit1")->setText("3");
    Click(&form, "AddBtn");
    const QString last = Named<QPlainTextEdit>(&form, "Memo1")->toPlainText().split('\n').last();
    EXPECT_TRUE(last.startsWith("Set:") && !last.contains("Ok!")) << last.toStdString();
    EXPECT_EQ(Rule(4, "5.2"), "9") << "the rule is unchanged";
}

}  // namespace
}  // namespace window_test
