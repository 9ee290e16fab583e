#include "windows/logic/port_overview.h"

#include "engine/coded_error.h"
#include "engine/request.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <thread>

namespace {

using namespace syntax;
constexpr std::uint32_t kRead = access_bit::Readable;
constexpr std::uint32_t kIndex = access_bit::Index;
constexpr DescriptorRecord kEnd{nullptr, nullptr, 0, 0, nullptr};

}  // namespace

// Column positions below are read by AssemblePoll.
const DescriptorRecord kOverviewInterfaceTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", Integer, kIndex, nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "Description", DisplayString, kRead, nullptr},
    {"1.3.6.1.2.1.2.2.1.5", "Speed", Gauge, kRead, nullptr},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", Integer, kRead, nullptr},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", Integer, kRead, nullptr},
    {"1.3.6.1.2.1.2.2.1.10", "In Octets", Counter, kRead, nullptr},
    {"1.3.6.1.2.1.2.2.1.13", "In Discards", Counter, kRead, nullptr},
    {"1.3.6.1.2.1.2.2.1.14", "In Errors", Counter, kRead, nullptr},
    {"1.3.6.1.2.1.2.2.1.16", "Out Octets", Counter, kRead, nullptr},
    {"1.3.6.1.2.1.2.2.1.19", "Out Discards", Counter, kRead, nullptr},
    {"1.3.6.1.2.1.2.2.1.20", "Out Errors", Counter, kRead, nullptr},
    kEnd,
};

