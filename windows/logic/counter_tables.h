#pragma once
// What the counter windows read: their descriptor tables, row captions and opening differences.

#include "engine/descriptor.h"

#include <string>
#include <vector>

// One of the windows that watch a scalar group of MIB-II counters.
struct ScalarCounterDesign {
    const char *className;
    int width;
    int height;
    const char *visibleList;
    const char *hiddenList;
    const DescriptorRecord *table;  // read as one walked row
    std::vector<std::string> names;  // shown rows: counter i is cell i of the row read
    bool pollingBeforeOpeningRead;
    bool evaluatesOpeningRead;
};

const ScalarCounterDesign &UdpCounterDesign();
const ScalarCounterDesign &IpCounterDesign();
const ScalarCounterDesign &SnmpCounterDesign();
const ScalarCounterDesign &IcmpCounterDesign();

// The interface window: its list of interfaces, and the counters of one (suffix: its index).
extern const DescriptorRecord kInterfaceListTable[];
extern const DescriptorRecord kInterfaceCounterTable[];
const std::vector<std::string> &InterfaceCounterNames();

// The bridge port window: one table serves the port list and the counters of one port.
extern const DescriptorRecord kBridgePortTable[];
const std::vector<std::string> &BridgePortCounterNames();

// Cells of a chosen row's read before its counters (index and description or size).
inline constexpr std::size_t kChosenRowFirstCounterCell = 2;
