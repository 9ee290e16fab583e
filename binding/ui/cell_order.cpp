#include "binding/ui/cell_order.h"

#include "engine/descriptor.h"
#include "engine/value_text.h"

#include <QList>
#include <QStringView>

namespace {

int Sign(auto a, auto b) { return a < b ? -1 : (b < a ? 1 : 0); }

bool DottedNumbers(const QString &s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (!c.isDigit() && c != QLatin1Char('.')) return false;
    return true;
}

// Part by part as byte strings compare: a shorter list that begins the longer one sorts first.
std::string DottedParts(const QString &s) {
    std::string parts;
    for (QStringView part : QStringView(s).split(QLatin1Char('.'))) {
        const qulonglong n = part.toULongLong();
        for (int shift = 56; shift >= 0; shift -= 8) parts.push_back(static_cast<char>((n >> shift) & 0xFF));
    }
    return parts;
}

int CompareText(const QString &a, const QString &b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded : a.compare(b);
}

// A cell that does not read as a number (a named value, an empty cell) sorts after the numbers;
// equal numbers compare as text.
int CompareNumbers(const CellKey &a, const CellKey &b) {
    if ((a.rank == 2) != (b.rank == 2)) return a.rank == 2 ? 1 : -1;
    int n = 0;
    if (a.rank == 0 && b.rank == 0) n = Sign(a.whole, b.whole);
    else if (a.rank != 2) n = Sign(a.real, b.real);
    if (n != 0 || a.text == b.text) return n;
    return CompareText(a.text, b.text);
}

}  // namespace

CellOrder OrderOfColumn(std::uint32_t s, bool index) {
    switch (s) {
    case syntax::TimeTicks: return CellOrder::Ticks;
    case syntax::Integer:
    case syntax::Counter:
    case syntax::Gauge:
    case syntax::UInteger:
    case syntax::Counter64:
    case syntax::Double:
    case syntax::Int8:
    case syntax::UInt8:
    case syntax::Int16:
    case syntax::UInt16: return CellOrder::Number;
    case syntax::IpAddress:
    case syntax::NsapAddress:
    case syntax::MacAddress:
    case syntax::Ipv6Address:
    case syntax::OctetString:
    case syntax::BitString:
    case syntax::Opaque:
    case syntax::ObjectId: return CellOrder::Octets;
    default: return index ? CellOrder::Octets : CellOrder::Text;
    }
}

CellKey MakeCellKey(CellOrder order, const QString &cell) {
    CellKey key;
    switch (order) {
    case CellOrder::Number: {
        bool ok = false;
        if (const qlonglong n = cell.toLongLong(&ok); ok) {
            key.whole = n;
            key.real = static_cast<double>(n);
        } else if (const qulonglong u = cell.toULongLong(&ok); ok) {  // Counter64 above the signed range
            key.whole = static_cast<__int128>(u);
            key.real = static_cast<double>(u);
        } else {
            key.real = cell.toDouble(&ok);
            key.rank = ok ? 1 : 2;
        }
        key.text = cell;
        break;
    }
    case CellOrder::Ticks: key.whole = ParseTimeTicks(cell.toStdString()); break;
    case CellOrder::Octets:
        // Other octet texts (hex) as spelt, which for hex of the same case is the order of the octets.
        if (DottedNumbers(cell)) key.parts = DottedParts(cell);
        else key.rank = 1;
        key.text = cell;
        break;
    case CellOrder::Text: key.text = cell; break;
    }
    return key;
}

int CompareKeys(CellOrder order, const CellKey &a, const CellKey &b) {
    switch (order) {
    case CellOrder::Number: return CompareNumbers(a, b);
    case CellOrder::Ticks: return Sign(a.whole, b.whole);
    case CellOrder::Octets:
        if (a.rank == 0 && b.rank == 0) return Sign(a.parts, b.parts);
        return CompareText(a.text, b.text);
    case CellOrder::Text: return CompareText(a.text, b.text);
    }
    return 0;
}

int CompareCells(CellOrder order, const QString &a, const QString &b) {
    return CompareKeys(order, MakeCellKey(order, a), MakeCellKey(order, b));
}
