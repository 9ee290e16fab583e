#include "windows/logic/acc_server_table.h"

namespace acc_server {

namespace {

constexpr OptionRecord kProtocolRecords[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {0, nullptr}};
constexpr OptionRecord kRowStateRecords[] = {{1, "add"}, {2, "delete"}, {0, nullptr}};

}  // namespace

const DescriptorRecord kDescriptors[] = {
    {"1.3.6.1.4.1.171.12.5.12.1.1", "Group Name", syntax::DisplayString, access_bit::Index, nullptr},
    {"1.3.6.1.4.1.171.12.5.12.1.2", "IP Addr", syntax::IpAddress, access_bit::Index, nullptr},
    {"1.3.6.1.4.1.171.12.5.12.1.3", "Auth Protocol", syntax::Integer, access_bit::Index, &kProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.12.1.4", "Row State", syntax::Integer, access_bit::ReadWrite, &kRowStateOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};

const VdOptionList kProtocolOptions(kProtocolRecords, VdOptionList::Integer);
const VdOptionList kRowStateOptions(kRowStateRecords, VdOptionList::Integer);
const char kFieldFormat[] = "%s{l16}";
const char kEmptyFieldsMessage[] = "Don't Leave Empty Fileds !";
const char kSetFailedMessage[] = "Set entry failed!";

std::string SetOkText(const std::string &timeOfDay) { return "Set: Ok!. Receive at " + timeOfDay + "."; }

}  // namespace acc_server
