#include "catalogue/model/entry_reading.h"

#include "catalogue/model/json_text.h"
#include "catalogue/model/terminal_text.h"
#include "engine/port_ranges.h"
#include "engine/readable_values.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

std::size_t Width(const std::string &s) {
    std::size_t w = 0;
    for (unsigned char c : s) w += (c & 0xC0) != 0x80 ? 1 : 0;
    return w;
}

void AppendPadded(std::string &out, const std::string &text, std::size_t width) {
    out += text;
    out.append(width - std::min(width, Width(text)), ' ');
}

// The value exactly as the device holds it, quoted where it carries separators, quotes or line
// breaks; only a NUL octet, which many readers take for the end of the file, is written as in JSON.
std::string CsvField(const std::string &s) {
    std::string p;
    p.reserve(s.size());
    for (char c : s) {
        if (c == '\0')
            p += "\\u0000";
        else
            p += c;
    }
    if (p.find_first_of(",\"\r\n") == std::string::npos) return p;
    std::string out = "\"";
    for (char c : p) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string CsvRecord(const std::vector<std::string> &fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        out += CsvField(fields[i]);
    }
    return out + "\r\n";
}

bool IsPortListCell(const PageReading &page, std::size_t r, std::size_t c) {
    const std::size_t mark = page.table ? c : r;
    const bool valueCell = page.table || c == 1;
    return valueCell && mark < page.portLists.size() && page.portLists[mark];
}

// A port-list cell as ranges; nullopt for any other cell and for a value that is no port list.
std::optional<std::string> PortsOf(const PageReading &page, std::size_t r, std::size_t c) {
    if (!IsPortListCell(page, r, c)) return std::nullopt;
    return PortListText(page.rows[r][c], kSwitchPorts);
}

// The columns that hold port lists: the value column of an editor, each marked column of a table.
std::vector<std::size_t> PortColumns(const PageReading &page) {
    std::vector<std::size_t> out;
    for (std::size_t mark = 0; mark < page.portLists.size(); ++mark) {
        if (!page.portLists[mark]) continue;
        if (!page.table) return {1};
        out.push_back(mark);
    }
    return out;
}

// The page's values as text shows them: port lists as ranges.
std::vector<std::vector<std::string>> ShownRows(const PageReading &page) {
    std::vector<std::vector<std::string>> rows = page.rows;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) rows[r][c] = PortsOf(page, r, c).value_or(rows[r][c]);
    return rows;
}

// Files keep the exact values and add each port list's ranges in a column of its own after the
// others, so the columns a script already reads keep their places.
std::vector<std::string> CsvColumns(const PageReading &page) {
    std::vector<std::string> columns = page.columns;
    for (std::size_t c : PortColumns(page)) columns.push_back(page.columns[c] + " (ports)");
    return columns;
}

std::vector<std::string> CsvRow(const PageReading &page, std::size_t r) {
    std::vector<std::string> row = page.rows[r];
    for (std::size_t c : PortColumns(page)) row.push_back(PortsOf(page, r, c).value_or(""));
    return row;
}

std::string JsonPorts(const std::optional<std::string> &ports) { return ports ? JsonString(*ports) : "null"; }

// A table's port lists as ranges: one object per row, keyed by column caption.
std::string JsonTablePorts(const PageReading &page) {
    const std::vector<std::size_t> columns = PortColumns(page);
    if (columns.empty()) return {};
    std::string out = ",\"ports\":[";
    for (std::size_t r = 0; r < page.rows.size(); ++r) {
        out += r ? ",\n{" : "\n{";
        for (std::size_t k = 0; k < columns.size(); ++k)
            out += (k ? "," : "") + JsonString(page.columns[columns[k]]) + ":" + JsonPorts(PortsOf(page, r, columns[k]));
        out += "}";
    }
    return out + "]";
}

std::string PageText(const PageReading &page) {
    const std::vector<std::vector<std::string>> rows = ShownRows(page);
    std::vector<std::size_t> widths(page.columns.size(), 0);
    auto measure = [&](const std::vector<std::string> &row) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            widths[c] = std::max(widths[c], Width(PrintableText(row[c])));
        }
    };
    if (page.table) measure(page.columns);
    for (const auto &row : rows) measure(row);
    auto line = [&](const std::vector<std::string> &row) {
        std::string out;
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            if (c + 1 == row.size()) out += PrintableText(row[c]);
            else AppendPadded(out, PrintableText(row[c]), widths[c] + 2);
        }
        return out + "\n";
    };
    std::string out;
    if (page.table) out += line(page.columns);
    for (const auto &row : rows) out += line(row);
    return out;
}

}  // namespace

std::string FormatText(const EntryReading &reading) {
    std::string out;
    for (std::size_t i = 0; i < reading.pages.size(); ++i) {
        const PageReading &page = reading.pages[i];
        if (i) out += "\n";
        if (!page.caption.empty()) out += "[" + page.caption + "]\n";
        out += PageText(page);
    }
    return out;
}

std::string FormatCsv(const EntryReading &reading) {
    std::string out;
    for (std::size_t i = 0; i < reading.pages.size(); ++i) {
        const PageReading &page = reading.pages[i];
        if (i) out += "\r\n";
        if (!page.caption.empty()) out += CsvRecord({page.caption});
        out += CsvRecord(CsvColumns(page));
        for (std::size_t r = 0; r < page.rows.size(); ++r) out += CsvRecord(CsvRow(page, r));
    }
    return out;
}

std::string FormatJson(const EntryReading &reading) {
    std::string out = "{\"entry\":" + JsonArray(reading.path, JsonString) + ",\"title\":" + JsonString(reading.title) +
                      ",\"pages\":[";
    for (std::size_t i = 0; i < reading.pages.size(); ++i) {
        const PageReading &page = reading.pages[i];
        if (i) out += ",";
        out += "\n{\"page\":" + JsonString(page.caption) + ",\"kind\":" + (page.table ? "\"table\"" : "\"editor\"");
        if (page.table) {
            out += ",\"columns\":" + JsonArray(page.columns, JsonString) + ",\"rows\":[";
            for (std::size_t r = 0; r < page.rows.size(); ++r) {
                if (r) out += ",";
                out += '\n';
                out += JsonArray(page.rows[r], JsonValue);
            }
            out += "]" + JsonTablePorts(page);
        } else {
            out += ",\"values\":[";
            for (std::size_t r = 0; r < page.rows.size(); ++r) {
                if (r) out += ",";
                out += "\n{\"label\":" + JsonString(page.rows[r][0]) + ",\"value\":" + JsonValue(page.rows[r][1]);
                if (IsPortListCell(page, r, 1)) out += ",\"ports\":" + JsonPorts(PortsOf(page, r, 1));
                out += "}";
            }
            out += "]";
        }
        out += "}";
    }
    return out + "]}\n";
}
