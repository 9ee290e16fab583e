#include "binding/multi_box_fields.h"
#include "engine/option_list.h"
#include "binding/ui/radio_group.h"
#include "binding/ui/request2edits.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/value_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

// One variable of the given syntax on the widgets of a small window.
class ValueFields : public ::testing::Test {
protected:
    void Use(std::uint32_t s, const std::string &value) {
        binding.request.list.Clear();
        binding.request.list.AddItem("1.1", "value", s, access_bit::ReadWrite);
        binding.request.list.Item(0).value = value;
    }
    std::vector<QLineEdit *> Boxes(int n) {
        std::vector<QLineEdit *> boxes;
        for (int i = 0; i < n; ++i) {
            boxes.push_back(new QLineEdit(&window));
            boxes.back()->setObjectName(QStringLiteral("ED_Box%1").arg(i));
        }
        return boxes;
    }
    std::string &Value() { return binding.request.list.Item(0).value; }

    QWidget window;
    VdSNMPRequest2Edits binding{&window};
};

struct BoxCase {
    std::uint32_t syntax;
    int boxes;
    std::string value;
    QStringList shown;
    std::string collected;
};

TEST_F(ValueFields, MultiBoxRowsShowAndCollectEachSyntax) {
    const BoxCase cases[] = {
        {syntax::IpAddress, 4, "10.1.2.3", {"10", "1", "2", "3"}, "10.1.2.3"},
        {syntax::MacAddress, 6, "0050BA740003", {"00", "50", "BA", "74", "00", "03"}, "0050BA740003"},
        // Shorter and longer than the row: nothing outside the value is read.
        {syntax::MacAddress, 6, "0050BA", {"00", "50", "BA", "", "", ""}, "0050BA000000"},
        {syntax::MacAddress, 6, "0050BA74000312", {"00", "50", "BA", "74", "00", "03"}, "0050BA740003"},
        {syntax::Ipv6Address, 16, "", QStringList(16, ""), "00000000000000000000000000000000"},
        {syntax::OctetString, 3, "0A0B", {"0A", "0B", ""}, "0A0B00"},
        {syntax::ObjectId, 5, "1.3.6.1.4", {"1", "3", "6", "1", "4"}, "1.3.6.1.4"},
        {syntax::TimeTicks, 5, "1 day 2:03:04.05", {"1", "2", "3", "4", "5"}, "1 day 2:03:04.05"},
        {syntax::DateAndTime, 10, "2024-3-9,13:30:15.0,+2:0",
         {"2024", "3", "9", "13", "30", "15", "0", "+", "2", "0"}, "2024-3-9,13:30:15.0,+2:0"},
        {syntax::LocalDateTime, 7, LocalDateTimeText(45000.5), {"2023", "3", "15", "12", "0", "0", "0"},
         LocalDateTimeText(45000.5)},
        {syntax::MacAddress, 6, "(NOTDONE)", {"(NOTDONE)", "", "", "", "", ""}, "(NOTDONE)"},
    };
    for (const BoxCase &c : cases) {
        Use(c.syntax, c.value);
        const std::vector<QLineEdit *> boxes = Boxes(c.boxes);
        std::string format;
        for (int i = 0; i < c.boxes; ++i) format += "%s";
        binding.BindEdits(0, format, boxes);
        binding.ValuesToControls(0);
        QStringList shown;
        for (QLineEdit *box : boxes) shown << box->text();
        EXPECT_EQ(shown, c.shown) << c.value;
        Value().clear();
        binding.ControlsToValues(0);
        EXPECT_EQ(Value(), c.collected) << c.value;
        binding.Unbind(0);
    }
}

TEST_F(ValueFields, WholeValueShownAsTextNeedsNoBytes) {
    Use(syntax::DateAndTime, "");  // a cleared row
    QLineEdit &edit = *Boxes(1)[0];
    edit.setText("old");
    binding.BindEdits(0, "%s", {&edit});
    binding.ValuesToControls(0);
    EXPECT_EQ(edit.text(), "");
}

