#include "catalogue/model/catalogue_model.h"

#include "engine/number_text.h"
#include "engine/option_list.h"
#include "catalogue/model/device_command.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string_view>

namespace {

// Top-level menus of the menu bar, left to right, captions exactly as shown.
const char *const kTopLevelMenus[] = {
    "Basic Configuration", "Single IP Configuration", "Bridge",           "VLAN",
    "RMON",                "SNMP V3",                 "Security ",        "Layer2 Management",
    "Layer 3 Management",  "Help",
};

struct ParseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

bool ConsumePrefix(std::string_view &s, std::string_view prefix) {
    if (!StartsWith(s, prefix)) return false;
    s.remove_prefix(prefix.size());
    return true;
}

// Splits at a separator character that stands outside double quotes.
std::vector<std::string_view> SplitOutsideQuotes(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"') quoted = !quoted;
        if (!quoted && s[i] == separator) {
            parts.push_back(Trim(s.substr(start, i - start)));
            start = i + 1;
        }
    }
    parts.push_back(Trim(s.substr(start)));
    return parts;
}

std::string Quoted(std::string_view &s) {
    s = Trim(s);
    if (s.empty() || s.front() != '"') throw ParseError("a quoted text expected");
    const auto end = s.find('"', 1);
    if (end == std::string_view::npos) throw ParseError("a closing quote is missing");
    std::string text(s.substr(1, end - 1));
    s.remove_prefix(end + 1);
    return text;
}

int Number(std::string_view s) {
    const std::optional<std::int32_t> n = ParseSigned32(std::string(s));
    if (!n) throw ParseError("a number expected: " + std::string(Trim(s)));
    return *n;
}

// "N/M" as two numbers.
std::pair<int, int> Pair(std::string_view s) {
    const auto slash = s.find('/');
    if (slash == std::string_view::npos) throw ParseError("kind/count expected: " + std::string(s));
    return {Number(s.substr(0, slash)), Number(s.substr(slash + 1))};
}

// `name` as its text.
std::string BackQuoted(std::string_view s) {
    if (s.size() < 3 || s.front() != '`' || s.back() != '`') throw ParseError("`name` expected: " + std::string(s));
    return std::string(s.substr(1, s.size() - 2));
}

bool IsNumericOid(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s) {
        if ((c < '0' || c > '9') && c != '.') return false;
    }
    return true;
}

// title "A" [+ "B"]... [(no host)]
void ParseTitle(std::string_view s, MenuEntry &entry) {
    entry.title = Quoted(s);
    for (s = Trim(s); ConsumePrefix(s, "+"); s = Trim(s)) entry.title += Quoted(s);
    if (ConsumePrefix(s, "(no host)")) entry.titleWithHost = false;
    if (!Trim(s).empty()) throw ParseError("unexpected text after the title: " + std::string(s));
}

}  // namespace

class MenuTextParser {
public:
    MenuTextParser(MenuCatalogue &catalogue, const char *name) : catalogue_(catalogue), name_(name) {}

    void Parse(std::string_view text) {
        int lineNo = 0;
        while (!text.empty()) {
            const auto end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
            ++lineNo;
            try {
                ParseLine(line);
            } catch (const ParseError &e) {
                throw std::runtime_error(std::string(name_) + ":" + std::to_string(lineNo) + ": " + e.what());
            }
        }
        try {
            FinishEntry();
            if (menu_ == nullptr) throw ParseError("no menu line");
        } catch (const ParseError &e) {
            throw std::runtime_error(std::string(name_) + ": " + e.what());
        }
    }

private:
    void ParseLine(std::string_view line) {
        if (Trim(line).empty() || line.front() == '#') return;
        if (ConsumePrefix(line, "menu ")) return StartMenu(Quoted(line));
        if (menu_ == nullptr) throw ParseError("a menu line must come first");
        std::size_t indent = 0;
        while (indent < line.size() && line[indent] == ' ') ++indent;
        if (indent % 2 != 0) throw ParseError("indent must be a multiple of two blanks");
        std::string_view body = line.substr(indent);
        if (!ConsumePrefix(body, "- ")) throw ParseError("a line must start with '- '");
        const int depth = static_cast<int>(indent / 2);

        if (body == "separator" || StartsWith(body, "\"")) FinishEntry();
        if (body == "separator") return AddEntry(depth, MenuEntry());
        if (StartsWith(body, "\"")) return ParseEntryLine(depth, body);
        if (ConsumePrefix(body, "page ")) return StartPageRecords(depth, body);
        if (ConsumePrefix(body, "before add: ")) return ParseSteps(depth, body, &PanelRecipe::beforeAdd);
        if (ConsumePrefix(body, "after add: ")) return ParseSteps(depth, body, &PanelRecipe::afterAdd);
        ParseRecord(depth, body);
    }

