#include "device.h"

#include "binding/led_color_map.h"
#include "binding/ui/led_shape.h"
#include "binding/ui/message_box.h"
#include "binding/ui/request2leds.h"
#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"

#include <QFrame>
#include <QLabel>
#include <QRegularExpression>
#include <QStatusBar>
#include <QUdpSocket>

#include <gtest/gtest.h>

namespace {

constexpr LedColour kBlack = 0, kGreen = 0x00FF00, kOrange = 0x4080FF, kRed = 0x0000FF;
constexpr LedColourRecord kPortColours[] = {{0, kBlack}, {1, kOrange}, {2, kGreen}, {0, kNoColour}};
const VdSNMPLedColorMapList kPorts(kPortColours, 7, 0x80, kBlack, kRed);
const VdSNMPLedColorMapList kPortsStrict(kPortColours, 7, 0x80, kBlack, kNoColour);

std::string Bytes(std::initializer_list<int> bytes) {
    std::string raw;
    for (int b : bytes) raw += static_cast<char>(b);
    return raw;
}

TEST(LedColourMap, LooksUpKeysAsBytesAndGivesBlackForUnknownKeys) {
    EXPECT_EQ(kPorts.IndexOf(2), 2);
    EXPECT_EQ(kPorts.ColourOf(1), kOrange);
    EXPECT_EQ(kPorts.IndexOf(4), -1);
    EXPECT_EQ(kPorts.ColourOf(4), kBlack);
}

TEST(LedColourMap, ToolkitColourHasRedInTheLowestByte) {
    EXPECT_EQ(ToQColor(kOrange), QColor(0xFF, 0x80, 0x40));
    EXPECT_EQ(ToQColor(kGreen), QColor(0, 0xFF, 0));
    EXPECT_EQ(ToQColor(kRed), QColor(0xFF, 0, 0));
}

struct LedCase {
    const char *name;
    std::string raw;
    std::size_t position;
    int layout;
    LedColour colour;
    bool blinking;
};

TEST(LedState, FollowsTheLayoutOfStatusAndPortBytes) {
    const LedCase cases[] = {
        {"status byte in layout 1", Bytes({1, 2, 3}), 1, 1, kGreen, false},
        {"status byte below the ports", Bytes({2, 0, 0, 1, 2}), 0, 2, kGreen, false},
        {"port without link", Bytes({0, 0, 0, 1, 2}), 3, 2, kRed, false},
        {"blinking port coloured by its speed byte", Bytes({0, 0, 0, 0x82, 0x02}), 3, 2, kGreen, true},
        {"speed byte masked to its low bits", Bytes({0, 0, 0, 0x00, 0xF9}), 3, 2, kOrange, false},
        {"value shorter than the port", Bytes({0, 0, 0}), 3, 2, kRed, false},
        {"link byte without its speed byte", Bytes({0, 0, 0, 0x02}), 3, 2, kRed, false},
        {"unknown layout keeps the state", Bytes({0, 0, 0, 0, 1}), 3, 7, kOrange, true},
    };
    for (const LedCase &c : cases) {
        const LedState s = EvaluateLedState(c.raw, c.position, c.layout, 3, kPorts, {kOrange, true});
        EXPECT_EQ(s.colour, c.colour) << c.name;
        EXPECT_EQ(s.blinking, c.blinking) << c.name;
    }
}

TEST(LedState, AbsentByteIsAnErrorWhenTheMapHasNoMissingColour) {
    try {
        EvaluateLedState(Bytes({0, 0, 0}), 3, 2, 3, kPortsStrict, {});
        FAIL() << "no error";
    } catch (const CodedError &e) {
        EXPECT_EQ(e.code(), -519);
        EXPECT_EQ(e.message(), messages::Text(MessageCatalogue::VdSnmp, 19));
    }
    // A port without link is dark then, not painted in a colour that does not exist.
    EXPECT_EQ(EvaluateLedState(Bytes({0, 0, 0, 1, 2}), 3, 2, 3, kPortsStrict, {}).colour, kBlack);
}

// A front panel of two port LEDs (bytes 3 and 5) over a status string of kind 1, instance 1.
class FrontPanel : public ::testing::Test {
protected:
    void SetUp() override {
        panel.setObjectName("LedPanel1");
        panel.setFrameShape(QFrame::Panel);
        leds.request.list.Clear();
        leds.request.list.kind = VdSNMPVarList::SingleInstance;
        leds.request.list.instance = "1";
        leds.request.list.AddItem("1.3.6.1.4.1.171.12.11.1.9.4.1.5", "Front Panel LED Status",
                                  syntax::DisplayString, access_bit::Readable);
        leds.SetLayout(2, 3);
        leds.AddLedRow(0, "3,5", kPorts, &panel, 0, 7, VdSNMPRequest2Leds::kRectangle, 6, 6);
    }
    LedColour Shape(int k) const { return leds.leds()[static_cast<std::size_t>(k)].shape->colour(); }
    void Show(const std::string &raw) {
        leds.request.list.Item(0).value = raw;
        leds.OnGetResult();
    }

