#include "device.h"
#include "scalars.h"

#include "binding/ui/request2edits.h"
#include "engine/messages.h"
#include "engine/coded_error.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using namespace scalars;

long SetRequestsSeen() { return std::stol(ReadBack(Scalar(kSetRequestsOid), syntax::Counter)); }

// An editor of the scalar group: edits, a drop-down list, a check box and a label.
class ScalarEditor : public ::testing::Test {
protected:
    void SetUp() override {
        WriteValue(Scalar(kContactOid), syntax::DisplayString, "network operations");
        WriteValue(Scalar(kNameOid), syntax::DisplayString, "QSW-7400");
        WriteValue(Scalar(kForwardingOid), syntax::Integer, "2");
        WriteValue(Scalar(kTtlOid), syntax::Integer, "64");
        WriteValue(Scalar(kRmonOid), syntax::Integer, "3");
        binding.request.list.Assign(VdSNMPVarList(kTable, VdSNMPVarList::ScalarGroup, 0));
        UseDevice(binding.request);
        contact.setObjectName("ED_Contact");
        name.setObjectName("ED_Name");
        forwarding.setObjectName("CB_Forwarding");
        forwarding.setEditable(true);
        ttl.setObjectName("ED_Ttl");
        rmon.setObjectName("CK_Rmon");
        upTime.setObjectName("ST_UpTime");
        binding.BindEdits(Contact, "%s{l255}", {&contact});
        binding.BindEdits(Name, "%s", {&name});
        binding.BindComboBox(Forwarding, &forwarding);
        binding.BindEdits(DefaultTtl, "%i{n1x255}", {&ttl});
        binding.BindControl(RmonState, 0, syntax::Integer, nullptr, &rmon);
        binding.BindStaticText(UpTime, &upTime);
    }
    void TearDown() override { WriteValue(Scalar(kRmonOid), syntax::Integer, "3"); }

    void ExpectReadValues() {
        EXPECT_EQ(contact.text(), "network operations");
        EXPECT_EQ(name.text(), "QSW-7400");
        EXPECT_EQ(forwarding.currentText(), "notForwarding");
        EXPECT_EQ(ttl.text(), "64");
        EXPECT_TRUE(rmon.isChecked());  // "enabled" is the second option
        EXPECT_TRUE(QRegularExpression(R"(^\d+:\d\d:\d\d\.\d\d$|day)").match(upTime.text()).hasMatch())
            << upTime.text().toStdString();
    }
    void EditEverything() {
        contact.setText("ops desk, room 4");
        forwarding.setCurrentIndex(0);
        ttl.setText("128");
        rmon.setChecked(false);
    }
    void ExpectDeviceEdited() {
        EXPECT_EQ(ReadBack(Scalar(kContactOid), syntax::DisplayString), "ops desk, room 4");
        EXPECT_EQ(ReadBack(Scalar(kNameOid), syntax::DisplayString), "QSW-7400");
        EXPECT_EQ(ReadBack(Scalar(kForwardingOid), syntax::Integer), "1");
        EXPECT_EQ(ReadBack(Scalar(kTtlOid), syntax::Integer), "128");
        EXPECT_EQ(ReadBack(Scalar(kRmonOid), syntax::Integer), "2");
    }

    QWidget window;
    VdSNMPRequest2Edits binding{&window};
    QLineEdit contact{&window}, name{&window}, ttl{&window};
    QComboBox forwarding{&window};
    QCheckBox rmon{&window};
    QLabel upTime{&window};
};

TEST_F(ScalarEditor, SynchronousReadFillsControlsAndOneSetWritesThemBack) {
    binding.asyncMode = false;
    binding.Get();
    EXPECT_FALSE(forwarding.isEditable());  // pick-only
    EXPECT_EQ(forwarding.count(), 2);
    ExpectReadValues();

    EditEverything();
    const long before = SetRequestsSeen();
    binding.Set(false, true);
    EXPECT_EQ(SetRequestsSeen() - before, 1);
    ExpectDeviceEdited();
    EXPECT_EQ(binding.request.list.Item(Forwarding).value, "forwarding");
}

TEST_F(ScalarEditor, AsynchronousReadAndSetThroughTheEventPump) {
    binding.Get();
    ASSERT_TRUE(WaitFor([&] { return !binding.busy; }));
    ExpectReadValues();

    EditEverything();
    int setsDone = 0;
    binding.setDone = [&](VdSNMPRequest2Controls &, const VdSNMPError &e) { setsDone += e.status == 0; };
    binding.Set(true, true);
    EXPECT_TRUE(binding.busy);
    ASSERT_TRUE(WaitFor([&] { return !binding.busy; }));
    EXPECT_EQ(setsDone, 1);
    ExpectDeviceEdited();
}

TEST_F(ScalarEditor, TextThatIsNotTheSyntaxIsRefusedBeforeAnythingIsSent) {
    binding.asyncMode = false;
    binding.Get();
    name.setText("renamed");
    ttl.setText("99999999999");  // digits pass the key filter
    const long before = SetRequestsSeen();
    try {
        binding.Set(false, true);
        FAIL() << "no error";
    } catch (const CodedError &e) {
        // The field's own check, which leaving the field runs, refuses it before the syntax would.
        EXPECT_EQ(e.message(), "Please enter a number between 1 and 255!");
    }
    EXPECT_FALSE(binding.busy);
    EXPECT_EQ(SetRequestsSeen(), before);
    EXPECT_EQ(ReadBack(Scalar(kNameOid), syntax::DisplayString), "QSW-7400");
}

TEST_F(ScalarEditor, UncollectedPlaceholderIsNeverSent) {
    binding.asyncMode = false;
    binding.Get();
    contact.setText("(NOTDONE)");
    name.setText("placeholder test");
    binding.Set(false, true);
    EXPECT_EQ(binding.request.list.Item(Contact).value, "(NOTDONE)");
    EXPECT_EQ(ReadBack(Scalar(kContactOid), syntax::DisplayString), "network operations");
    EXPECT_EQ(ReadBack(Scalar(kNameOid), syntax::DisplayString), "placeholder test");
    EXPECT_EQ(binding.request.list.Item(Contact).access, access_bit::ReadWrite);  // the exclusion was lifted
}

TEST_F(ScalarEditor, ExcludedVariablesAreNeitherShownNorCollected) {
    binding.asyncMode = false;
    binding.request.list.Item(Name).access |= access_bit::Excluded;
    name.setText("untouched");
    binding.Get();
    EXPECT_EQ(name.text(), "untouched");
    binding.request.list.Item(Name).value = "kept";
    binding.ControlsToValues(-1);
    EXPECT_EQ(binding.request.list.Item(Name).value, "kept");
}

}  // namespace