    void StartMenu(const std::string &caption) {
        for (Menu &m : catalogue_.menus_) {
            if (m.caption == caption) {
                menu_ = &m;
                levels_ = {&m.entries};
                return;
            }
        }
        throw ParseError("not a menu of the menu bar: " + caption);
    }

    void AddEntry(int depth, MenuEntry entry) {
        if (depth >= static_cast<int>(levels_.size())) throw ParseError("entry indented below no submenu");
        levels_.resize(static_cast<std::size_t>(depth) + 1);
        auto &container = *levels_.back();
        container.push_back(std::move(entry));
        MenuEntry &added = container.back();
        if (added.kind == EntryKind::Submenu) levels_.push_back(&added.children);
        if (!added.panels.empty()) {
            entry_ = &added;
            entryDepth_ = depth;
        }
    }

    void ParseEntryLine(int depth, std::string_view body) {
        MenuEntry entry;
        entry.caption = Quoted(body);
        if (ConsumePrefix(body, " (submenu)")) {
            entry.kind = EntryKind::Submenu;
            if (!body.empty() && !ConsumePrefix(body, ", ")) throw ParseError("',' expected after (submenu)");
            if (!body.empty()) ParseEntryAdjustments(body, entry);
            return AddEntry(depth, std::move(entry));
        }
        if (!ConsumePrefix(body, ": ")) throw ParseError("':' or ' (submenu)' expected after the caption");
        const auto segments = SplitOutsideQuotes(body, ';');
        ParseKind(segments[0], entry);
        for (std::size_t i = 1; i < segments.size(); ++i) ParseSegment(segments[i], entry, i == 1);
        if ((entry.kind == EntryKind::Editor || entry.kind == EntryKind::Table || entry.kind == EntryKind::Pages) &&
            entry.panels.empty()) {
            throw ParseError("the entry names no descriptor table");
        }
        AddEntry(depth, std::move(entry));
    }

    void ParseKind(std::string_view segment, MenuEntry &entry) {
        const auto parts = SplitOutsideQuotes(segment, ',');
        std::string_view kind = parts[0];
        if (kind == "editor") entry.kind = EntryKind::Editor;
        else if (kind == "table") entry.kind = EntryKind::Table;
        else if (kind == "pages") entry.kind = EntryKind::Pages;
        else if (kind == "external module") entry.kind = EntryKind::ExternalModule;
        else if (kind == "help") entry.kind = EntryKind::Help;
        else if (ConsumePrefix(kind, "command ")) {
            entry.kind = EntryKind::Command;
            entry.command = FindDeviceCommand(BackQuoted(kind));
            if (entry.command == nullptr) throw ParseError("no such device command: " + std::string(kind));
        } else if (ConsumePrefix(kind, "window ")) {
            entry.kind = EntryKind::Window;
            entry.windowClass = BackQuoted(kind);
        } else {
            throw ParseError("unknown entry kind: " + std::string(parts[0]));
        }
        for (std::size_t i = 1; i < parts.size(); ++i) {
            std::string_view part = parts[i];
            if (ConsumePrefix(part, "title ")) ParseTitle(part, entry);
            else if (ConsumePrefix(part, "argument ")) entry.argument = Quoted(part);
            else if (!ParseEntryAdjustment(part, entry)) throw ParseError("unexpected: " + std::string(parts[i]));
        }
    }

    // A segment after the kind: a panel (root, kind/count, rows, adjustments), a page, or window
    // adjustments.
    void ParseSegment(std::string_view segment, MenuEntry &entry, bool first) {
        std::string_view page = segment;
        if (ConsumePrefix(page, "page ")) {
            if (!HoldsPages(entry)) throw ParseError("a page outside a pages or window entry");
            PanelRecipe panel;
            panel.pageCaption = Quoted(page);
            if (ConsumePrefix(page, " (editor): ")) panel.panel = PanelKind::Editor;
            else if (ConsumePrefix(page, " (table): ")) panel.panel = PanelKind::Table;
            else throw ParseError("a page must say (editor) or (table)");
            ParsePanel(page, panel, entry);
            entry.panels.push_back(std::move(panel));
            return;
        }
        if (first && entry.kind != EntryKind::Pages) {
            PanelRecipe panel;
            panel.panel = entry.kind == EntryKind::Table ? PanelKind::Table : PanelKind::Editor;
            ParsePanel(segment, panel, entry);
            entry.panels.push_back(std::move(panel));
            return;
        }
        for (std::string_view part : SplitOutsideQuotes(segment, ',')) {
            if (!ParseEntryAdjustment(part, entry)) {
                if (entry.panels.size() != 1) throw ParseError("unknown window adjustment: " + std::string(part));
                ParsePanelAdjustment(part, entry.panels.front());
            }
        }
    }

