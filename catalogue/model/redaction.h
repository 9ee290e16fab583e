#pragma once

#include <string>

struct PageReading;

// What a secret value becomes in a redacted snapshot: a fixed mark and a short hash of the value,
// so that a comparison of two snapshots still shows that it changed. The hash is salted with where
// the value lies (entry, page, column), so equal secrets in different places do not look alike.
std::string RedactedValue(const std::string &value, const std::string &where);

// Replaces a page's secret values by their marks, and the row instances of a table whose index
// holds a secret (an instance spells its index values).
void RedactSecrets(PageReading &page, const std::string &where);
