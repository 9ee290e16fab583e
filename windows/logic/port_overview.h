#pragma once

#include "catalogue/model/entry_reading.h"
#include "engine/descriptor.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A port's Counter32 values, or their increase between two polls.
struct PortCounters {
    std::uint32_t inOctets = 0;
    std::uint32_t outOctets = 0;
    std::uint32_t inErrors = 0;
    std::uint32_t outErrors = 0;
    std::uint32_t inDiscards = 0;
    std::uint32_t outDiscards = 0;
};

// One port as the device reported it in one poll.
struct PortSample : PortCounters {
    int port = 0;  // interface index
    std::string description;
    int adminStatus = 0;  // IF-MIB codes: 1 up, 2 down, 3 testing; 0 not read
    int operStatus = 0;
    std::uint64_t speed = 0;  // bits per second; 0 when the device reports none
    std::string duplex;       // "full", "half", or empty when the device does not say
    std::string pvid;         // empty when the device does not say
    std::string type;         // the port's medium as the device names it ("1000BASE-TX"), or empty
};

// Every port of one poll, and when the poll's answers were in.
struct PortPoll {
    std::int64_t atMs = 0;  // a monotonic clock, milliseconds
    std::vector<PortSample> ports;
    const PortSample *Find(int port) const;
};

// What happened on a port between two polls. Counters are Counter32: an increase is taken modulo
// 2^32, so a counter that wrapped once in the interval still gives its true increase.
struct PortChange : PortCounters {
    double seconds = 0;
    double inBitsPerSecond() const;
    double outBitsPerSecond() const;
};

std::uint32_t CounterIncrease(std::uint32_t before, std::uint32_t after);
// Nothing when the port is missing from the earlier poll or no time passed.
std::optional<PortChange> ChangeBetween(const PortPoll &earlier, const PortPoll &later, int port);

// The table rows of the polls, as their cells: the columns below, one row per port of `later`.
// Rates and deltas stay empty without an earlier poll.
const std::vector<std::string> &OverviewColumns();
enum OverviewColumn {
    kPortColumn, kDescriptionColumn, kAdminColumn, kOperColumn, kErrorsColumn, kDiscardsColumn, kSpeedColumn,
    kDuplexColumn, kPvidColumn, kInRateColumn, kInShareColumn, kOutRateColumn, kOutShareColumn,
};
std::vector<std::vector<std::string>> OverviewRows(const PortPoll *earlier, const PortPoll &later);
// Columns compared as numbers (an empty cell sorts below every number).
bool IsNumericColumn(int column);
// The page --show prints; rates are over the two polls' interval.
PageReading OverviewPage(const PortPoll &earlier, const PortPoll &later);

// IF-MIB status codes as words ("up", "down", ...); the number itself for an unknown code.
std::string InterfaceStatusText(int status);
// "1 Gb/s", "100 Mb/s", "0"; bit rates alike with one decimal where it matters.
std::string BitRateText(double bitsPerSecond);

// The front panel's hover text for a port: what the latest poll says, and the error and discard
// increases since the poll before it when there is one.
std::string PortHoverText(int port, const PortPoll *earlier, const PortPoll *later);
// The legend of the front panel's LED colours.
std::string LedLegendText();

// What the device's rows give, by column position of the tables below (values as the request
// engine shows them).
using TableRows = std::vector<std::vector<std::string>>;
PortPoll AssemblePoll(const TableRows &interfaces, const TableRows &portInfo, const TableRows &pvids, std::int64_t atMs);

// The tables a poll walks: interfaces, the switch's port information (duplex), the VLAN port table
// (PVID). Only the interfaces are needed; the others add what the device has.
extern const DescriptorRecord kOverviewInterfaceTable[];
extern const DescriptorRecord kOverviewPortInfoTable[];
extern const DescriptorRecord kOverviewPvidTable[];

// A poll read now with the session's parameters, each table walked to its end and stamped when the
// interfaces' counters were in. Throws CodedError
// when the interfaces cannot be read; a missing port information or VLAN table leaves those
// cells empty.
PortPoll ReadPortsNow();
// The clock of the polls' time stamps.
std::int64_t MonotonicMs();

// Two polls intervalMs apart, as the overview window shows the second.
PageReading ReadPortOverview(int intervalMs);

// The front-panel caption of a range of ports from what the device reports of their type
// ("1000BASE-TX"); only the speed ("1000BASE") when their media differ; nothing when that
// differs too or the device did not say.
std::string PortTypeCaption(const PortPoll &poll, int first, int last);