    void ParsePanel(std::string_view segment, PanelRecipe &panel, MenuEntry &entry) {
        const auto parts = SplitOutsideQuotes(segment, ',');
        if (parts.size() < 3) throw ParseError("root, kind/count and row count expected");
        panel.root = std::string(parts[0]);
        const auto [kind, count] = Pair(parts[1]);
        if (kind < 0 || kind > 3 || count < 0) throw ParseError("bad kind/count");
        panel.listKind = static_cast<std::uint8_t>(kind);
        panel.indexCount = count;
        std::string_view rows = parts[2];
        if (!(rows.ends_with(" rows") || rows.ends_with(" row"))) {
            throw ParseError("row count expected: " + std::string(parts[2]));
        }
        expectedRows_.push_back(Number(rows.substr(0, rows.find(' '))));
        for (std::size_t i = 3; i < parts.size(); ++i) {
            if (!ParseEntryAdjustment(parts[i], entry)) ParsePanelAdjustment(parts[i], panel);
        }
    }

    static void ParseEntryAdjustments(std::string_view text, MenuEntry &entry) {
        for (std::string_view part : SplitOutsideQuotes(text, ',')) {
            if (!ParseEntryAdjustment(part, entry)) throw ParseError("unexpected: " + std::string(part));
        }
    }

    static bool ParseEntryAdjustment(std::string_view part, MenuEntry &entry) {
        std::string_view p = part;
        if (p == "v2c") return entry.useV2cForCounter64 = true;
        if (p == "v3 only") return entry.v3Only = true;
        if (p == "local layout only") return entry.localLayoutOnly = true;
        if (p == "follows RMON state") return entry.followsRmonState = true;
        if (p == "restore first") return entry.restoreFirst = true;
        if (ConsumePrefix(p, "name ")) {
            entry.objectName = BackQuoted(p);
            return true;
        }
        if (ConsumePrefix(p, "pre-read ")) {
            entry.preRead = BackQuoted(p);
            return true;
        }
        if (p == "Counter64 question") return entry.askV2cForCounter64 = true;
        if (p == "close hook") return entry.closeHookRmonCheck = true;
        if (ConsumePrefix(p, "window height ")) {
            entry.windowHeight = Number(p);
            return true;
        }
        if (ConsumePrefix(p, "window ") && p.ends_with(" wider")) {
            entry.windowWider = Number(p.substr(0, p.size() - 6));
            return true;
        }
        return false;
    }

    static void ParsePanelAdjustment(std::string_view part, PanelRecipe &panel) {
        std::string_view p = part;
        using T = Adjustment::Type;
        if (ConsumePrefix(p, "status row ")) {
            const auto blank = p.find(' ');
            panel.statusRow = Number(p.substr(0, blank));
            p.remove_prefix(blank == std::string_view::npos ? p.size() : blank);
            panel.addValue = Quoted(p);
            if (!ConsumePrefix(p, "/")) throw ParseError("status row needs \"add\"/\"delete\"");
            panel.deleteValue = Quoted(p);
        } else if (ConsumePrefix(p, "format of row ")) {
            const auto blank = p.find(' ');
            const int row = Number(p.substr(0, blank));
            p.remove_prefix(blank == std::string_view::npos ? p.size() : blank);
            panel.adjustments.push_back({T::Format, row, 0, Quoted(p)});
        } else if (ConsumePrefix(p, "bit list row ")) {
            panel.adjustments.push_back({T::BitList, Number(p), 0, {}});
        } else if (ConsumePrefix(p, "dialog edit width ")) {
            panel.adjustments.push_back({T::DialogEditWidth, -1, Number(p), {}});
        } else if (ConsumePrefix(p, "edit width ")) {
            panel.adjustments.push_back({T::EditWidth, -1, Number(p), {}});
        } else if (p == "no edit") {
            panel.adjustments.push_back({T::NoEdit, -1, 0, {}});
        } else if (p == "rows not editable") {
            panel.adjustments.push_back({T::RowsNotEditable, -1, 0, {}});
        } else if (ConsumePrefix(p, "ask ")) {
            panel.adjustments.push_back({T::Ask, -1, 0, Quoted(p)});
        } else if (const bool forRow = ConsumePrefix(p, "row button "); forRow || ConsumePrefix(p, "button ")) {
            const std::string caption = Quoted(p);
            if (!ConsumePrefix(p, " opens ")) throw ParseError("a button says which window it opens");
            panel.adjustments.push_back({T::Button, -1, forRow ? 1 : 0, caption, BackQuoted(p)});
        } else if (ConsumePrefix(p, "session community row ")) {
            panel.adjustments.push_back({T::SessionRow, Number(p), 0, "community"});
        } else if (ConsumePrefix(p, "session user row ")) {
            panel.adjustments.push_back({T::SessionRow, Number(p), 0, "user"});
        } else if (p == "synchronous") {
            panel.adjustments.push_back({T::Synchronous, -1, 0, {}});
        } else if (ConsumePrefix(p, "row ") && p.ends_with(" preset")) {
            panel.adjustments.push_back({T::RowPreset, Number(p.substr(0, p.size() - 7)), 0, {}});
        } else {
            throw ParseError("unknown adjustment: " + std::string(part));
        }
    }

