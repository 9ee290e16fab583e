#include "windows/logic/member_switch_table.h"

namespace member_switch {

using row_table::Refusal;

namespace {

#define MS_COLUMN(n) "1.3.6.1.4.1.171.12.8.1.3.1." #n

}  // namespace

const DescriptorRecord kListDescriptors[] = {
    {MS_COLUMN(1), "MS ID", syntax::Integer, access_bit::Index, nullptr},
    {MS_COLUMN(2), "MS Device Name", syntax::DisplayString, access_bit::Readable, nullptr},
    {MS_COLUMN(3), "MS MAC Addr", syntax::MacAddress, access_bit::Readable, nullptr},
    {MS_COLUMN(4), "MS Firmware Ver", syntax::DisplayString, access_bit::Readable, nullptr},
    {MS_COLUMN(5), "MS Capability", syntax::DisplayString, access_bit::Readable, nullptr},
    {MS_COLUMN(6), "MS Platform", syntax::DisplayString, access_bit::Readable, nullptr},
    {MS_COLUMN(7), "MS Holdtime", syntax::Integer, access_bit::Readable, nullptr},
    {MS_COLUMN(8), "MS CAS Source", syntax::Integer, access_bit::ReadWrite, nullptr},
    {MS_COLUMN(9), "MS Password", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {MS_COLUMN(10), "MS Row Status", syntax::Integer, access_bit::ReadWrite, &row_table::kRowStatusOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};

const DescriptorRecord kDialogDescriptors[] = {
    {MS_COLUMN(1), "ID", syntax::Integer, access_bit::Index, nullptr},
    {MS_COLUMN(8), "Member Candidate Source", syntax::Integer, access_bit::ReadWrite, nullptr},
    {MS_COLUMN(9), "Member Password", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {MS_COLUMN(10), "Member Row Status", syntax::Integer, access_bit::ReadWrite, &row_table::kRowStatusOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};

#undef MS_COLUMN

const char kIdFormat[] = "%i{n1x32l2a}";
const char kPasswordFormat[] = "%s";
const char kDuplicateMessage[] = "There is already a record with the same Member Siwitch ID. Please modified it.";

row_table::Verdict CheckAdd(const NewMember &member, const row_table::Rows &listed) {
    if (!member.id.empty() && row_table::HasNumber(listed, kId, member.id)) return Refusal{kDuplicateMessage, kIdField};
    if (member.id.empty()) return Refusal{"Member Siwitch ID is needed.", kIdField};
    if (member.candidateSource.empty()) return Refusal{"Member Candidate ID is needed.", kCandidateField};
    if (member.status != row_table::kCreateAndGo) return Refusal{"Member Row State must be createAndGo.", kStatusField};
    return std::nullopt;
}

const std::vector<int> &DeleteExclusions() {
    static const std::vector<int> rows{kCandidateSource, kPassword};
    return rows;
}

}  // namespace member_switch
