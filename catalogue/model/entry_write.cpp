#include "catalogue/model/entry_write.h"

#include "binding/edit_constraint_rules.h"
#include "engine/option_list.h"
#include "binding/raw_value.h"
#include "binding/whole_value_check.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/entry_request.h"
#include "catalogue/model/json_text.h"
#include "catalogue/model/port_list_rows.h"
#include "engine/coded_error.h"
#include "engine/hex_text.h"
#include "engine/port_ranges.h"
#include "engine/row_probe.h"
#include "engine/value_codec.h"

#include <algorithm>

namespace {

[[noreturn]] void Refuse(const std::string &text) { throw WriteRefused(text); }

std::string Quoted(const std::string &text) { return "\"" + text + "\""; }

std::string Joined(const std::vector<std::string> &parts) {
    std::string out;
    for (const std::string &p : parts) out += (out.empty() ? "" : ", ") + p;
    return out;
}

std::vector<std::string> Split(const std::string &text, char delimiter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(delimiter, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// A whole value as the editor collects it from its field, so that the text sent is the one the
// window sends.
std::string Packed(const std::string &valueText, std::uint32_t syntax) {
    return RawToText(WholeValueRaw(valueText, syntax), syntax);
}

std::string Choices(const VdOptionList &options) {
    std::vector<std::string> labels;
    for (int k = 0; k < options.Count(); ++k) labels.push_back(options.EntryAt(k).label);
    return Joined(labels);
}

std::string TypeName(std::uint8_t type) {
    switch (type) {
    case snmp::type::Integer: return "INTEGER";
    case snmp::type::OctetString: return "OCTET STRING";
    case snmp::type::Null: return "NULL";
    case snmp::type::ObjectId: return "OBJECT IDENTIFIER";
    case snmp::type::IpAddress: return "IpAddress";
    case snmp::type::Counter: return "Counter32";
    case snmp::type::Gauge: return "Gauge32";
    case snmp::type::TimeTicks: return "TimeTicks";
    case snmp::type::Opaque: return "Opaque";
    case snmp::type::Counter64: return "Counter64";
    case snmp::type::UInteger: return "UInteger32";
    default: return "type " + std::to_string(type);
    }
}

// The option a text names by its label or its number, as the value sent; the folded text when it
// names none.
std::string OptionValueOf(const VdOptionList *options, const std::string &text) {
    if (options != nullptr) {
        if (options->IndexOfLabel(text) >= 0) return options->ValueOf(text);
        const int byValue = options->IndexOfValue(text);
        if (byValue >= 0) return options->EntryAt(byValue).value;
    }
    return FoldedCaption(text);
}

bool IsStepFor(const NotificationStep &step, NotificationStep::Type type, int row) {
    return step.type == type && step.row == row;
}

}  // namespace

const PanelRecipe &PanelForWrite(const MenuEntry &entry, const std::string &pageCaption, const WriteOrder &order) {
    const PanelKind wanted = order.row == WriteOrder::Row::None ? PanelKind::Editor : PanelKind::Table;
    std::vector<const PanelRecipe *> fitting;
    std::vector<std::string> pages;
    for (const PanelRecipe &recipe : entry.panels) {
        if (!pageCaption.empty() && FoldedCaption(recipe.pageCaption) == FoldedCaption(pageCaption)) return recipe;
        pages.push_back(Quoted(recipe.pageCaption));
        if (recipe.panel == wanted) fitting.push_back(&recipe);
    }
    if (!pageCaption.empty()) Refuse("There is no page " + Quoted(pageCaption) + "; the pages are " + Joined(pages) + ".");
    if (fitting.size() == 1) return *fitting.front();
    const char *kind = wanted == PanelKind::Table ? "table" : "editor";
    if (fitting.empty())
        Refuse(std::string("The entry has no ") + kind + (wanted == PanelKind::Table ? "; give no --row, --add or --delete." : "; give --row, --add or --delete."));
    Refuse(std::string("The entry has several ") + kind + " pages; name one after the entry's captions: " + Joined(pages) + ".");
}

EntryWrite::EntryWrite(const MenuEntry &entry, const PanelRecipe &recipe, const WriteOrder &order)
    : recipe_(recipe) {
    using Row = WriteOrder::Row;
    PrepareEntryRequest(entry, recipe, request_);
    const VdSNMPVarList &list = request_.list;
    const bool table = recipe.panel == PanelKind::Table;
    if (table && order.row == Row::None) Refuse("This is a table: name its row with --row, or give --add or --delete.");
    if (!table && order.row != Row::None) Refuse("This panel has no rows: --row, --add and --delete do not apply.");
    if ((order.row == Row::Add || order.row == Row::Delete) && recipe.statusRow < 0)
        Refuse("This table has no row status: rows are neither added nor deleted here.");
    if (order.row == Row::Edit &&
        (recipe.HasAdjustment(Adjustment::Type::NoEdit) || recipe.HasAdjustment(Adjustment::Type::RowsNotEditable)))
        Refuse("Rows of this table are not edited, only added and deleted.");
    if (order.row == Row::Delete && !order.assignments.empty()) Refuse("--delete sends the row status alone: give no values.");

    if (order.row == Row::Edit || order.row == Row::Delete) FindRow(order.rowText);
    if (order.row == Row::Add && !order.rowText.empty()) SetIndex(order.rowText);

    std::vector<int> named;
    for (const std::string &assignment : order.assignments) {
        const std::size_t equals = assignment.find('=');
        const int position = PositionOf(assignment.substr(0, equals));
        const std::string label = TrimmedCaption(list.Item(position).label);
        if (std::find(named.begin(), named.end(), position) != named.end()) Refuse(label + " is named twice.");
        named.push_back(position);
        const bool index = table && position < list.indexCount;
        if (position == recipe.statusRow && order.row == Row::Add) Refuse(label + ": --add sets it to " + Quoted(recipe.addValue) + ".");
        if (index && order.row != Row::Add) Refuse(label + " is part of the row's index and cannot be changed.");
        if (!list.IsEditable(position)) Refuse(label + " is read-only.");
        const std::string text = assignment.substr(equals + 1);
        // An existing row is neither created again nor destroyed by editing it, whether the status
        // is named by its label or by its number.
        if (position == recipe.statusRow) {
            const VdOptionList *options = list.Item(position).options;
            const std::string value = OptionValueOf(options, text);
            if (value == OptionValueOf(options, recipe.addValue) || value == OptionValueOf(options, recipe.deleteValue))
                Refuse(label + ": use --add or --delete to create or destroy a row.");
        }
        Assign(position, text);
        if (!index) Select(position);
    }

    if (order.row == Row::Add) {
        std::vector<std::string> missing;
        for (int i = 0; i < list.indexCount; ++i)
            if (list.Item(i).value.empty()) missing.push_back(TrimmedCaption(list.Item(i).label));
        // Rows the Add dialog keeps checked and locked are always sent, so they must have values.
        for (const NotificationStep &step : recipe.beforeAdd) {
            const bool locked = std::any_of(recipe.beforeAdd.begin(), recipe.beforeAdd.end(), [&](const NotificationStep &s) {
                return IsStepFor(s, NotificationStep::Type::DisableCheck, step.row);
            });
            if (step.type != NotificationStep::Type::CheckRow || !locked || step.row < list.indexCount) continue;
            if (std::find(named.begin(), named.end(), step.row) == named.end())
                missing.push_back(TrimmedCaption(list.Item(step.row).label));
        }
        if (!missing.empty()) Refuse("A new row needs " + Joined(missing) + ".");
        // Writing the add status over a row that exists would replace its values without a word.
        if (RowExists()) Refuse("The row " + Quoted(RowText()) + " exists already: change it with --row, or delete it first.");
        request_.list.Item(recipe.statusRow).value = recipe.addValue;
        Select(recipe.statusRow);
    }
    if (order.row == Row::Delete) {
        request_.list.Item(recipe.statusRow).value = recipe.deleteValue;
        Select(recipe.statusRow);
    }
    if (selected_.empty()) Refuse("Name at least one value to set, as Label=value.");
}

int EntryWrite::PositionOf(const std::string &label) const {
    const VdSNMPVarList &list = request_.list;
    std::vector<std::string> labels;
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Item(i).access & access_bit::Hidden) continue;
        if (FoldedCaption(list.Item(i).label) == FoldedCaption(label)) return i;
        labels.push_back(TrimmedCaption(list.Item(i).label));
    }
    Refuse("There is no value " + Quoted(TrimmedCaption(label)) + " here; the labels are " + Joined(labels) + ".");
}