    // A dedicated window describes its settings as pages, for reading and restoring them.
    static bool HoldsPages(const MenuEntry &entry) {
        return entry.kind == EntryKind::Pages || entry.kind == EntryKind::Window;
    }

    void StartPageRecords(int depth, std::string_view body) {
        if (entry_ == nullptr || !HoldsPages(*entry_) || depth != entryDepth_ + 1) {
            throw ParseError("page records outside a pages or window entry");
        }
        const std::string caption = Quoted(body);
        if (body != ":") throw ParseError("':' expected after the page caption");
        for (std::size_t i = 0; i < entry_->panels.size(); ++i) {
            if (entry_->panels[i].pageCaption == caption) {
                binding_ = static_cast<int>(i);
                return;
            }
        }
        throw ParseError("no such page: " + caption);
    }

    PanelRecipe &CurrentBinding(int depth) {
        if (entry_ == nullptr) throw ParseError("a record outside an entry with descriptor tables");
        const bool pages = HoldsPages(*entry_);
        if (depth != entryDepth_ + (pages ? 2 : 1) || (pages && binding_ < 0)) {
            throw ParseError("a record at the wrong indent");
        }
        return entry_->panels[static_cast<std::size_t>(pages ? binding_ : 0)];
    }

    void ParseSteps(int depth, std::string_view body, std::vector<NotificationStep> PanelRecipe::*steps) {
        PanelRecipe &panel = CurrentBinding(depth);
        using T = NotificationStep::Type;
        for (std::string_view part : SplitOutsideQuotes(body, ',')) {
            std::string_view p = part;
            if (p == "clear all rows") (panel.*steps).push_back({T::ClearAllRows, -1, {}});
            else if (ConsumePrefix(p, "check row ")) (panel.*steps).push_back({T::CheckRow, Number(p), {}});
            else if (ConsumePrefix(p, "disable check of row ")) (panel.*steps).push_back({T::DisableCheck, Number(p), {}});
            else if (ConsumePrefix(p, "enable check of row ")) (panel.*steps).push_back({T::EnableCheck, Number(p), {}});
            else if (ConsumePrefix(p, "set row ")) {
                const auto blank = p.find(' ');
                const int row = Number(p.substr(0, blank));
                p.remove_prefix(blank == std::string_view::npos ? p.size() : blank);
                (panel.*steps).push_back({T::SetRow, row, Quoted(p)});
            } else {
                throw ParseError("unknown notification step: " + std::string(part));
            }
        }
    }

