#pragma once

#include <QString>

#include <cstdint>
#include <string>

// How the cells of a column compare when the list is sorted by it.
enum class CellOrder {
    Number,  // numerically; texts (named values) after the numbers
    Ticks,   // time ticks by their count
    Octets,  // addresses and index values by their octets, dotted numbers part by part
    Text,    // as text, letter case second
};

CellOrder OrderOfColumn(std::uint32_t syntax, bool index);

// A cell prepared once for the many comparisons of a sort.
struct CellKey {
    int rank = 0;             // numbers: 0 whole, 1 real, 2 none; octets: 0 dotted numbers, 1 other
    __int128 whole = 0;       // whole numbers (Counter64 too), time ticks
    double real = 0;
    std::string parts;        // dotted numbers, eight octets per part, most significant first
    QString text;
};

CellKey MakeCellKey(CellOrder order, const QString &cell);
// Negative, zero or positive as a sorts before, with or after b.
int CompareKeys(CellOrder order, const CellKey &a, const CellKey &b);
int CompareCells(CellOrder order, const QString &a, const QString &b);