std::string EntryWrite::FormatOf(int position) const {
    std::string format = "%s";
    for (const Adjustment &a : recipe_.adjustments)
        if (a.type == Adjustment::Type::Format && a.row == position) format = a.text;
    return format;
}

void EntryWrite::Assign(int position, const std::string &text) {
    VarItem &item = request_.list.Item(position);
    const std::string label = TrimmedCaption(item.label);
    auto refuse = [&](const std::string &why) { Refuse(label + ": " + why); };
    // The window's own refusal of a checked field left empty.
    if (text.empty()) refuse("Some items are empty!");
    if (IsReservedValueText(text)) refuse(Quoted(text) + " is not a value.");
    try {
        if (item.options != nullptr) {
            // A drop-down list offers its choices only; a script may name one by its number too.
            std::string value;
            if (item.options->IndexOfLabel(text) >= 0)
                value = item.options->ValueOf(text);
            else if (item.options->IndexOfValue(text) >= 0)
                value = text;
            else
                refuse(Quoted(text) + " is not one of " + Choices(*item.options) + ".");
            item.value = item.options->LabelOf(Packed(value, item.syntax));
        } else if (IsPortListRow(recipe_, position)) {
            const PortRangesResult ports = ParsePortList(text, kSwitchPorts);
            if (!ports.octets) refuse(ports.error + ".");
            item.value = Packed(ToHex(*ports.octets), item.syntax);
        } else {
            const ConstraintRule rule = ParseConstraint(FormatOf(position));
            // Typing drops what the field does not take; a script's value is refused instead.
            if (FilterTyped(rule, text) != text) refuse(Quoted(text) + " holds characters this field does not take.");
            if (const auto why = RefusalOf(rule, text)) refuse(*why);
            item.value = Packed(text, item.syntax);
        }
        snmp::VarBind probe;
        request_.LoadValue(position, probe);
    } catch (const CodedError &e) {
        refuse(e.message());
    }
}

