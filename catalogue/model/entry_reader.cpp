#include "catalogue/model/entry_reader.h"

#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/entry_request.h"
#include "catalogue/model/port_list_rows.h"
#include "engine/coded_error.h"
#include "engine/request.h"

namespace {

// The row's identity for comparisons; an index the codec cannot encode leaves it to the index columns.
std::string Instance(VdSNMPRequest &request) {
    if (request.list.indexCount == 0) return {};
    try {
        return request.EncodeIndex();
    } catch (const CodedError &) {
        return {};
    }
}

bool IsSecret(const PanelRecipe &recipe, int item) {
    const auto k = static_cast<std::size_t>(item);
    return k < recipe.records.size() && recipe.records[k].secret;
}

bool IsMoving(const PanelRecipe &recipe, int item) {
    const auto k = static_cast<std::size_t>(item);
    return k < recipe.records.size() && recipe.records[k].moving;
}

// A table panel adds a row per result.
void StartTable(const VdSNMPRequest &request, const PanelRecipe &recipe, PageReading &page) {
    for (int i : request.list.ShownColumns()) {
        page.columns.push_back(TrimmedCaption(request.list.Item(i).label));
        page.portLists.push_back(IsPortListRow(recipe, i));
        page.moving.push_back(IsMoving(recipe, i));
        page.secret.push_back(IsSecret(recipe, i));
        if (i < request.list.indexCount) ++page.keyColumns;
    }
}

// An editor panel shows one line per variable except the hidden ones, holding the last result;
// values stay empty without one.
void StartEditor(const VdSNMPRequest &request, const PanelRecipe &recipe, PageReading &page) {
    page.columns = {"Label", "Value"};
    for (int i : request.list.ShownLines()) {
        page.rows.push_back({TrimmedCaption(request.list.Item(i).label), {}});
        page.portLists.push_back(IsPortListRow(recipe, i));
        page.moving.push_back(IsMoving(recipe, i));
        page.secret.push_back(IsSecret(recipe, i));
    }
}

PageReading ReadPanel(const MenuEntry &entry, const PanelRecipe &recipe, std::vector<std::string> &shortfalls) {
    VdSNMPRequest request;
    PrepareEntryRequest(entry, recipe, request);
    PageReading page = EmptyPage(recipe, request);
    request.ReadShown([&] { TakeResult(page, request); });
    if (const std::string cut = ShortfallText(page, request); !cut.empty()) shortfalls.push_back(cut);
    return page;
}

}  // namespace

PageReading EmptyPage(const PanelRecipe &recipe, const VdSNMPRequest &request) {
    PageReading page;
    page.caption = recipe.pageCaption;
    page.table = recipe.panel == PanelKind::Table;
    if (page.table)
        StartTable(request, recipe, page);
    else
        StartEditor(request, recipe, page);
    return page;
}

void TakeResult(PageReading &page, VdSNMPRequest &request) {
    if (!page.table) {
        const std::vector<int> lines = request.list.ShownLines();
        for (std::size_t k = 0; k < lines.size() && k < page.rows.size(); ++k)
            page.rows[k][1] = request.list.Item(lines[k]).value;
        return;
    }
    std::vector<std::string> &row = page.rows.emplace_back();
    for (int i : request.list.ShownColumns()) row.push_back(request.list.Item(i).value);
    page.instances.push_back(Instance(request));
}

std::string ShortfallText(const PageReading &page, const VdSNMPRequest &request) {
    const std::string cut = WalkCutText(request.WalkCuts());
    if (cut.empty()) return {};
    return (page.caption.empty() ? "" : "[" + page.caption + "] ") + cut + ".";
}

bool IsReadableEntry(const MenuEntry &entry) {
    // A dedicated window may describe its settings as pages too, for reading and restoring them.
    const bool kind = entry.kind == EntryKind::Editor || entry.kind == EntryKind::Table || entry.kind == EntryKind::Pages ||
                      entry.kind == EntryKind::Window;
    return kind && !entry.panels.empty();
}

EntryReading ReadEntry(const MenuEntry &entry, std::vector<std::string> path, std::string title) {
    EntryReading reading{std::move(path), std::move(title), {}, {}};
    for (const PanelRecipe &recipe : entry.panels) reading.pages.push_back(ReadPanel(entry, recipe, reading.shortfalls));
    return reading;
}
