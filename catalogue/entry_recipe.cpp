#include "catalogue/entry_recipe.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "catalogue/entry_export.h"
#include "catalogue/freed_memory.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/help_document.h"
#include "catalogue/model/entry_request.h"
#include "catalogue/window_registry.h"
#include "editor/config_form.h"
#include "editor/edits_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "engine/port_ranges.h"
#include "engine/session.h"

#include <QPushButton>

namespace {

// The question a write to the selected row asks when the row holds what the module's own session
// uses: its requests would fail after the change.
std::function<QString()> SessionQuestion(const Adjustment &a, TSNMPListViewPanel *table) {
    return [table, row = a.row, community = a.text == "community"]() -> QString {
        const std::vector<std::string> values = table->SelectedRowValues();
        if (row < 0 || static_cast<std::size_t>(row) >= values.size()) return {};
        const std::string &value = values[static_cast<std::size_t>(row)];
        const VdSNMPSecurity &s = SessionSecurity;
        const bool uses = community ? value == s.readCommunity || value == s.writeCommunity
                                    : s.version == 3 && value == s.securityName;
        if (!uses) return {};
        return QStringLiteral("This module talks to the device with the %1 \"%2\" of this row: its requests can "
                              "fail after this change.\nChange it?")
            .arg(community ? QStringLiteral("community") : QStringLiteral("user"), QString::fromStdString(value));
    };
}

void ApplyAdjustment(const Adjustment &a, TSNMPEditorPanel *panel, TSNMPListViewPanel *table) {
    using T = Adjustment::Type;
    switch (a.type) {
    case T::Format: panel->SetVarFormat(a.row, a.text); break;
    case T::BitList:
        panel->editsPanel->SetBitListRow(a.row, 20, kSwitchPorts);
        if (table != nullptr) table->ShowPortList(a.row, kSwitchPorts);
        break;
    case T::EditWidth: panel->SetEditWidth(a.value); break;
    case T::DialogEditWidth: panel->editsPanel->SetEditWidth(a.value); break;
    case T::NoEdit:
        if (table != nullptr) table->HideEditButton();
        break;
    case T::RowsNotEditable:
        if (table != nullptr) table->noEdit = true;
        break;
    case T::RowPreset: panel->editsPanel->PresetRow(a.row); break;
    case T::Ask: panel->setQuestion = QString::fromStdString(a.text); break;
    // The window reads through the event pump all the same: the same requests, and a walk waited
    // for would hold the event loop.
    case T::Synchronous: break;
    case T::Button: break;       // needs the entry and the context: AddWindowButton
    case T::SessionRow:
        if (table != nullptr) table->writeQuestion = SessionQuestion(a, table);
        break;
    }
}

// A notification around the Add dialog, as the entry's steps spell it.
TSNMPListViewPanel::Notification Notification(const std::vector<NotificationStep> &steps, TEditsPanel *rows) {
    return [&steps, rows](QPushButton *) {
        using T = NotificationStep::Type;
        for (const NotificationStep &s : steps) {
            switch (s.type) {
            case T::ClearAllRows: rows->ClearAllRows(); break;
            case T::CheckRow: rows->CheckRow(s.row); break;
            case T::DisableCheck: rows->LockRowCheck(s.row, true); break;
            case T::EnableCheck: rows->LockRowCheck(s.row, false); break;
            case T::SetRow: rows->SetRowValue(s.row, s.text); break;
            }
        }
    };
}

// A button of the table that opens a dedicated window over it, with the selected row's values, and
// reads the table again once that window has closed.
void AddWindowButton(const Adjustment &a, const MenuEntry &entry, const RecipeContext &context,
                     TSNMPListViewPanel *table) {
    const WindowCreator *create = context.windows != nullptr ? context.windows->Find(a.windowClass) : nullptr;
    if (table == nullptr || create == nullptr) return;
    table->AddTableButton(QString::fromStdString(a.windowClass), QString::fromStdString(a.text), a.value == 1,
                          [table, create, &entry, context] {
                              RecipeContext opened = context;
                              opened.mainWindow = table->window();
                              opened.selectedRow = table->SelectedRowValues();
                              (*create)(entry, opened)->exec();
                          });
}

std::unique_ptr<VdSNMPRequest2Edits> BuildBinding(const MenuEntry &entry, const PanelRecipe &recipe, TConfigForm *form) {
    auto binding = std::make_unique<VdSNMPRequest2Edits>(form);
    PrepareEntryRequest(entry, recipe, binding->request);
    return binding;
}

TSNMPEditorPanel *SetUpPanel(const MenuEntry &entry, const PanelRecipe &recipe, TConfigForm *form) {
    auto binding = BuildBinding(entry, recipe, form);
    const QString page = QString::fromStdString(recipe.pageCaption);
    const bool pages = entry.kind == EntryKind::Pages;
    if (recipe.panel == PanelKind::Editor) {
        return pages ? form->AddEditorPage(page, std::move(binding)) : form->SetEditorPanel(std::move(binding));
    }
    return pages ? form->AddListViewPage(page, std::move(binding), recipe.statusRow, recipe.addValue, recipe.statusRow,
                                         recipe.deleteValue)
                 : form->SetListViewPanel(std::move(binding), recipe.statusRow, recipe.addValue, recipe.statusRow,
                                          recipe.deleteValue);
}

}  // namespace

