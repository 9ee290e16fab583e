#include "catalogue/model/redaction.h"

#include "catalogue/model/entry_reading.h"

#include <QCryptographicHash>

namespace {

constexpr char kMark[] = "(redacted ";
constexpr int kHashDigits = 16;

}  // namespace

std::string RedactedValue(const std::string &value, const std::string &where) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::fromStdString(where));
    hash.addData(QByteArray(1, '\0'));
    hash.addData(QByteArray::fromStdString(value));
    return kMark + hash.result().toHex().left(kHashDigits).toStdString() + ")";
}

void RedactSecrets(PageReading &page, const std::string &where) {
    const std::string place = where + ">" + page.caption + ">";
    bool secretKey = false;
    for (std::size_t k = 0; k < page.secret.size(); ++k) {
        if (!page.secret[k]) continue;
        if (page.table) {
            secretKey = secretKey || k < page.keyColumns;
            for (auto &row : page.rows)
                if (k < row.size()) row[k] = RedactedValue(row[k], place + page.columns[k]);
        } else if (k < page.rows.size()) {
            page.rows[k][1] = RedactedValue(page.rows[k][1], place + page.rows[k][0]);
        }
    }
    if (secretKey)
        for (std::string &instance : page.instances) instance = RedactedValue(instance, place);
}
