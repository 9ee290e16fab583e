#pragma once

#include "forms/device_form.h"
#include "forms/exchange_shown.h"
#include "windows/logic/row_table.h"

#include <QPointer>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QComboBox;
class QPushButton;
class QTreeWidget;
class VdSNMPRequest2Edits;
struct DescriptorRecord;

// The base of the dedicated table editors: one binding walks the table into a list view and feeds
// the selected row to the window's controls (or its dialog's), and rows are created, changed and
// deleted by writing through the same controls. Every write names the row it means: the selected
// one, or for an Add the one typed.
class TRowTableForm : public TDeviceForm {
    Q_OBJECT
public:
    ~TRowTableForm() override;

    // The listed rows' cells, in column order, as shown.
    row_table::Rows ListedRows() const;
    // The selected row's cells; empty without a selection.
    row_table::Cells SelectedCells() const;
    bool HasSelection() const;
    VdSNMPRequest2Edits *table() const { return table_; }

    // Reads the table again (also after Stop) unless a read runs.
    void Refresh();

protected:
    explicit TRowTableForm(QWidget *parent);

    // The window's name and its size as designed.
    void Design(const char *name, int width, int height);

    // The list binding: the descriptor table as a table with row creation, its walk shown in list,
    // its status lines and errors on statusTarget. toggleEditors disables the bound controls after
    // every read until a row is chosen.
    void BuildTable(const DescriptorRecord *descriptors, int indexCount, const char *caption, QTreeWidget *list,
                    QObject *statusTarget, bool toggleEditors);
    bool ready() const { return ready_; }
    // The window's buttons that would start another exchange, its dialogs' among them: disabled
    // while a write and the read after it run.
    void SetExchangeButtons(std::vector<QPushButton *> buttons) { exchangeButtons_ = std::move(buttons); }

    void RefreshCurrent() override;
    // After the selection changed and after every completed read.
    virtual void SelectionChanged() {}
    // After every completed read, before SelectionChanged.
    virtual void ReadDone() {}

    // Puts the selected row's index values into their controls, so that a write names that row
    // whatever an Add left in them; the other controls keep what was typed.
    void PinIndexToSelection();
    // Puts the selected row's values into every bound control.
    void ShowSelectedRow();

    // The error of a write, nothing when it went through.
    using Written = std::function<void(const std::optional<std::string> &error)>;

    // One SET through the binding, without waiting for its answer: a walk in flight is ended first;
    // the excluded variables, and choices and numbers left empty, stay out of it; a write left with
    // nothing sends nothing. While it and the read after it are under way the window shows a busy
    // cursor and its exchange buttons are disabled. The table is read again after a success; then
    // learns the error, which is on the status target too. Nothing runs after the window has closed.
    void WriteRow(VdSNMPRequest2Edits &binding, const std::vector<int> &excluded = {}, Written then = {});

    // A dialog's write: the dialog closes once it went through, and stays open with what was typed
    // and the error in a box over it when it did not.
    void WriteFromDialog(QDialog *dialog, VdSNMPRequest2Edits &binding, const std::vector<int> &excluded = {});

    // A refused action: its message in a box over window (none for an empty one), the focus to field.
    static void Refuse(QWidget *window, const std::string &message, QWidget *field = nullptr);
    // Chooses the item with this label.
    static void Choose(QComboBox *box, const char *label);

    VdSNMPRequest2Edits *table_;
    QTreeWidget *list_ = nullptr;

private:
    void ShowWriting(bool writing);
    void ReadAfterWrite();

    bool ready_ = false;
    bool writing_ = false;
    std::vector<QPushButton *> exchangeButtons_;
    ExchangeShown writingShown_;
    // The dialog whose write is under way, which shows the busy cursor too.
    QPointer<QDialog> writingDialog_;
};
