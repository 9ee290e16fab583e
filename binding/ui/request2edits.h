#pragma once

#include "binding/ui/control_binding.h"
#include "binding/ui/edit_constraint.h"
#include "binding/ui/request2controls.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QPointer>
#include <QTreeView>

#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class ListRows;

// The binding every editor uses: variables of the request's list on edit boxes, labels, drop-down
// lists, radio groups and check boxes (whole values, fields of a raw value, or single bits), and
// optionally a table in a list view whose selected row feeds the controls.
class VdSNMPRequest2Edits : public VdSNMPRequest2Controls {
public:
    explicit VdSNMPRequest2Edits(QWidget *owner);
    ~VdSNMPRequest2Edits() override;

    // Bind calls; each appends one binding. Errors: -520 a choice control without an option list,
    // -522 too few controls, -2 a bad input format, -12 a variable position outside the list.
    void BindControl(int varIndex, std::size_t offset, std::uint32_t syntax, const VdOptionList *optionList,
                     QWidget *control, QLineEdit *secondControl = nullptr);
    void BindStaticText(int varIndex, QLabel *staticText);
    void BindComboBox(int varIndex, QComboBox *comboBox);
    void BindComboBoxPart(int varIndex, std::size_t offset, std::uint32_t syntax,
                          const VdOptionList *optionList, QComboBox *comboBox);
    void BindEdits(int varIndex, const std::string &format, const std::vector<QLineEdit *> &edits);
    void BindEditsPart(int varIndex, std::size_t offset, std::uint32_t syntax, const VdOptionList *optionList,
                       const std::string &format, const std::vector<QLineEdit *> &edits);
    void BindPanel(int varIndex, const std::string &format, QWidget *panel);
    // An edit showing a port list of `ports` ports as ranges ("1-4,49,52", "none"). It takes ranges or
    // the list's hex and refuses anything else when the user leaves it, naming the field; an
    // unchanged text keeps the value as read, and octets beyond the list keep what they held.
    void BindPortList(int varIndex, int ports, QLineEdit *edit);
    // bitPositions: comma-separated bit numbers; check box k stands for the k-th of them.
    void BindCheckBoxBits(int varIndex, const std::string &bitPositions, const std::vector<QCheckBox *> &checkBoxes);

    // A QTreeWidget gets items; a SortableList's model gets the rows.
    void BindListView(QTreeView *listView, bool toggleEditors);
    void Unbind(int varIndex);
    void EnableControls(bool enable);
    void SetMessageOwner(QWidget *window);

    // One variable, or every variable when varIndex is negative.
    void ValuesToControls(int varIndex);
    void ControlsToValues(int varIndex);

    void BuildColumns();
    // Widens every visible column to its caption and the widest of the first rows, within a cap
    // (never below the width it has).
    void FitColumns();
    // Adds a row holding the list's values to the list view at once.
    void AddRow();
    void ReadSelectedRow();

    // The list view's selection handler: a newly selected row goes into the list and the controls.
    virtual void OnItemSelected(bool selected);

    // Runs the exit check of every enabled edit of a variable that is to be written; false at the
    // first refusal, which the user has been shown.
    bool FieldsAcceptable();
    // The code of a Set stopped by a refused field.
    static constexpr int kFieldRefused = -900;

    void OnGetBegin() override;
    void OnGetResult() override;
    void OnSetCollect() override;
    void OnGetEnd() override;
    void OnGetError(const VdSNMPError &error) override;

    const std::vector<ControlBinding> &bindings() const { return bindings_; }
    QTreeView *listView() const { return listView_; }
    VdEditConstraint &constraint() { return constraint_; }
    bool toggleEditors = true;

private:
    void CheckVarIndex(int varIndex) const;
    void BindEditBoxes(int varIndex, std::size_t offset, std::uint32_t syntax, const VdOptionList *optionList,
                       const std::string &format, const std::vector<QLineEdit *> &edits, bool attach);
    void ShowValue(const ControlBinding &binding, const VarItem &item);
    std::string CollectPart(const ControlBinding &binding, const VarItem &item, const std::string &currentText,
                            std::size_t rawLength);
    void CollectVariable(int varIndex);
    void SelectionChanged();
    void StageRow();
    bool QueueRow();  // true when the rows went to the view
    void FlushRows();
    void DropPendingRows();
    int HeaderWidth(int column) const;

    static constexpr int kRowBatchMs = 50;
    // Rows shown per further millisecond between batches: each batch lays out every row again.
    static constexpr int kRowsPerBatchMs = 200;

    static constexpr int kFitRows = 200;
    static constexpr int kFitCharacters = 48;  // the widest a column is made, in average characters

    QPointer<QTreeView> listView_;
    std::unique_ptr<ListRows> rows_;
    QMetaObject::Connection selectionConnection_;
    QElapsedTimer sinceFlush_;
    std::vector<ControlBinding> bindings_;
    VdEditConstraint constraint_;
};
