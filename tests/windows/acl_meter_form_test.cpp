// The ACL meter window on the simulator: the selected meter's rate and action written and the list
// read again with the editors emptied; a write with nothing to carry and one the agent refuses.
#include "table_editor_test_support.h"
#include "window_fixture.h"

#include "binding/ui/message_box.h"
#include "engine/descriptor.h"
#include "windows/acl_meter_form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace window_test {
namespace {

std::string Meter(int column, const char *index) {
    return AgentCell("1.3.6.1.4.1.171.12.9.6.1.1." + std::to_string(column) + "." + index, syntax::Integer);
}

bool EditorsEmpty(const TACLMeterForm &form) {
    return Named<QLineEdit>(&form, "ProfileIDEdit")->text().isEmpty() && Named<QLineEdit>(&form, "AccessIDEdit")->text().isEmpty() &&
           Named<QLineEdit>(&form, "RateEdit")->text().isEmpty() && Named<QComboBox>(&form, "CBox_Active")->currentIndex() < 0;
}

class AclMeterWindowTest : public WindowTest {};

TEST_F(AclMeterWindowTest, TheSelectedMetersRateAndActionAreWritten) {
    TACLMeterForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));
    EXPECT_TRUE(EditorsEmpty(form));
    EXPECT_FALSE(Named<QPushButton>(&form, "EditButton")->isEnabled());
    EXPECT_FALSE(Named<QPushButton>(&form, "AddButton")->isVisible());

    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"1", "1"}));
    EXPECT_EQ(Named<QLineEdit>(&form, "RateEdit")->text(), "640");
    EXPECT_EQ(Named<QComboBox>(&form, "CBox_Active")->currentText(), "drop-packet");
    EXPECT_TRUE(Named<QPushButton>(&form, "EditButton")->isEnabled());
    Named<QLineEdit>(&form, "RateEdit")->setText("2000");
    Named<QComboBox>(&form, "CBox_Active")->setCurrentText("set-drop-precedence");
    SaveScreen(&form, QStringLiteral("acl_meter"));
    Click(&form, "EditButton");
    EXPECT_EQ(Meter(3, "1.1"), "2000");
    EXPECT_EQ(Meter(4, "1.1"), "3");
    EXPECT_EQ(Meter(3, "1.2"), "0") << "the other meters stay";
    EXPECT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));
    EXPECT_TRUE(EditorsEmpty(form)) << "read again and emptied";
    EXPECT_FALSE(Named<QPushButton>(&form, "EditButton")->isEnabled());
    EXPECT_TRUE(StatusPanel(&form)->text().startsWith("Get: Ok!")) << StatusPanel(&form)->text().toStdString();
}

TEST_F(AclMeterWindowTest, AWriteWithNothingOrAValueTheAgentRefusesKeepsWhatWasTyped) {
    TACLMeterForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));
    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"2", "10"}));
    const unsigned sets = AgentSetCount();
    Named<QLineEdit>(&form, "RateEdit")->clear();
    Named<QComboBox>(&form, "CBox_Active")->setCurrentIndex(-1);
    Click(&form, "EditButton");
    EXPECT_NE(StatusPanel(&form)->text().toStdString().find("Nothing to write"), std::string::npos)
        << StatusPanel(&form)->text().toStdString();
    EXPECT_EQ(AgentSetCount(), sets);

    Named<QLineEdit>(&form, "RateEdit")->setText("999937");
    Click(&form, "EditButton");
    EXPECT_TRUE(StatusPanel(&form)->text().startsWith("Set:")) << StatusPanel(&form)->text().toStdString();
    EXPECT_FALSE(StatusPanel(&form)->text().contains("Ok!")) << StatusPanel(&form)->text().toStdString();
    EXPECT_EQ(Named<QLineEdit>(&form, "RateEdit")->text(), "999937") << "typed values stay";
    EXPECT_EQ(Meter(3, "2.10"), "1024");
}

}  // namespace
}  // namespace window_test