std::unique_ptr<TConfigForm> BuildEntryWindow(const MenuEntry &entry, const RecipeContext &context) {
    auto form = std::make_unique<TConfigForm>(context.mainWindow);
    SetEntryCaption(*form, entry, context.hostText);
    SetEntryHelpTopic(*form, entry);
    const std::vector<std::string> path = EntryPath(MenuCatalogue::Instance(), entry);
    // The help anchor names the entry uniquely.
    if (!path.empty()) form->SetLayoutKey(QStringLiteral("ConfigForm:") + QString::fromStdString(HelpAnchor(path)));
    if (entry.kind == EntryKind::Pages) form->SetPageControl();
    for (const PanelRecipe &recipe : entry.panels) {
        TSNMPEditorPanel *panel = SetUpPanel(entry, recipe, form.get());
        auto *table = dynamic_cast<TSNMPListViewPanel *>(panel);
        for (const Adjustment &a : recipe.adjustments) {
            ApplyAdjustment(a, panel, table);
            if (a.type == Adjustment::Type::Button) AddWindowButton(a, entry, context, table);
        }
        for (std::size_t i = 0; table != nullptr && i < recipe.records.size(); ++i)
            if (recipe.records[i].secret) table->MaskSecret(static_cast<int>(i));
        if (table != nullptr) {
            const std::string title = EntryCaption(entry, context.hostText);
            table->SetExportEntry(path, title, recipe.pageCaption);
            if (entry.kind == EntryKind::Pages)
                table->exportEntry = [table, &entry, path, title] { ExportWholeEntry(table->window(), entry, path, title); };
        }
        if (table != nullptr && !recipe.beforeAdd.empty()) table->beforeAdd = Notification(recipe.beforeAdd, panel->editsPanel);
        if (table != nullptr && !recipe.afterAdd.empty()) table->afterAdd = Notification(recipe.afterAdd, panel->editsPanel);
    }
    if (entry.windowHeight > 0) form->resize(form->width(), entry.windowHeight);
    if (entry.windowWider > 0) form->resize(form->width() + entry.windowWider, form->height());
    if (entry.closeHookRmonCheck && context.rmonCheck) {
        QObject::connect(form.get(), &QDialog::finished, form.get(), [check = context.rmonCheck] { check(); });
    }
    return form;
}

void OpenEntryWindow(const MenuEntry &entry, const RecipeContext &context) {
    if (entry.askV2cForCounter64 && !CarriesCounter64(SessionSecurity) &&
        MessageBox::OkCancel(context.mainWindow, QStringLiteral("Changes SNMP Version"),
                             QStringLiteral("This table has Counter64 ! \n Do you want to chane to SNMP V2 ?"),
                             MessageBox::Icon::Information) == QMessageBox::Ok) {
        UseV2cForCounter64(SessionSecurity);
    }
    BuildEntryWindow(entry, context)->exec();
    ReturnFreedMemory();
}
