#include "windows/logic/md5_key_table.h"

namespace md5_key {

using row_table::Refusal;
using row_table::Verdict;

const DescriptorRecord kDescriptors[] = {
    {"1.3.6.1.4.1.171.11.69.4.3.4.1.1", "Key ID", syntax::Integer, access_bit::Index, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.3.4.1.2", "Key", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.3.4.1.3", "Status", syntax::Integer, access_bit::ReadWrite, &row_table::kRowStatusOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};
const char kKeyIdFormat[] = "%i{n1x255}";
const char kKeyFormat[] = "%s{l16}";

Verdict CheckEdit(const KeyEntry &entry) {
    if (entry.key.empty()) return Refusal{"Key is needed.", kKeyField};
    if (entry.key.find(' ') != std::string::npos) return Refusal{"Invalid key.", kKeyField};
    return std::nullopt;
}

Verdict CheckAdd(const KeyEntry &entry, const row_table::Rows &listed) {
    if (entry.keyId.empty()) return Refusal{"KeyID is needed.", kKeyIdField};
    if (row_table::HasNumber(listed, kKeyId, entry.keyId)) return Refusal{"KeyID must be different.", kKeyIdField};
    if (Verdict key = CheckEdit(entry)) return key;
    if (entry.status != row_table::kCreateAndGo) return Refusal{"Status should be createAndGo.", kStatusField};
    return std::nullopt;
}

}  // namespace md5_key
