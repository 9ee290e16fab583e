#include "catalogue/model/sim_profile.h"

#include "engine/option_list.h"
#include "catalogue/model/catalogue_model.h"
#include "engine/var_list.h"

#include <map>
#include <set>
#include <vector>

namespace {

struct ColumnDef {
    std::string name;
    std::uint32_t syntax = 0;
    std::string access;  // ro, rw, rc or na
    std::string range;
    std::string defaultValue;
    bool index = false;
    bool implied = false;
};

struct TableDef {
    std::string statusRule;  // status=N create=.. destroy=..
    std::map<std::uint32_t, ColumnDef> columns;
    std::vector<std::uint32_t> indexOrder;
};

struct ProfileModel {
    std::map<std::string, std::string> objects;  // oid -> line
    std::map<std::string, TableDef> tables;      // entry oid -> table
};

std::string Name(const std::string &label) {
    std::string out;
    for (char c : label) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) out += c;
    }
    return out.empty() ? "value" : out;
}

std::string Quote(const std::string &text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// Octet strings whose value text is their hexadecimal form.
bool IsHexText(std::uint32_t syntax) {
    return syntax == syntax::OctetString || syntax == syntax::BitString || syntax == syntax::Opaque;
}

// A plausible value for a record, in the profile's value form.
std::string PlausibleValue(const CatalogueRecord &r) {
    if (r.options != nullptr && r.options->Count() > 0) {
        return (IsHexText(r.syntax) ? "hex:" : "") + r.options->EntryAt(0).value;
    }
    switch (r.syntax) {
    case syntax::Integer: return "1";
    case syntax::BitString: return "hex:F00F000000000F";
    case syntax::OctetString:
    case syntax::Opaque: return "hex:00112233";
    case syntax::ObjectId: return "1.3.6.1.4.1.171.10.76";
    case syntax::IpAddress: return "10.90.90.90";
    case syntax::Counter: return "1000";
    case syntax::Gauge: return "100";
    case syntax::TimeTicks: return "360000";
    case syntax::Counter64: return "5000000000";
    case syntax::UInteger: return "1";
    case syntax::MacAddress: return "hex:0050BA000001";
    case syntax::DateAndTime: return "hex:07EA0C0A0C0000002B0000";
    case syntax::Ipv6Address: return "hex:FE800000000000000250BAFFFE000001";
    default: return Quote(r.label);
    }
}

std::string Range(const CatalogueRecord &r) {
    if (r.options == nullptr || r.options->valueKind() != VdOptionList::Integer || IsHexText(r.syntax)) return {};
    std::string out;
    for (int i = 0; i < r.options->Count(); ++i) out += (i ? "," : "") + r.options->EntryAt(i).value;
    return out;
}

std::string ParentOid(const std::string &oid) {
    const auto dot = oid.rfind('.');
    return dot == std::string::npos ? std::string() : oid.substr(0, dot);
}

std::uint32_t LastArc(const std::string &oid) { return static_cast<std::uint32_t>(std::stoul(oid.substr(oid.rfind('.') + 1))); }

std::string Access(const CatalogueRecord &r, bool creatable) {
    if (r.access & access_bit::Writable) return creatable ? "rc" : "rw";
    if (r.access & access_bit::Readable) return "ro";
    return "na";
}

// The k-th of a column's allowed values, counting round from the first.
std::string RangeValue(const std::string &range, int k) {
    std::vector<std::string> values;
    for (std::size_t start = 0;;) {
        const auto comma = range.find(',', start);
        values.push_back(range.substr(start, comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return values[static_cast<std::size_t>(k - 1) % values.size()];
}

// The index sub-identifiers of row k for one index component.
std::string IndexPart(const ColumnDef &c, int k) {
    // An enumerated index takes only its listed values.
    if (!c.range.empty()) return RangeValue(c.range, k);
    const std::string n = std::to_string(k);
    switch (c.syntax) {
    case syntax::IpAddress: return "10.90.90." + n;
    case syntax::MacAddress: return "0.80.186.0.0." + n;
    case syntax::Ipv6Address: return "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0." + n;
    case syntax::OctetString:
    case syntax::BitString:
    case syntax::Opaque:
    case syntax::DisplayString: {
        const std::string text = "row" + n;
        std::string out = c.implied ? "" : std::to_string(text.size()) + ".";
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (i) out += '.';
            out += std::to_string(static_cast<unsigned char>(text[i]));
        }
        return out;
    }
    case syntax::ObjectId: return c.implied ? "1.3.6." + n : "4.1.3.6." + n;
    default: return n;
    }
}

// The status rule of a table with a row-status column, from the values its entry creates and
// destroys rows with.
std::string StatusRule(const PanelRecipe &b) {
    const CatalogueRecord &status = b.records[static_cast<std::size_t>(b.statusRow)];
    if (status.options == nullptr || status.oid == " ") return {};
    const VdOptionList &o = *status.options;
    const std::string create = o.ValueOf(b.addValue);
    const std::string destroy = o.ValueOf(b.deleteValue);
    const int active = o.IndexOfLabel("active");
    std::string creates = create;
    if (b.addValue.rfind("createAnd", 0) == 0 && active >= 0) creates += ":" + o.EntryAt(active).value;
    const int wait = o.IndexOfLabel("createAndWait");
    const int notInService = o.IndexOfLabel("notInService");
    if (wait >= 0 && o.EntryAt(wait).value != create) {
        creates += "," + o.EntryAt(wait).value + (notInService >= 0 ? ":" + o.EntryAt(notInService).value : "");
    }
    return "status=" + std::to_string(LastArc(status.oid)) + " create=" + creates + " destroy=" + destroy;
}

void AddScalars(const PanelRecipe &b, bool instanceZero, ProfileModel &model) {
    for (const CatalogueRecord &r : b.records) {
        if (r.oid == " ") continue;
        const std::string oid = instanceZero ? r.oid + ".0" : r.oid;
        if (model.objects.count(oid)) continue;
        std::string line = "object " + oid + " " + Name(r.label) + " " + std::to_string(r.syntax) + " " +
                           Access(r, false);
        if (const std::string range = Range(r); !range.empty()) line += " range=" + range;
        model.objects[oid] = line + " value=" + PlausibleValue(r);
    }
}

void AddTable(const PanelRecipe &b, ProfileModel &model) {
    // The entry is the parent of the first column that is not an index component from elsewhere.
    std::string entry;
    for (std::size_t i = 0; i < b.records.size() && entry.empty(); ++i) {
        if (static_cast<int>(i) >= b.indexCount && b.records[i].oid != " ") entry = ParentOid(b.records[i].oid);
    }
    if (entry.empty()) return;
    TableDef &table = model.tables[entry];
    const bool creatable = b.statusRow >= 0;
    if (creatable && table.statusRule.empty()) table.statusRule = StatusRule(b);
    const bool fresh = table.indexOrder.empty();
    // An index component that is not a column of this entry (another table's column, or a blank
    // record) is served by no column of its own: it takes a column number no column of the entry
    // uses, and the table names its index order.
    std::set<std::uint32_t> taken;
    for (const CatalogueRecord &r : b.records) {
        if (r.oid != " " && ParentOid(r.oid) == entry) taken.insert(LastArc(r.oid));
    }
    for (const auto &[number, c] : table.columns) taken.insert(number);
    std::uint32_t spare = 0;
    for (std::size_t i = 0; i < b.records.size(); ++i) {
        const CatalogueRecord &r = b.records[i];
        const bool isIndex = static_cast<int>(i) < b.indexCount;
        const bool own = r.oid != " " && ParentOid(r.oid) == entry;
        if (!own && !isIndex) continue;
        if (isIndex && !fresh) continue;
        std::uint32_t number = own ? LastArc(r.oid) : spare;
        if (!own) {
            while (taken.count(number)) ++number;
            spare = number + 1;
            taken.insert(number);
        }
        if (table.columns.count(number)) continue;
        ColumnDef c;
        c.name = Name(r.label);
        c.syntax = r.syntax;
        c.access = own ? Access(r, creatable) : "na";
        c.range = Range(r);
        c.defaultValue = PlausibleValue(r);
        c.index = isIndex;
        c.implied = (r.access & access_bit::Implied) != 0;
        if (creatable && static_cast<int>(i) == b.statusRow && r.options != nullptr) {
            const int active = r.options->IndexOfLabel("active");
            c.defaultValue = active >= 0 ? r.options->EntryAt(active).value : r.options->ValueOf(b.addValue);
        }
        table.columns[number] = c;
        if (isIndex) table.indexOrder.push_back(number);
    }
}

void AddEntries(const std::vector<MenuEntry> &entries, ProfileModel &model) {
    for (const MenuEntry &e : entries) {
        AddEntries(e.children, model);
        for (const PanelRecipe &b : e.panels) {
            if (b.listKind == VdSNMPVarList::SingleInstance) AddScalars(b, false, model);
            else if (b.listKind == VdSNMPVarList::ScalarGroup || b.indexCount == 0) AddScalars(b, true, model);
            else AddTable(b, model);
        }
    }
}

// The table's index order, when it is not the order of the column numbers.
std::string IndexOrderRule(const TableDef &t) {
    bool ascending = true;
    std::string out;
    for (std::size_t i = 0; i < t.indexOrder.size(); ++i) {
        if (i > 0 && t.indexOrder[i] <= t.indexOrder[i - 1]) ascending = false;
        out += (i ? "," : "") + std::to_string(t.indexOrder[i]);
    }
    return ascending ? std::string() : " index=" + out;
}

}  // namespace

std::string SimProfileFromCatalogue(const MenuCatalogue &catalogue, const std::set<std::string> &defined) {
    ProfileModel model;
    for (const Menu &m : catalogue.menus()) AddEntries(m.entries, model);

    std::string out = "# Generated from the module's menu catalogue; the shipped profile overlays it.\n";
    for (const auto &[oid, line] : model.objects) {
        if (!defined.count(oid)) out += line + "\n";
    }
    for (const auto &[entry, table] : model.tables) {
        if (defined.count(entry)) continue;
        if (table.indexOrder.empty()) continue;
        out += "table " + entry + " t" + Name(entry) + (table.statusRule.empty() ? "" : " " + table.statusRule) +
               IndexOrderRule(table) + "\n";
        for (const auto &[number, c] : table.columns) {
            out += "column " + entry + " " + std::to_string(number) + " " + c.name + " " + std::to_string(c.syntax) +
                   " " + c.access;
            if (!c.range.empty()) out += " range=" + c.range;
            if (!c.index) out += " default=" + c.defaultValue;
            if (c.index) out += " index";
            if (c.implied) out += " implied";
            out += "\n";
        }
        for (int k = 1; k <= 3; ++k) {
            std::string index;
            for (std::uint32_t number : table.indexOrder) {
                if (!index.empty()) index += '.';
                index += IndexPart(table.columns.at(number), k);
            }
            std::string line = "row " + entry + " " + index;
            for (const auto &[number, c] : table.columns) {
                if (!c.index) line += " -";
            }
            out += line + "\n";
        }
    }
    return out;
}
