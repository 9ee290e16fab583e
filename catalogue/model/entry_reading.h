#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What reading a catalogue entry gave, page by page, as the entry's window would show it.
struct PageReading {
    std::string caption;  // page caption; empty for single-panel entries
    bool table = false;
    // Tables: one column per shown column; scalars: the two columns "Label" and "Value".
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    // Tables: the leading columns that hold the row's index, and each row's instance identifier.
    std::size_t keyColumns = 0;
    std::vector<std::string> instances;
    // Values that differ between any two readings (counters, clocks), as the catalogue marks them;
    // tables: one per column, scalars: one per row.
    std::vector<bool> moving;
    // Communities, keys, passwords and pass phrases, as the catalogue marks them; one per column or
    // per scalar row, like moving.
    std::vector<bool> secret;
    // Port lists, shown as ranges in text: tables one per column, scalars one per row.
    std::vector<bool> portLists;
};

struct EntryReading {
    std::vector<std::string> path;  // captions from the top-level menu to the entry
    std::string title;
    std::vector<PageReading> pages;
    // Why a table read stopped short of its end (the row limit, a column the agent ended early),
    // a sentence per page that did, prefixed by the page's caption; its rows are kept.
    std::vector<std::string> shortfalls;
};

// Aligned, captioned columns; scalars as label and value lines; pages under their captions.
std::string FormatText(const EntryReading &reading);
// RFC 4180: a header row of column captions; pages one after another, each introduced by a record
// holding its caption and separated by an empty line. Port lists keep their hex and add their ranges
// in a "<caption> (ports)" column after the page's own columns.
std::string FormatCsv(const EntryReading &reading);
// Port lists keep their hex and add their ranges: a "ports" key beside an editor's value, and a
// table's "ports" array beside its rows (one object per row, keyed by column caption).
std::string FormatJson(const EntryReading &reading);
