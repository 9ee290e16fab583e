#include "engine/option_list.h"
#include "binding/ui/radio_group.h"
#include "binding/ui/request2edits.h"
#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

#include <gtest/gtest.h>

namespace {

enum Item { Address, Number, Octets, Unknown, Count, Gauge };

const OptionRecord kPrefixRecords[] = {{"1.3.6.1.6.3.10.1.1", "auth"}, {nullptr, nullptr}};
const VdOptionList kPrefix(kPrefixRecords, VdOptionList::TextPrefix);

// Every binding error of the edit binding, raised with its catalogue text and code, after which the
// binding still moves the values of its other variables.
class BindingErrors : public ::testing::Test {
protected:
    void SetUp() override {
        VdSNMPVarList &list = binding.request.list;
        list.AddItem("1.1", "address", syntax::IpAddress, access_bit::ReadWrite);
        list.AddItem("1.2", "number", syntax::Integer, access_bit::ReadWrite);
        list.AddItem("1.3", "octets", syntax::OctetString, access_bit::ReadWrite);
        list.AddItem("1.4", "unknown", 99, access_bit::ReadWrite);
        list.AddItem("1.5", "count", syntax::Counter, access_bit::ReadWrite);
        list.AddItem("1.6", "gauge", syntax::Gauge, access_bit::ReadWrite);
        list.Item(Address).value = "10.1.2.3";
        list.Item(Number).value = "42";
        list.Item(Octets).value = "FF";
        list.Item(Unknown).value = "1";
        binding.BindEdits(Number, "%i", {&good});
    }
    void ExpectStillUsable() {
        binding.request.list.Item(Number).value = "7";
        binding.ValuesToControls(Number);
        EXPECT_EQ(good.text(), "7");
        good.setText("8");
        binding.ControlsToValues(Number);
        EXPECT_EQ(binding.request.list.Item(Number).value, "8");
    }
    QLineEdit *Edit() {
        auto *e = new QLineEdit(&window);
        e->setObjectName(QStringLiteral("ED_%1").arg(window.children().size()));
        return e;
    }

    QWidget window;
    VdSNMPRequest2Edits binding{&window};
    QLineEdit good{&window};
};

struct ErrorCase {
    const char *name;
    int code;
    std::function<void(VdSNMPRequest2Edits &, BindingErrors &)> action;
};

TEST_F(BindingErrors, EachIsRaisedWithItsCatalogueTextAndLeavesTheBindingUsable) {
    QComboBox combo(&window);
    VdRadioGroup radio(&window);
    QPushButton button(&window);
    QCheckBox check(&window);
    QLabel label(&window);
    const ErrorCase cases[] = {
        {"drop-down list without options", -520, [&](auto &b, auto &) { b.BindComboBox(Number, &combo); }},
        {"radio group without options", -520,
         [&](auto &b, auto &) { b.BindControl(Number, 0, syntax::Integer, nullptr, &radio); }},
        {"prefix options without a second control", -522,
         [&](auto &b, auto &) { b.BindControl(Octets, 0, syntax::ObjectId, &kPrefix, &combo); }},
        {"address in three boxes", -522,
         [&](auto &b, auto &) {
             b.BindEdits(Address, "%i%i%i", {Edit(), Edit(), Edit()});
             b.ValuesToControls(Address);
         }},
        {"fewer edits than fields", -522, [&](auto &b, auto &) { b.BindEdits(Number, "%i.%i", {Edit()}); }},
        {"unsupported control shown", -521,
         [&](auto &b, auto &) {
             b.BindControl(Octets, 0, syntax::OctetString, nullptr, &button);
             b.ValuesToControls(Octets);
         }},
        {"unsupported control collected", -521, [&](auto &b, auto &) { b.ControlsToValues(Octets); }},
        {"check box on an integer without options", -517,
         [&](auto &b, auto &) {
             b.BindControl(Number, 0, syntax::Integer, nullptr, &check);
             b.ValuesToControls(Number);
         }},
        {"bit beyond the value", -519,
         [&](auto &b, auto &) {
             b.Unbind(Octets);
             b.BindCheckBoxBits(Octets, "15", {&check});
             b.ValuesToControls(Octets);
         }},
        {"field beyond the value", -519,
         [&](auto &b, auto &) {
             b.Unbind(Octets);
             b.BindControl(Octets, 1, syntax::UInt16, nullptr, &label);
             b.ValuesToControls(Octets);
         }},
        {"field of an unknown syntax", -511,
         [&](auto &b, auto &) {
             b.Unbind(Octets);
             b.BindControl(Octets, 0, 99, nullptr, &label);
             b.ValuesToControls(Octets);
         }},
        {"variable of an unknown syntax collected", -511,
         [&](auto &b, auto &) {
             b.BindStaticText(Unknown, &label);
             b.ControlsToValues(Unknown);
         }},
        {"bad input format", -2, [&](auto &b, auto &) { b.BindEdits(Number, "%q", {Edit()}); }},
        {"format without a field", -2, [&](auto &b, auto &) { b.BindEdits(Number, "abc", {Edit()}); }},
        {"bad bit list", -2, [&](auto &b, auto &) { b.BindCheckBoxBits(Octets, "1,,2", {&check, &check}); }},
        {"variable outside the list", -12, [&](auto &b, auto &) { b.BindStaticText(9, &label); }},
    };
    for (const ErrorCase &c : cases) {
        binding.Unbind(Number);
        binding.BindEdits(Number, "%i", {&good});
        try {
            c.action(binding, *this);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const CodedError &e) {
            EXPECT_EQ(e.code(), c.code) << c.name;
            const std::string text = c.code == -2 || c.code == -12 ? messages::Text(MessageCatalogue::Common, -c.code)
                                                                   : messages::Text(MessageCatalogue::VdSnmp, -c.code - 500);
            EXPECT_EQ(e.message(), text) << c.name;
        }
        binding.Unbind(Number);
        binding.BindEdits(Number, "%i", {&good});
        ExpectStillUsable();
    }
}

TEST_F(BindingErrors, WholeValueTextsMustConvertToTheirSyntax) {
    struct Case {
        Item item;
        const char *text;
        bool accepted;
    } cases[] = {
        {Address, "10.1.2.3", true},  {Address, "300.1.2.3", false}, {Address, "10.1.2", false},
        {Address, "10.1.2.3.4", false}, {Address, "a.b.c.d", false}, {Number, "-2147483648", true},
        {Number, "2147483648", false}, {Number, "12abc", false},     {Number, "", true},
        {Count, "4294967295", true},  {Count, "-1", false},          {Gauge, "4294967296", false},
        {Number, "(NULL)", true},  // an empty field holds no value; the set flow decides about it
    };
    QLineEdit &edit = *Edit();
    for (const Case &c : cases) {
        binding.Unbind(c.item);
        binding.BindEdits(c.item, "%s", {&edit});
        edit.setText(c.text);
        binding.request.list.Item(c.item).value = "unchanged";
        try {
            binding.ControlsToValues(c.item);
            EXPECT_TRUE(c.accepted) << c.text;
            EXPECT_EQ(binding.request.list.Item(c.item).value, c.text) << c.text;
        } catch (const CodedError &e) {
            EXPECT_FALSE(c.accepted) << c.text << ": " << e.code();
            EXPECT_EQ(e.code(), -518) << c.text;
            EXPECT_EQ(binding.request.list.Item(c.item).value, "unchanged") << c.text;
        }
        binding.Unbind(c.item);
    }
}

}  // namespace
