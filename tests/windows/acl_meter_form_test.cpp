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
    return form.ProfileIDEdit->text().isEmpty() && form.AccessIDEdit->text().isEmpty() &&
           form.RateEdit->text().isEmpty() && form.CBox_Active->currentIndex() < 0;
}

class AclMeterWindowTest : public WindowTest {};

TEST_F(AclMeterWindowTest, TheSelectedMetersRateAndActionAreWritten) {
    TACLMeterForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(form.ListView1, 3));
    EXPECT_TRUE(EditorsEmpty(form));
    EXPECT_FALSE(form.EditButton->isEnabled());
    EXPECT_FALSE(form.AddButton->isVisible());

    ASSERT_TRUE(SelectRow(form.ListView1, {"1", "1"}));
    EXPECT_EQ(form.RateEdit->text(), "640");
    EXPECT_EQ(form.CBox_Active->currentText(), "drop-packet");
    EXPECT_TRUE(form.EditButton->isEnabled());
    form.RateEdit->setText("2000");
    form.CBox_Active->setCurrentText("set-drop-precedence");
    SaveScreen(&form, QStringLiteral("acl_meter"));
    form.EditButtonClick();
    EXPECT_EQ(Meter(3, "1.1"), "2000");
    EXPECT_EQ(Meter(4, "1.1"), "3");
    EXPECT_EQ(Meter(3, "1.2"), "0") << "the other meters stay";
    EXPECT_TRUE(Listed(form.ListView1, 3));
    EXPECT_TRUE(EditorsEmpty(form)) << "read again and emptied";
    EXPECT_FALSE(form.EditButton->isEnabled());
    EXPECT_TRUE(form.statusPanel->text().startsWith("Get: Ok!")) << form.statusPanel->text().toStdString();
}

TEST_F(AclMeterWindowTest, AWriteWithNothingOrAValueTheAgentRefusesKeepsWhatWasTyped) {
    TACLMeterForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(form.ListView1, 3));
    ASSERT_TRUE(SelectRow(form.ListView1, {"2", "10"}));
    const unsigned sets = AgentSetCount();
    form.RateEdit->clear();
    form.CBox_Active->setCurrentIndex(-1);
    form.EditButtonClick();
    EXPECT_NE(form.statusPanel->text().toStdString().find("Nothing to write"), std::string::npos)
        << form.statusPanel->text().toStdString();
    EXPECT_EQ(AgentSetCount(), sets);

    form.RateEdit->setText("999937");
    form.EditButtonClick();
    EXPECT_TRUE(form.statusPanel->text().startsWith("Set:")) << form.statusPanel->text().toStdString();
    EXPECT_FALSE(form.statusPanel->text().contains("Ok!")) << form.statusPanel->text().toStdString();
    EXPECT_EQ(form.RateEdit->text(), "999937") << "typed values stay";
    EXPECT_EQ(Meter(3, "2.10"), "1024");
}

}  // namespace
}  // namespace window_test