const DescriptorRecord kOverviewPortInfoTable[] = {
    {"1.3.6.1.4.1.171.11.69.4.2.4.4.1.1", "Port Index", Integer, kIndex, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.2.4.4.1.2", "Medium Type", Integer, kIndex, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.2.4.4.1.4", "Type", Integer, kRead, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.2.4.4.1.6", "Nway Status", Integer, kRead, nullptr},
    kEnd,
};

const DescriptorRecord kOverviewPvidTable[] = {
    {" ", "Base Port", Integer, kIndex, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PVID", Gauge, kRead, nullptr},
    kEnd,
};

namespace {

enum InterfaceCell { kIfIndex, kIfDescr, kIfSpeed, kIfAdmin, kIfOper, kIfInOctets, kIfInDiscards, kIfInErrors,
                     kIfOutOctets, kIfOutDiscards, kIfOutErrors, kIfCells };
enum PortInfoCell { kInfoPort, kInfoMedium, kInfoType, kInfoNway, kInfoCells };
enum PvidCell { kPvidPort, kPvidValue, kPvidCells };

std::int64_t Number(const std::string &text) {
    try {
        std::size_t used = 0;
        const long long value = std::stoll(text, &used);
        return used == text.size() ? value : 0;
    } catch (const std::exception &) {
        return 0;
    }
}

std::uint32_t Counter32(const std::string &text) { return static_cast<std::uint32_t>(Number(text)); }

// The port information table's link speed and duplex codes: half below full at each speed.
std::string DuplexOfNway(int code) {
    switch (code) {
    case 3: case 5: case 7: return "half";
    case 4: case 6: case 8: case 9: return "full";
    default: return {};
    }
}

// The port information table's type codes, without their common prefix.
std::string TypeText(int code) {
    static const char *const kTypes[] = {
        nullptr, "100BASE-TX", "100BASE-FX", "100BASE-FL", "1000BASE-TX", "1000BASE-SX", "1000BASE-LX",
        "1000BASE-SX GBIC", "1000BASE-LX GBIC", "1000BASE-TX GBIC", "1000BASE 1394", "1000BASE-TX Combo",
        "1000BASE GBIC", "1000BASE-SX SFP", "1000BASE-LX SFP", "1000BASE-TX SFP", "1000BASE SFP", "SIO", "10G",
        "10G XENPAK", "10G XENPAK", "10G XENPAK", "10G XFP", "10G XFP", "10G XFP"};
    const int count = static_cast<int>(sizeof kTypes / sizeof kTypes[0]);
    return code > 0 && code < count ? kTypes[code] : std::string();
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Increase(std::uint32_t in, std::uint32_t out) {
    return "+" + std::to_string(in) + " in, +" + std::to_string(out) + " out";
}

std::string Share(double bitsPerSecond, std::uint64_t speed) {
    if (speed == 0) return {};
    return Fixed(100.0 * bitsPerSecond / static_cast<double>(speed), 2);
}

}  // namespace

const PortSample *PortPoll::Find(int port) const {
    for (const PortSample &sample : ports)
        if (sample.port == port) return &sample;
    return nullptr;
}

double PortChange::inBitsPerSecond() const { return seconds > 0 ? 8.0 * inOctets / seconds : 0; }
double PortChange::outBitsPerSecond() const { return seconds > 0 ? 8.0 * outOctets / seconds : 0; }

std::uint32_t CounterIncrease(std::uint32_t before, std::uint32_t after) {
    return static_cast<std::uint32_t>(after - before);  // modulo 2^32
}

std::optional<PortChange> ChangeBetween(const PortPoll &earlier, const PortPoll &later, int port) {
    const PortSample *a = earlier.Find(port);
    const PortSample *b = later.Find(port);
    if (a == nullptr || b == nullptr || later.atMs <= earlier.atMs) return std::nullopt;
    PortChange change;
    change.seconds = static_cast<double>(later.atMs - earlier.atMs) / 1000.0;
    change.inOctets = CounterIncrease(a->inOctets, b->inOctets);
    change.outOctets = CounterIncrease(a->outOctets, b->outOctets);
    change.inErrors = CounterIncrease(a->inErrors, b->inErrors);
    change.outErrors = CounterIncrease(a->outErrors, b->outErrors);
    change.inDiscards = CounterIncrease(a->inDiscards, b->inDiscards);
    change.outDiscards = CounterIncrease(a->outDiscards, b->outDiscards);
    return change;
}

const std::vector<std::string> &OverviewColumns() {
    static const std::vector<std::string> columns = {
        "Port", "Description", "Admin", "Oper", "Errors", "Discards", "Speed (Mb/s)", "Duplex", "PVID",
        "In (bit/s)", "In %", "Out (bit/s)", "Out %"};
    return columns;
}

bool IsNumericColumn(int column) {
    switch (column) {
    case kPortColumn: case kSpeedColumn: case kPvidColumn: case kInRateColumn: case kInShareColumn:
    case kOutRateColumn: case kOutShareColumn: case kErrorsColumn: case kDiscardsColumn: return true;
    default: return false;
    }
}

std::vector<std::vector<std::string>> OverviewRows(const PortPoll *earlier, const PortPoll &later) {
    std::vector<std::vector<std::string>> rows;
    for (const PortSample &p : later.ports) {
        std::vector<std::string> row(OverviewColumns().size());
        row[kPortColumn] = std::to_string(p.port);
        row[kDescriptionColumn] = p.description;
        row[kAdminColumn] = InterfaceStatusText(p.adminStatus);
        row[kOperColumn] = InterfaceStatusText(p.operStatus);
        row[kSpeedColumn] = Fixed(static_cast<double>(p.speed) / 1e6, p.speed % 1000000 == 0 ? 0 : 3);
        row[kDuplexColumn] = p.duplex;
        row[kPvidColumn] = p.pvid;
        if (earlier != nullptr) {
            if (const std::optional<PortChange> c = ChangeBetween(*earlier, later, p.port)) {
                row[kInRateColumn] = Fixed(c->inBitsPerSecond(), 0);
                row[kInShareColumn] = Share(c->inBitsPerSecond(), p.speed);
                row[kOutRateColumn] = Fixed(c->outBitsPerSecond(), 0);
                row[kOutShareColumn] = Share(c->outBitsPerSecond(), p.speed);
                row[kErrorsColumn] = std::to_string(std::uint64_t{c->inErrors} + c->outErrors);
                row[kDiscardsColumn] = std::to_string(std::uint64_t{c->inDiscards} + c->outDiscards);
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

PageReading OverviewPage(const PortPoll &earlier, const PortPoll &later) {
    PageReading page;
    page.table = true;
    page.columns = OverviewColumns();
    page.rows = OverviewRows(&earlier, later);
    page.keyColumns = 1;
    for (const PortSample &p : later.ports) page.instances.push_back(std::to_string(p.port));
    for (std::size_t k = 0; k < page.columns.size(); ++k)
        page.moving.push_back(k == kErrorsColumn || k == kDiscardsColumn || k >= kInRateColumn);
    return page;
}

std::string InterfaceStatusText(int status) {
    static const char *const kWords[] = {nullptr, "up", "down", "testing", "unknown", "dormant", "notPresent",
                                         "lowerLayerDown"};
    if (status >= 1 && status <= 7) return kWords[status];
    return status == 0 ? std::string() : std::to_string(status);
}

std::string BitRateText(double bitsPerSecond) {
    struct Unit {
        double size;
        const char *name;
    };
    static const Unit kUnits[] = {{1e9, "Gb/s"}, {1e6, "Mb/s"}, {1e3, "kb/s"}};
    for (const Unit &unit : kUnits) {
        if (bitsPerSecond < unit.size) continue;
        const double value = bitsPerSecond / unit.size;
        const bool whole = std::fabs(value - std::round(value)) < 0.05;
        return Fixed(value, whole ? 0 : 1) + " " + unit.name;
    }
    return Fixed(bitsPerSecond, 0) + " b/s";
}

std::string PortHoverText(int port, const PortPoll *earlier, const PortPoll *later) {
    std::string text = "Port " + std::to_string(port);
    const PortSample *p = later != nullptr ? later->Find(port) : nullptr;
    if (p == nullptr) return text + "\n(not read yet)";
    if (!p->description.empty()) text += ": " + p->description;
    text += "\nAdmin " + InterfaceStatusText(p->adminStatus) + ", oper " + InterfaceStatusText(p->operStatus);
    text += "\nSpeed " + (p->speed > 0 ? BitRateText(static_cast<double>(p->speed)) : std::string("none reported"));
    if (!p->duplex.empty()) text += ", " + p->duplex + " duplex";
    if (!p->type.empty()) text += " (" + p->type + ")";
    text += "\nPVID " + (p->pvid.empty() ? std::string("not reported") : p->pvid);
    const std::optional<PortChange> c = earlier != nullptr ? ChangeBetween(*earlier, *later, port) : std::nullopt;
    if (!c) return text + "\nErrors and discards: counted from the next reading on";
    const std::string over = " in " + Fixed(c->seconds, c->seconds < 10 ? 1 : 0) + " s";
    text += "\nErrors " + Increase(c->inErrors, c->outErrors) + over;
    text += "\nDiscards " + Increase(c->inDiscards, c->outDiscards) + over;
    return text;
}

std::string LedLegendText() {
    return "Port LEDs\n"
           "green: link at the port's full speed (1 Gb/s)\n"
           "orange: link at a lower speed (10 or 100 Mb/s)\n"
           "dark: no link, or the device did not answer\n"
           "blinking: traffic on the port\n"
           "Power, Console, RPS: green when on or in use";
}

PortPoll AssemblePoll(const TableRows &interfaces, const TableRows &portInfo, const TableRows &pvids, std::int64_t atMs) {
    PortPoll poll;
    poll.atMs = atMs;
    std::map<int, std::pair<int, int>> info;  // port: type, link speed and duplex
    for (const auto &row : portInfo) {
        if (row.size() < kInfoCells) continue;
        const int port = static_cast<int>(Number(row[kInfoPort]));
        const int nway = static_cast<int>(Number(row[kInfoNway]));
        // A combo port has a row per medium: the one with a link tells.
        auto found = info.find(port);
        if (found == info.end() || DuplexOfNway(found->second.second).empty())
            info[port] = {static_cast<int>(Number(row[kInfoType])), nway};
    }
    std::map<int, std::string> pvid;
    for (const auto &row : pvids)
        if (row.size() >= kPvidCells) pvid[static_cast<int>(Number(row[kPvidPort]))] = row[kPvidValue];
    for (const auto &row : interfaces) {
        if (row.size() < kIfCells) continue;
        PortSample s;
        s.port = static_cast<int>(Number(row[kIfIndex]));
        s.description = row[kIfDescr];
        s.speed = static_cast<std::uint64_t>(std::max<std::int64_t>(0, Number(row[kIfSpeed])));
        s.adminStatus = static_cast<int>(Number(row[kIfAdmin]));
        s.operStatus = static_cast<int>(Number(row[kIfOper]));
        s.inOctets = Counter32(row[kIfInOctets]);
        s.inDiscards = Counter32(row[kIfInDiscards]);
        s.inErrors = Counter32(row[kIfInErrors]);
        s.outOctets = Counter32(row[kIfOutOctets]);
        s.outDiscards = Counter32(row[kIfOutDiscards]);
        s.outErrors = Counter32(row[kIfOutErrors]);
        if (const auto i = info.find(s.port); i != info.end()) {
            s.type = TypeText(i->second.first);
            s.duplex = DuplexOfNway(i->second.second);
        }
        if (const auto v = pvid.find(s.port); v != pvid.end()) s.pvid = v->second;
        poll.ports.push_back(std::move(s));
    }
    return poll;
}

namespace {

TableRows WalkTable(const DescriptorRecord *table, int indexCount) {
    VdSNMPRequest request;
    request.list.Assign(VdSNMPVarList(table, VdSNMPVarList::Table, indexCount));
    TableRows rows;
    request.ReadShown([&] {
        std::vector<std::string> &row = rows.emplace_back();
        for (int i = 0; i < request.list.Count(); ++i) row.push_back(request.list.Item(i).value);
    });
    return rows;
}

// A table the device may not have: a failure leaves it out.
TableRows WalkOptionalTable(const DescriptorRecord *table, int indexCount) {
    try {
        return WalkTable(table, indexCount);
    } catch (const CodedError &) {
        return {};
    }
}

}  // namespace

std::int64_t MonotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

PortPoll ReadPortsNow() {
    const TableRows interfaces = WalkTable(kOverviewInterfaceTable, 1);
    const std::int64_t atMs = MonotonicMs();
    return AssemblePoll(interfaces, WalkOptionalTable(kOverviewPortInfoTable, 2), WalkOptionalTable(kOverviewPvidTable, 1),
                        atMs);
}

PageReading ReadPortOverview(int intervalMs) {
    const PortPoll first = ReadPortsNow();
    std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
    return OverviewPage(first, ReadPortsNow());
}

std::string PortTypeCaption(const PortPoll &poll, int first, int last) {
    std::string common;
    for (int port = first; port <= last; ++port) {
        const PortSample *p = poll.Find(port);
        if (p == nullptr || p->type.empty()) return {};
        if (port == first) {
            common = p->type;
            continue;
        }
        // Media that differ may still share their speed ("1000BASE").
        std::size_t same = 0;
        while (same < common.size() && same < p->type.size() && common[same] == p->type[same]) ++same;
        auto boundary = [](const std::string &text, std::size_t i) {
            return i == text.size() || text[i] == '-' || text[i] == ' ';
        };
        while (same > 0 && !(boundary(common, same) && boundary(p->type, same))) --same;
        if (same == 0) return {};
        common.resize(same);
    }
    return common;
}
