#include "windows/logic/ip_routing_table.h"

namespace ip_routing {

namespace {

constexpr OptionRecord kTypeRecords[] = {{2, "invalid"}, {3, "direct"}, {4, "indirect"}, {0, nullptr}};
constexpr OptionRecord kProtoRecords[] = {
    {2, "local"},      {3, "netmgmt"}, {4, "icmp"},         {5, "egp"},       {6, "ggp"},
    {7, "hello"},      {8, "rip"},     {9, "is-is"},        {10, "es-is"},    {11, "ciscoIgrp"},
    {12, "bbnSpfIgp"}, {13, "ospf"},   {14, "bgp"},         {0, nullptr}};

constexpr std::uint32_t kRead = access_bit::Readable;
constexpr std::uint32_t kReadWrite = access_bit::ReadWrite;

}  // namespace

const VdOptionList kTypeOptions(kTypeRecords, VdOptionList::Integer);
const VdOptionList kProtoOptions(kProtoRecords, VdOptionList::Integer);

const DescriptorRecord kDescriptors[] = {
    {"1.3.6.1.2.1.4.21.1.1", "Dest", syntax::IpAddress, access_bit::Index, nullptr},
    {"1.3.6.1.2.1.4.21.1.2", "IF Index", syntax::Integer, kReadWrite, nullptr},
    {"1.3.6.1.2.1.4.21.1.3", "Metric1", syntax::Integer, kReadWrite, nullptr},
    {"1.3.6.1.2.1.4.21.1.4", "Metric2", syntax::Integer, kReadWrite, nullptr},
    {"1.3.6.1.2.1.4.21.1.5", "Metric3", syntax::Integer, kReadWrite, nullptr},
    {"1.3.6.1.2.1.4.21.1.6", "Metric4", syntax::Integer, kReadWrite, nullptr},
    {"1.3.6.1.2.1.4.21.1.7", "Next Hop", syntax::IpAddress, kReadWrite, nullptr},
    {"1.3.6.1.2.1.4.21.1.8", "Type", syntax::Integer, kReadWrite, &kTypeOptions},
    {"1.3.6.1.2.1.4.21.1.9", "Proto", syntax::Integer, kRead, &kProtoOptions},
    {"1.3.6.1.2.1.4.21.1.10", "Age", syntax::Integer, kReadWrite, nullptr},
    {"1.3.6.1.2.1.4.21.1.11", "Mask", syntax::IpAddress, kReadWrite, nullptr},
    {"1.3.6.1.2.1.4.21.1.12", "Metric5", syntax::Integer, kReadWrite, nullptr},
    {"1.3.6.1.2.1.4.21.1.13", "Info", syntax::ObjectId, kRead, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

}  // namespace ip_routing
