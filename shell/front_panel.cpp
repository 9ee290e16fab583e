#include "shell/front_panel.h"

#include "binding/led_color_map.h"
#include "binding/ui/request2leds.h"
#include "forms/exchange_scope.h"
#include "engine/coded_error.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr LedColour kBlack = 0;
constexpr LedColour kGreen = 0x00FF00;
constexpr LedColour kOrange = 0x4080FF;

constexpr LedColourRecord kPowerColours[] = {{1, kGreen}, {2, kGreen}, {3, kGreen}, {0, kNoColour}};
constexpr LedColourRecord kConsoleColours[] = {{1, kBlack}, {2, kGreen}, {3, kBlack}, {0, kNoColour}};
constexpr LedColourRecord kRedundantPowerColours[] = {{3, kGreen}, {4, kBlack}, {0, kNoColour}};
constexpr LedColourRecord kPortColours[] = {{0, kBlack}, {1, kOrange}, {2, kGreen}, {0, kNoColour}};
constexpr LedColourRecord kUplinkColours[] = {{0, kBlack}, {1, kOrange}, {2, kOrange}, {3, kGreen},
                                              {4, kGreen}, {0, kNoColour}};

// Built once, shared by every LED for the whole run.
const VdSNMPLedColorMapList kPowerMap(kPowerColours, 0xFF, 0, kBlack, kBlack);
const VdSNMPLedColorMapList kConsoleMap(kConsoleColours, 0xFF, 0, kBlack, kBlack);
const VdSNMPLedColorMapList kRedundantPowerMap(kRedundantPowerColours, 0xFF, 0, kBlack, kBlack);
const VdSNMPLedColorMapList kPortMap(kPortColours, 7, 0x80, kBlack, kBlack);
const VdSNMPLedColorMapList kUplinkMap(kUplinkColours, 7, 0x80, kBlack, kBlack);

const DescriptorRecord kLedStatus[] = {
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.5", "Front Panel LED Status", syntax::DisplayString,
     access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constexpr int kPortEntriesStart = 3;
constexpr int kLedTimeout = 300;
constexpr int kPollInterval = 300;  // tens of milliseconds

struct LedRow {
    QFrame *LedHolders::*holder;
    const char *positions;
    const VdSNMPLedColorMapList *map;
    int left;
    int spacing;
};

const LedRow kRows[] = {
    {&LedHolders::power, "0", &kPowerMap, 1, 10},
    {&LedHolders::console, "1", &kConsoleMap, 1, 10},
    {&LedHolders::redundantPower, "2", &kRedundantPowerMap, 1, 10},
    {&LedHolders::ports1to16, "3,5,7,9,11,13,15,17,19,21,23,25,27,29,31,33", &kPortMap, 0, 7},
    {&LedHolders::ports17to32, "35,37,39,41,43,45,47,49,51,53,55,57,59,61,63,65", &kPortMap, 0, 7},
    {&LedHolders::ports33to48, "67,69,71,73,75,77,79,81,83,85,87,89,91,93,95,97", &kPortMap, 0, 7},
    {&LedHolders::combo1, "99", &kUplinkMap, 0, 10},
    {&LedHolders::combo2, "101", &kUplinkMap, 0, 10},
    {&LedHolders::gigabit1, "103", &kUplinkMap, 0, 10},
    {&LedHolders::gigabit2, "105", &kUplinkMap, 0, 10},
};

}  // namespace

FrontPanel::FrontPanel(QWidget *owner, const LedHolders &holders, QLabel *statusPanel)
    : binding_(std::make_unique<VdSNMPRequest2Leds>(owner)) {
    try {
        VdSNMPVarList &list = binding_->request.list;
        list.Assign(VdSNMPVarList(kLedStatus, VdSNMPVarList::SingleInstance, 0));
        list.instance = "1";
        binding_->SetLayout(2, kPortEntriesStart);
        binding_->request.timeout = kLedTimeout;
        for (const LedRow &row : kRows)
            binding_->AddLedRow(0, row.positions, *row.map, holders.*row.holder, row.left, row.spacing, 0, 6, 6);
        list.caption = " Led Status";
        binding_->StartPolling(kPollInterval);
    } catch (const CodedError &) {
        // Nothing is shown: once polling runs, later polls report through the status panel.
    }
    binding_->SetStatusTarget(statusPanel);
}

FrontPanel::~FrontPanel() {
    binding_->StopPolling();
    ExchangeScope::StopAndWait(*binding_);
    ExchangeScope::Dispose(std::move(binding_));
}