void EntryWrite::FindRow(const std::string &rowText) {
    VdSNMPVarList &list = request_.list;
    std::vector<std::string> wanted;
    for (const std::string &part : Split(rowText, ',')) wanted.push_back(FoldedCaption(part));
    auto matches = [&] {
        if (TrimmedCaption(rowText) == request_.EncodeIndex()) return true;
        if (static_cast<int>(wanted.size()) != list.indexCount) return false;
        for (int i = 0; i < list.indexCount; ++i)
            if (FoldedCaption(list.Item(i).value) != wanted[static_cast<std::size_t>(i)]) return false;
        return true;
    };
    for (bool first = true; request_.ReadStep(first); first = false) {
        if (!request_.RowConditionHolds() || !matches()) continue;
        // The row as the window holds it once selected; the walk need go no further.
        const VdSNMPVarList row(list);
        list.Assign(row);
        return;
    }
    const std::string table = recipe_.pageCaption.empty() ? std::string("the table") : Quoted(recipe_.pageCaption);
    // A walk that stopped short may have missed the row: then the reason is part of the answer.
    const std::string cut = WalkCutText(request_.WalkCuts());
    Refuse("There is no row " + Quoted(TrimmedCaption(rowText)) + " in " + table + "." + (cut.empty() ? "" : " " + cut + "."));
}

void EntryWrite::SetIndex(const std::string &rowText) {
    const VdSNMPVarList &list = request_.list;
    const std::vector<std::string> parts = Split(rowText, ',');
    if (static_cast<int>(parts.size()) != list.indexCount) {
        std::vector<std::string> labels;
        for (int i = 0; i < list.indexCount; ++i) labels.push_back(TrimmedCaption(list.Item(i).label));
        Refuse("--row needs " + std::to_string(list.indexCount) + " index value(s), separated by \",\": " + Joined(labels) + ".");
    }
    for (int i = 0; i < list.indexCount; ++i) Assign(i, TrimmedCaption(parts[static_cast<std::size_t>(i)]));
}

bool EntryWrite::RowExists() { return RowProbe(request_, recipe_.statusRow, request_.EncodeIndex()).Exists(); }

std::string EntryWrite::RowText() const {
    std::vector<std::string> parts;
    for (int i = 0; i < request_.list.indexCount; ++i) parts.push_back(request_.list.Item(i).value);
    return Joined(parts);
}

void EntryWrite::Select(int position) {
    if (std::find(selected_.begin(), selected_.end(), position) == selected_.end()) selected_.push_back(position);
    std::sort(selected_.begin(), selected_.end());
}

std::string EntryWrite::Selection() const {
    std::string selection;
    for (int i : selected_) selection += (selection.empty() ? "" : ",") + std::to_string(i);
    return selection;
}

std::vector<BindingLine> EntryWrite::Bindings() {
    const snmp::Pdu pdu = request_.WritePdu(Selection());
    std::vector<BindingLine> lines;
    std::size_t k = 0;
    for (int i : selected_) {
        if (k >= pdu.bindings.size()) break;
        const VarItem &item = request_.list.Item(i);
        const snmp::VarBind &b = pdu.bindings[k++];
        const std::string text = BindingToText(b, item.syntax);
        std::string type = TypeName(b.type);
        std::string value = text;
        if (item.syntax == syntax::DisplayString)
            value = JsonString(text);
        else if (b.type == snmp::type::OctetString || b.type == snmp::type::Opaque)
            type += " (hex)";
        if (item.options != nullptr) value += " (" + item.options->LabelOf(text) + ")";
        lines.push_back({TrimmedCaption(item.label), b.oid, type, value});
    }
    return lines;
}

void EntryWrite::Send() { request_.Write(false, Selection()); }