    QWidget window;
    QFrame panel{&window};
    VdSNMPRequest2Leds leds{&window};
};

TEST_F(FrontPanel, RowPlacesNamedShapesSideBySideAndDropsTheBevel) {
    ASSERT_EQ(leds.leds().size(), 2u);
    EXPECT_EQ(leds.leds()[1].shape->objectName(), "LedPanel1_Led1");
    EXPECT_EQ(leds.leds()[1].shape->geometry(), QRect(13, 1, 6, 6));
    EXPECT_EQ(panel.frameShape(), QFrame::NoFrame);
    EXPECT_EQ(Shape(0), kBlack);
}

TEST_F(FrontPanel, BlinkingLedAlternatesForSixTicksThenStaysLit) {
    Show(Bytes({1, 1, 1, 0x82, 0x02, 0x00, 0x01}));  // port 1 blinks green, port 2 steady orange
    std::vector<LedColour> blinking{Shape(0)}, steady{Shape(1)};
    for (int tick = 0; tick < 9; ++tick) {
        leds.Paint();
        blinking.push_back(Shape(0));
        steady.push_back(Shape(1));
    }
    const std::vector<LedColour> expected{kGreen, kBlack, kGreen, kBlack, kGreen,
                                          kBlack, kGreen, kGreen, kGreen, kGreen};
    EXPECT_EQ(blinking, expected);
    EXPECT_EQ(steady, std::vector<LedColour>(10, kOrange));
    // A new result starts the blinking again, from the lit state to dark.
    Show(Bytes({1, 1, 1, 0x82, 0x02, 0x00, 0x01}));
    EXPECT_EQ(Shape(0), kBlack);
    leds.Paint();
    EXPECT_EQ(Shape(0), kGreen);
}

TEST_F(FrontPanel, BlinkTimerDrivesTheSequence) {
    Show(Bytes({1, 1, 1, 0x81, 0x01, 1, 0}));
    EXPECT_TRUE(leds.blinkTimer().isActive());
    EXPECT_EQ(leds.blinkTimer().interval(), 60);
    EXPECT_TRUE(WaitFor([&] { return leds.blinkCount > leds.blinkLimit; }, 3000));
    EXPECT_EQ(Shape(0), kOrange);
    EXPECT_EQ(Shape(1), kRed);  // no link
}

TEST_F(FrontPanel, ShortValueShowsTheMissingColourAndStrictMapRaises) {
    Show(Bytes({1, 1, 1, 0x00, 0x02}));
    EXPECT_EQ(Shape(0), kGreen);
    EXPECT_EQ(Shape(1), kRed);

    VdSNMPRequest2Leds strict(&window);
    strict.request.list.AddItem("1.3.6.1.4.1.171.12.11.1.9.4.1.5", "status", syntax::DisplayString,
                                access_bit::Readable);
    strict.SetLayout(2, 3);
    strict.AddLedRow(0, "5", kPortsStrict, &panel, 20, 7, VdSNMPRequest2Leds::kRectangle, 6, 6);
    strict.request.list.Item(0).value = Bytes({1, 1, 1, 0x00, 0x02});
    try {
        strict.OnGetResult();
        FAIL() << "no error";
    } catch (const CodedError &e) {
        EXPECT_EQ(e.code(), -519);
    }
}

TEST_F(FrontPanel, ResetAndStopPaintEveryLedOff) {
    Show(Bytes({1, 1, 1, 0x00, 0x02, 0x00, 0x01}));
    leds.StopPolling();
    EXPECT_EQ(Shape(0), kBlack);
    EXPECT_EQ(Shape(1), kBlack);
    EXPECT_FALSE(leds.blinkTimer().isActive());
    leds.request.alive = false;  // polls without traffic
    leds.StartPolling(300);
    EXPECT_TRUE(leds.blinkTimer().isActive());
    leds.StopPolling();
    EXPECT_THROW(leds.AddLedRow(0, "3,,5", kPorts, &panel, 0, 7, 0, 6, 6), CodedError);
    EXPECT_THROW(leds.AddLedRow(0, "3", kPorts, &panel, 0, 7, 1, 6, 6), CodedError);  // not a rectangle
}

TEST_F(FrontPanel, PollsTheDeviceAndShowsItsStatus) {
    UseDevice(leds.request);
    leds.request.list.caption = " Led Status";
    QStatusBar bar(&window);
    auto *status = new QLabel(&bar);
    bar.addWidget(status);
    leds.SetStatusTarget(status);
    leds.StartPolling(300);
    EXPECT_EQ(leds.pollTimer().interval(), 3000);
    ASSERT_TRUE(WaitFor([&] { return !status->text().isEmpty(); }));
    EXPECT_TRUE(QRegularExpression(R"(^Get: Ok! Request: Led Status\. Receive at \d\d:\d\d:\d\d \S+$)")
                    .match(status->text()).hasMatch())
        << status->text().toStdString();
    // The simulated switch starts with ports 1 and 2 linked (0x02) at speed byte 0x02.
    EXPECT_EQ(leds.request.list.Item(0).value.size(), 107u);
    EXPECT_EQ(leds.leds()[0].colour, kGreen);
    EXPECT_EQ(leds.leds()[1].colour, kGreen);
}

TEST_F(FrontPanel, ErrorWhilePaintingAResultEndsTheGetInTheStatusLine) {
    UseDevice(leds.request);
    leds.AddLedRow(0, "200", kPortsStrict, &panel, 20, 7, VdSNMPRequest2Leds::kRectangle, 6, 6);
    QLabel status;
    leds.SetStatusTarget(&status);
    MessageBox::reset();
    leds.Get();
    ASSERT_TRUE(WaitFor([&] { return !leds.busy; }));
    EXPECT_EQ(status.text().toStdString().rfind("Get: " + messages::Text(MessageCatalogue::VdSnmp, 19) + ". Receive at ", 0), 0u)
        << status.text().toStdString();
    EXPECT_EQ(MessageBox::shownCount(), 0);
}

TEST_F(FrontPanel, DeviceErrorResetsTheLedsIntoTheStatusLineWithoutAMessageBox) {
    QUdpSocket silent;
    ASSERT_TRUE(silent.bind(QHostAddress::LocalHost, 0));
    UseDevice(leds.request);
    leds.request.device.port = silent.localPort();
    leds.request.timeout = 10;
    leds.request.retries = 0;
    QLabel status;
    leds.SetStatusTarget(&status);
    Show(Bytes({1, 1, 1, 0x00, 0x02, 0x00, 0x01}));
    MessageBox::reset();
    leds.Get();
    ASSERT_TRUE(WaitFor([&] { return !leds.busy; }));
    EXPECT_EQ(Shape(0), kBlack);
    EXPECT_EQ(Shape(1), kBlack);
    EXPECT_TRUE(status.text().startsWith(QString::fromStdString("Get: " + TranslateStatus(-5).text)))
        << status.text().toStdString();
    EXPECT_EQ(MessageBox::shownCount(), 0);
}

}  // namespace
