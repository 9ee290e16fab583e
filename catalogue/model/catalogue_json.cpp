#include "catalogue/model/catalogue_json.h"

#include "engine/option_list.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/device_command.h"
#include "catalogue/model/json_text.h"

namespace {

std::string Str(const std::string &s) { return JsonString(s); }

const char *KindName(EntryKind k) {
    switch (k) {
    case EntryKind::Submenu: return "submenu";
    case EntryKind::Separator: return "separator";
    case EntryKind::Editor: return "editor";
    case EntryKind::Table: return "table";
    case EntryKind::Pages: return "pages";
    case EntryKind::Window: return "window";
    case EntryKind::ExternalModule: return "external module";
    case EntryKind::Command: return "command";
    case EntryKind::Help: return "help";
    }
    return "";
}

std::string AdjustmentJson(const Adjustment &a) {
    using T = Adjustment::Type;
    switch (a.type) {
    case T::Format: return "{\"type\":\"format\",\"row\":" + std::to_string(a.row) + ",\"format\":" + Str(a.text) + "}";
    case T::BitList: return "{\"type\":\"bit list\",\"row\":" + std::to_string(a.row) + "}";
    case T::EditWidth: return "{\"type\":\"edit width\",\"width\":" + std::to_string(a.value) + "}";
    case T::DialogEditWidth: return "{\"type\":\"dialog edit width\",\"width\":" + std::to_string(a.value) + "}";
    case T::NoEdit: return "{\"type\":\"no edit\"}";
    case T::RowsNotEditable: return "{\"type\":\"rows not editable\"}";
    case T::RowPreset: return "{\"type\":\"row preset\",\"row\":" + std::to_string(a.row) + "}";
    case T::Ask: return "{\"type\":\"ask\",\"question\":" + Str(a.text) + "}";
    case T::Synchronous: return "{\"type\":\"synchronous\"}";
    case T::SessionRow:
        return "{\"type\":\"session row\",\"row\":" + std::to_string(a.row) + ",\"holds\":" + Str(a.text) + "}";
    case T::Button: return "{\"type\":\"button\",\"caption\":" + Str(a.text) + ",\"window\":" + Str(a.windowClass) +
                           ",\"row\":" + (a.value == 1 ? "true" : "false") + "}";
    }
    return "{}";
}

std::string OptionsJson(const VdOptionList *options) {
    if (options == nullptr) return "null";
    std::string out = "[";
    for (int i = 0; i < options->Count(); ++i) {
        const auto &e = options->EntryAt(i);
        if (i) out += ",";
        out += "{\"value\":" + Str(e.value) + ",\"label\":" + Str(e.label) + "}";
    }
    return out + "]";
}

std::string PanelJson(const PanelRecipe &b) {
    std::string out = "{\"page\":" + Str(b.pageCaption);
    out += ",\"panel\":" + Str(b.panel == PanelKind::Table ? "table" : "editor");
    out += ",\"listKind\":" + std::to_string(b.listKind) + ",\"indexCount\":" + std::to_string(b.indexCount);
    out += ",\"root\":" + Str(b.root);
    if (b.statusRow >= 0) {
        out += ",\"statusRow\":{\"row\":" + std::to_string(b.statusRow) + ",\"add\":" + Str(b.addValue) +
               ",\"delete\":" + Str(b.deleteValue) + "}";
    } else {
        out += ",\"statusRow\":null";
    }
    out += ",\"adjustments\":" + JsonArray(b.adjustments, AdjustmentJson);
    out += ",\"records\":" + JsonArray(b.records, [](const CatalogueRecord &r) {
               return "{\"oid\":" + Str(r.oid) + ",\"label\":" + Str(r.label) +
                      ",\"syntax\":" + std::to_string(r.syntax) + ",\"access\":" + std::to_string(r.access) +
                      ",\"options\":" + OptionsJson(r.options) + ",\"secret\":" + (r.secret ? "true" : "false") +
                      ",\"moving\":" + (r.moving ? "true" : "false") + "}";
           });
    return out + "}";
}

void AppendEntries(const std::vector<MenuEntry> &entries, const std::set<std::string> &windowClasses,
                   std::vector<std::string> &path, std::string &out) {
    for (const MenuEntry &e : entries) {
        if (e.kind == EntryKind::Separator) continue;
        path.push_back(e.caption);
        if (e.kind == EntryKind::Submenu) {
            AppendEntries(e.children, windowClasses, path, out);
        } else {
            if (out.back() != '[') out += ",\n";
            out += "{\"path\":" + JsonArray(path, Str) + ",\"kind\":" + Str(KindName(e.kind));
            out += ",\"title\":" + Str(e.title) + ",\"titleWithHost\":" + (e.titleWithHost ? "true" : "false");
            if (e.kind == EntryKind::Window) {
                out += ",\"window\":" + Str(e.windowClass);
                out += std::string(",\"available\":") + (windowClasses.count(e.windowClass) ? "true" : "false");
            }
            if (e.command != nullptr) out += ",\"command\":" + Str(e.command->handler);
            if (!e.argument.empty()) out += ",\"argument\":" + Str(e.argument);
            if (e.windowHeight) out += ",\"windowHeight\":" + std::to_string(e.windowHeight);
            if (e.windowWider) out += ",\"windowWider\":" + std::to_string(e.windowWider);
            if (e.useV2cForCounter64) out += ",\"v2cForCounter64\":true";
            if (e.askV2cForCounter64) out += ",\"askV2cForCounter64\":true";
            if (e.closeHookRmonCheck) out += ",\"closeHook\":\"RMON check\"";
            if (e.v3Only) out += ",\"v3Only\":true";
            if (e.localLayoutOnly) out += ",\"localLayoutOnly\":true";
            if (e.followsRmonState) out += ",\"followsRmonState\":true";
            if (e.restoreFirst) out += ",\"restoreFirst\":true";
            if (!e.preRead.empty()) out += ",\"preRead\":" + Str(e.preRead);
            out += ",\"panels\":" + JsonArray(e.panels, PanelJson) + "}";
        }
        path.pop_back();
    }
}

}  // namespace

std::string CatalogueJson(const MenuCatalogue &catalogue, const std::set<std::string> &windowClasses) {
    std::string out = "{\"menus\":" + JsonArray(catalogue.menus(), [](const Menu &m) { return Str(m.caption); });
    out += ",\n\"entries\":[";
    std::vector<std::string> path;
    for (const Menu &m : catalogue.menus()) {
        path.assign(1, m.caption);
        AppendEntries(m.entries, windowClasses, path, out);
    }
    return out + "]}\n";
}
