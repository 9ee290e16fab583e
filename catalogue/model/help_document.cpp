#include "catalogue/model/help_document.h"

#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_path.h"

#include <cctype>

namespace {

std::string Escaped(const std::string &text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// Captions are padded with blanks for window column widths.
std::string Trimmed(const std::string &text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Titles end in the separator the window puts before the host text.
std::string TitleText(const std::string &title) {
    std::string text = Trimmed(title);
    while (!text.empty() && (text.back() == ':' || text.back() == ' ')) text.pop_back();
    return text;
}

const char *KindText(EntryKind kind) {
    switch (kind) {
    case EntryKind::Editor: return "settings window";
    case EntryKind::Table: return "table window";
    case EntryKind::Pages: return "window with pages";
    case EntryKind::Window: return "window";
    case EntryKind::ExternalModule: return "starts a separate module program";
    case EntryKind::Command: return "device command, asked before it is sent";
    case EntryKind::Help: return "this help";
    case EntryKind::Submenu:
    case EntryKind::Separator: break;
    }
    return "";
}

std::string AccessText(std::uint32_t access) {
    if ((access & access_bit::Index) != 0) return "index";
    const bool readable = (access & access_bit::Readable) != 0;
    const bool writable = (access & access_bit::Writable) != 0;
    if (readable && writable) return "read-write";
    if (writable) return "write-only";
    return "read-only";
}

void AppendPanel(std::string &out, const PanelRecipe &panel) {
    if (!panel.pageCaption.empty()) out += "<p><b>Page " + Escaped(Trimmed(panel.pageCaption)) + "</b></p>\n";
    if (panel.panel == PanelKind::Table && !panel.addValue.empty())
        out += "<p>Rows are added with Add and removed with Delete.</p>\n";
    out += "<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\"><tr><th>Setting</th><th>Access</th>"
           "<th>Object</th></tr>\n";
    for (const CatalogueRecord &record : panel.records) {
        if (Trimmed(record.label).empty()) continue;
        out += "<tr><td>" + Escaped(Trimmed(record.label)) + "</td><td>" + AccessText(record.access) + "</td><td>" +
               Escaped(Trimmed(record.oid)) + "</td></tr>\n";
    }
    out += "</table>\n";
}

std::string Heading(int depth) { return depth < 3 ? "h" + std::to_string(depth + 2) : "h5"; }

void AppendEntries(std::string &out, const std::vector<MenuEntry> &entries, std::vector<std::string> &path) {
    for (const MenuEntry &entry : entries) {
        if (entry.kind == EntryKind::Separator) continue;
        path.push_back(entry.caption);
        const std::string heading = Heading(static_cast<int>(path.size()) - 2);
        out += "<" + heading + "><a name=\"" + HelpAnchor(path) + "\"></a>" + Escaped(Trimmed(entry.caption)) + "</" +
               heading + ">\n";
        if (entry.kind == EntryKind::Submenu) {
            AppendEntries(out, entry.children, path);
        } else {
            out += "<p><i>" + std::string(KindText(entry.kind)) + "</i>";
            if (!TitleText(entry.title).empty()) out += ": " + Escaped(TitleText(entry.title));
            out += "</p>\n";
            for (const PanelRecipe &panel : entry.panels) AppendPanel(out, panel);
        }
        path.pop_back();
    }
}

// The contents: a link to every menu, submenu and entry, nested as the menus are.
void AppendContents(std::string &out, const std::vector<MenuEntry> &entries, std::vector<std::string> &path) {
    out += "<ul>\n";
    for (const MenuEntry &entry : entries) {
        if (entry.kind == EntryKind::Separator) continue;
        path.push_back(entry.caption);
        out += "<li><a href=\"#" + HelpAnchor(path) + "\">" + Escaped(Trimmed(entry.caption)) + "</a>";
        if (entry.kind == EntryKind::Submenu) AppendContents(out, entry.children, path);
        out += "</li>\n";
        path.pop_back();
    }
    out += "</ul>\n";
}

}  // namespace

std::string HelpAnchor(const std::vector<std::string> &path) {
    std::string anchor = "menu";
    for (const std::string &caption : path) {
        bool gap = true;  // a '-' goes before the next word
        for (unsigned char c : FoldedCaption(caption)) {
            if (std::isalnum(c) != 0) {
                if (gap) anchor += '-';
                anchor += static_cast<char>(c);
                gap = false;
            } else {
                gap = true;
            }
        }
    }
    return anchor;
}

std::string HelpDocument(const MenuCatalogue &catalogue) {
    std::string out =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>QSW-7400 device management</title></head>"
        "<body>\n<h1><a name=\"" + std::string(kHelpMainWindowAnchor) + "\"></a>QSW-7400 device management</h1>\n"
        "<p>The main window shows the switch's front panel; its LEDs follow the device every three seconds. "
        "Every menu entry below opens a window over the device's settings, starts a module program or sends "
        "a command. <b>F1</b> in any window opens this help at the section of that window's entry.</p>\n"
        "<h2>Working in a window</h2>\n<ul>\n"
        "<li><b>Refresh</b> reads the window's settings or table from the device again.</li>\n"
        "<li>Change a value, tick the check box of its row and press <b>Set Checked</b> (<b>Set</b> when the "
        "window has one setting): one request carries every ticked row. <b>Check All</b> and <b>Clear "
        "Checks</b> tick or clear every row.</li>\n"
        "<li>In a table, <b>Add</b> creates a row, <b>Edit</b> (or a double click) changes the selected "
        "row and <b>Delete</b> removes it after a question whose default answer is No.</li>\n"
        "<li>A value that is not valid is refused before anything is sent: the field is named and keeps "
        "what was typed.</li>\n"
        "<li>The line at the bottom of a window reports each exchange: Get or Set, its result and the "
        "time.</li>\n"
        "<li>A window opens at the size it had when it was last closed, with its dividers and the column "
        "widths set by hand.</li>\n</ul>\n"
        "<h2><a name=\"" + std::string(kHelpContentsAnchor) + "\"></a>Contents</h2>\n<ul>\n";
    std::vector<std::string> path;
    for (const Menu &menu : catalogue.menus()) {
        if (menu.entries.empty()) continue;
        path = {menu.caption};
        out += "<li><a href=\"#" + HelpAnchor(path) + "\">Menu " + Escaped(Trimmed(menu.caption)) + "</a>\n";
        AppendContents(out, menu.entries, path);
        out += "</li>\n";
    }
    out += "</ul>\n";
    for (const Menu &menu : catalogue.menus()) {
        if (menu.entries.empty()) continue;
        path = {menu.caption};
        out += "<h2><a name=\"" + HelpAnchor(path) + "\"></a>Menu " + Escaped(Trimmed(menu.caption)) + "</h2>\n";
        AppendEntries(out, menu.entries, path);
    }
    return out + "</body></html>\n";
}