TEST_F(ValueFields, NullKeepsAddressBoxesAndFieldsOutOfRangeAreRefused) {
    Use(syntax::IpAddress, "(NULL)");
    const std::vector<QLineEdit *> boxes = Boxes(4);
    binding.BindEdits(0, "%i%i%i%i", boxes);
    for (QLineEdit *box : boxes) box->setText("9");
    binding.ValuesToControls(0);
    EXPECT_EQ(boxes[3]->text(), "9");
    boxes[1]->setText("256");
    EXPECT_THROW(binding.ControlsToValues(0), CodedError);

    Use(syntax::DateAndTime, "2024-3-9,13:30:15.0,+2:0");
    const std::vector<QLineEdit *> date = Boxes(10);
    binding.BindEdits(0, "%i%i%i%i%i%i%i%s%i%i", date);
    binding.ValuesToControls(0);
    date[1]->setText("300");
    try {
        binding.ControlsToValues(0);
        FAIL() << "no error";
    } catch (const CodedError &e) {
        EXPECT_EQ(e.code(), -518);
    }
}

TEST_F(ValueFields, DisplayStringIsRebuiltFromItsFields) {
    Use(syntax::DisplayString, "old value text");
    const std::vector<QLineEdit *> boxes = Boxes(2);
    binding.BindEditsPart(0, 0, syntax::DisplayString, nullptr, "%s", {boxes[0]});
    binding.BindEditsPart(0, 4, syntax::DisplayString, nullptr, "%s", {boxes[1]});
    boxes[0]->setText("ab");
    boxes[1]->setText("cd");
    binding.ControlsToValues(0);
    EXPECT_EQ(Value(), std::string("ab\0\0cd", 6));
}

TEST_F(ValueFields, ByteFieldsKeepTheirPackingRules) {
    Use(syntax::OctetString, "0A0B0C");
    QLineEdit &field = *Boxes(1)[0];
    binding.BindEditsPart(0, 1, syntax::UInt8, nullptr, "%u", {&field});
    binding.ValuesToControls(0);
    EXPECT_EQ(field.text(), "11");
    field.setText("300");
    binding.ControlsToValues(0);
    EXPECT_EQ(Value(), "0A2C0C");
}

TEST_F(ValueFields, BitMapCheckBoxesCountFromTheMostSignificantBit) {
    Use(syntax::OctetString, "8040");
    QCheckBox bit0(&window), bit9(&window), bit1(&window), bit20(&window);
    bit0.setObjectName("CK_Bit0");
    binding.BindCheckBoxBits(0, "0,9,1", {&bit0, &bit9, &bit1});
    binding.ValuesToControls(0);
    EXPECT_TRUE(bit0.isChecked());
    EXPECT_TRUE(bit9.isChecked());
    EXPECT_FALSE(bit1.isChecked());

    binding.Unbind(0);
    binding.BindCheckBoxBits(0, "0,20", {&bit0, &bit20});
    bit0.setChecked(false);
    bit20.setChecked(true);
    binding.ControlsToValues(0);
    EXPECT_EQ(Value(), "000008");  // the bytes the boxes reach are rebuilt from them, up to bit 20
}