    void ParseRecord(int depth, std::string_view body) {
        PanelRecipe &panel = CurrentBinding(depth);
        CatalogueRecord record;
        const auto blank = body.find(' ');
        const std::string_view id = body.substr(0, blank);
        body.remove_prefix(blank == std::string_view::npos ? body.size() : blank);
        // Under a root joined from several subtrees, "=" stands for the first of them.
        if (id == "=") record.oid = panel.root.substr(0, panel.root.find(' '));
        else if (id == "(blank)") record.oid = " ";
        else if (StartsWith(id, ".") && IsNumericOid(id)) {
            if (panel.root.find(' ') != std::string::npos) throw ParseError("a relative identifier under a joined root");
            record.oid = panel.root + std::string(id);
        } else if (IsNumericOid(id)) record.oid = std::string(id);
        else throw ParseError("bad identifier: " + std::string(id));
        record.label = Quoted(body);
        body = Trim(body);
        const auto colon = body.find(':');
        std::string_view pair = Trim(body.substr(0, colon));
        constexpr std::string_view kSecret = " secret";
        if (pair.size() > kSecret.size() && pair.substr(pair.size() - kSecret.size()) == kSecret) {
            record.secret = true;
            pair.remove_suffix(kSecret.size());
        }
        constexpr std::string_view kMoving = " moving";
        if (pair.size() > kMoving.size() && pair.substr(pair.size() - kMoving.size()) == kMoving) {
            record.moving = true;
            pair.remove_suffix(kMoving.size());
        }
        const auto [syntax, access] = Pair(pair);
        record.syntax = static_cast<std::uint32_t>(syntax);
        record.access = static_cast<std::uint32_t>(access);
        if (colon != std::string_view::npos) record.options = ParseOptions(body.substr(colon + 1));
        panel.records.push_back(std::move(record));
    }

    const VdOptionList *ParseOptions(std::string_view text) {
        std::vector<std::pair<std::string, std::string>> entries;
        bool textValues = false;
        for (std::string_view part : SplitOutsideQuotes(Trim(text), ',')) {
            std::string value;
            if (StartsWith(part, "\"")) {
                textValues = true;
                value = Quoted(part);
            } else {
                const auto blank = part.find(' ');
                value = std::to_string(Number(part.substr(0, blank)));
                part.remove_prefix(blank == std::string_view::npos ? part.size() : blank);
            }
            entries.emplace_back(std::move(value), Quoted(part));
            if (!Trim(part).empty()) throw ParseError("unexpected text in the option list");
        }
        return catalogue_.SharedOptionList(textValues ? VdOptionList::Text : VdOptionList::Integer, entries);
    }

    // The status row's label a listed add or delete value names; the lists sometimes capitalise it.
    static std::string StatusLabel(const VdOptionList *options, const std::string &value) {
        if (options == nullptr) throw ParseError("the status row has no option list");
        for (int i = 0; i < options->Count(); ++i) {
            const std::string &label = options->EntryAt(i).label;
            if (label.size() == value.size() &&
                std::equal(label.begin(), label.end(), value.begin(), [](char a, char b) {
                    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                })) {
                return label;
            }
        }
        throw ParseError("status value \"" + value + "\" is not in the status row's option list");
    }

    // Checks the finished entry's record counts against its stated row counts.
    void FinishEntry() {
        if (entry_ != nullptr) {
            for (std::size_t i = 0; i < entry_->panels.size(); ++i) {
                PanelRecipe &b = entry_->panels[i];
                if (static_cast<int>(b.records.size()) != expectedRows_[i]) {
                    throw ParseError("\"" + entry_->caption + "\"" +
                                     (b.pageCaption.empty() ? "" : " page \"" + b.pageCaption + "\"") + " lists " +
                                     std::to_string(b.records.size()) + " records but says " +
                                     std::to_string(expectedRows_[i]));
                }
                if (b.statusRow >= static_cast<int>(b.records.size())) throw ParseError("status row beyond the records");
                if (b.statusRow >= 0) {
                    const VdOptionList *options = b.records[static_cast<std::size_t>(b.statusRow)].options;
                    b.addValue = StatusLabel(options, b.addValue);
                    b.deleteValue = StatusLabel(options, b.deleteValue);
                }
                b.BuildTable();
            }
        }
        entry_ = nullptr;
        binding_ = -1;
        expectedRows_.clear();
    }

    MenuCatalogue &catalogue_;
    const char *name_;
    Menu *menu_ = nullptr;
    std::vector<std::vector<MenuEntry> *> levels_;
    MenuEntry *entry_ = nullptr;
    int entryDepth_ = 0;
    int binding_ = -1;
    std::vector<int> expectedRows_;
};

MenuCatalogue::MenuCatalogue(const std::vector<MenuText> &texts) {
    for (const char *caption : kTopLevelMenus) menus_.push_back(Menu{caption, {}});
    for (const MenuText &t : texts) MenuTextParser(*this, t.name).Parse(t.text);
}

MenuCatalogue::~MenuCatalogue() = default;

const MenuCatalogue &MenuCatalogue::Instance() {
    static const MenuCatalogue catalogue(BuiltInMenuTexts());
    return catalogue;
}
