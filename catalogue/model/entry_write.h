#pragma once

#include "engine/request.h"

#include <stdexcept>
#include <string>
#include <vector>

class PanelRecipe;
struct MenuEntry;

// A write asked for without a window: values of an editor panel, or of one row of a table panel.
struct WriteOrder {
    enum class Row { None, Edit, Add, Delete };
    Row row = Row::None;
    // The row: its index values in index order separated by ",", or its instance identifier.
    std::string rowText;
    std::vector<std::string> assignments;  // "Label=value"
};

// A write refused before anything was sent; the text names the variable and the reason.
class WriteRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One variable binding of the SET, as a person reads it.
struct BindingLine {
    std::string label;
    std::string oid;
    std::string type;   // "INTEGER", "OCTET STRING", ...
    std::string value;  // the value text, quoted for strings
};

// The panel of an entry a write goes to: the page named by pageCaption, else the only page of the
// kind the order needs. Throws WriteRefused naming the pages to choose from.
const PanelRecipe &PanelForWrite(const MenuEntry &entry, const std::string &pageCaption, const WriteOrder &order);

// The one SET the panel's window would send for the order: every named value passes the checks of
// the field the window shows it in (input format, choices, conversion to its syntax), an edited or
// deleted row is first found by reading the table, a new row takes its index and the add value of
// its status column, a deleted row is sent its delete value alone. Throws WriteRefused for an order
// the window would not send, CodedError for a failed read.
class EntryWrite {
public:
    EntryWrite(const MenuEntry &entry, const PanelRecipe &recipe, const WriteOrder &order);

    std::vector<BindingLine> Bindings();
    // Throws CodedError with the catalogue's message when the agent refuses or does not answer.
    void Send();

private:
    int PositionOf(const std::string &label) const;
    void Assign(int position, const std::string &text);
    void FindRow(const std::string &rowText);
    void SetIndex(const std::string &rowText);
    void Select(int position);
    // Whether the device holds the row the index values name (a read of its status).
    bool RowExists();
    std::string RowText() const;
    std::string FormatOf(int position) const;
    std::string Selection() const;

    const PanelRecipe &recipe_;
    VdSNMPRequest request_;
    std::vector<int> selected_;
};