TEST_F(ValueFields, CheckBoxesForBooleansAndOptions) {
    static const OptionRecord kState[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
    static const VdOptionList kStates(kState, VdOptionList::Integer);
    Use(syntax::Integer, "disabled");
    binding.request.list.Item(0).options = &kStates;
    QCheckBox box(&window);
    binding.BindControl(0, 0, syntax::Integer, nullptr, &box);
    binding.ValuesToControls(0);
    EXPECT_FALSE(box.isChecked());
    box.setChecked(true);
    binding.ControlsToValues(0);
    EXPECT_EQ(Value(), "enabled");

    Use(syntax::OctetString, "00010000");
    QCheckBox flag(&window);
    binding.Unbind(0);
    binding.BindControl(0, 2, syntax::Bool16, nullptr, &flag);
    binding.ValuesToControls(0);
    EXPECT_FALSE(flag.isChecked());
    binding.Unbind(0);
    binding.BindControl(0, 0, syntax::Bool16, nullptr, &flag);
    binding.ValuesToControls(0);
    EXPECT_TRUE(flag.isChecked());
}

TEST_F(ValueFields, DropDownWithPrefixOptionsKeepsTheRestInItsSecondControl) {
    static const OptionRecord kAuth[] = {{"1.3.6.1.6.3.10.1.1.2", "MD5"}, {"1.3.6.1.6.3.10.1.1.3", "SHA"}, {nullptr, nullptr}};
    static const VdOptionList kProtocols(kAuth, VdOptionList::TextPrefix);
    Use(syntax::ObjectId, "1.3.6.1.6.3.10.1.1.3.7.1");
    QComboBox combo(&window);
    QLineEdit &rest = *Boxes(1)[0];
    binding.BindControl(0, 0, syntax::ObjectId, &kProtocols, &combo, &rest);
    binding.ValuesToControls(0);
    EXPECT_EQ(combo.currentText(), "SHA");
    EXPECT_EQ(rest.text(), "7.1");
    combo.setCurrentIndex(0);
    binding.ControlsToValues(0);
    EXPECT_EQ(Value(), "1.3.6.1.6.3.10.1.1.2.7.1");
}

TEST_F(ValueFields, RadioGroupChoosesByLabelOrValue) {
    static const OptionRecord kModes[] = {{1, "static"}, {2, "dhcp"}, {3, "bootp"}, {0, nullptr}};
    static const VdOptionList kModeList(kModes, VdOptionList::Integer);
    Use(syntax::Integer, "2");
    VdRadioGroup group(&window);
    group.setObjectName("RG_Mode");
    binding.BindControl(0, 0, syntax::Integer, &kModeList, &group);
    EXPECT_EQ(group.items(), QStringList({"static", "dhcp", "bootp"}));
    binding.ValuesToControls(0);
    EXPECT_EQ(group.itemIndex(), 1);
    group.setItemIndex(2);
    binding.ControlsToValues(0);
    EXPECT_EQ(Value(), "3");
}

TEST_F(ValueFields, PanelRowBuildsItsOwnBoxesAndUnbindReleasesThem) {
    Use(syntax::IpAddress, "192.168.0.1");
    QWidget panel(&window);
    panel.setObjectName("PN_Address");
    binding.BindPanel(0, "%i{w30n0x255l3}.%i{w30n0x255l3}.%i{w30n0x255l3}.%i{w30n0x255l3}", &panel);
    const QList<QLineEdit *> boxes = panel.findChildren<QLineEdit *>();
    ASSERT_EQ(boxes.size(), 4);
    binding.ValuesToControls(0);
    const auto &controls = binding.bindings().back().controls;
    EXPECT_EQ(qobject_cast<QLineEdit *>(controls[0].data())->text(), "192");
    EXPECT_EQ(qobject_cast<QLineEdit *>(controls[3].data())->text(), "1");
    qobject_cast<QLineEdit *>(controls[2].data())->setText("7");
    binding.ControlsToValues(0);
    EXPECT_EQ(Value(), "192.168.7.1");
    EXPECT_TRUE(binding.constraint().IsAttached(boxes[0]));
    binding.Unbind(0);
    EXPECT_TRUE(binding.bindings().empty());
    EXPECT_FALSE(binding.constraint().IsAttached(boxes[0]));
}

TEST(DateTimeNumber, SplitsAndJoinsDaysSince1899) {
    const DateTimeFields f = SplitDateTimeNumber(45000.5);
    EXPECT_EQ(f.year, 2023);
    EXPECT_EQ(f.month, 3);
    EXPECT_EQ(f.day, 15);
    EXPECT_EQ(f.hour, 12);
    EXPECT_EQ(f.minutes, 0);
    EXPECT_DOUBLE_EQ(*JoinDateTimeNumber({2023, 3, 15, 12, 0, 0, 0}), 45000.5);
    EXPECT_FALSE(JoinDateTimeNumber({2023, 2, 30, 0, 0, 0, 0}).has_value());
}

}  // namespace
