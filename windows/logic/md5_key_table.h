#pragma once
// The MD5 key table without widgets: its variables and the checks of the key dialog.

#include "engine/descriptor.h"
#include "windows/logic/row_table.h"

#include <string>

namespace md5_key {

enum Row : int { kKeyId = 0, kKey = 1, kStatus = 2 };
constexpr int kIndexCount = 1;
enum Field : int { kKeyIdField = 0, kKeyField = 1, kStatusField = 2 };

extern const DescriptorRecord kDescriptors[];
extern const char kKeyIdFormat[];
extern const char kKeyFormat[];

struct KeyEntry {
    std::string keyId, key, status;  // the status as its label
};

// Add checks the new key ID against the listed ones; an edit checks the key alone.
row_table::Verdict CheckAdd(const KeyEntry &entry, const row_table::Rows &listed);
row_table::Verdict CheckEdit(const KeyEntry &entry);

}  // namespace md5_key
