#pragma once

#include "editor/ui_snmp_var.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QScrollArea;
class TCtrlBtnPanel;
class VdSNMPRequest2Edits;

// The editor grid: one row per variable of a binding's list, each with a check box that selects
// it for sending, the variable's label and an editor (an edit box, or a drop-down list for an
// editable enumeration).
class TEditsPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMargin = 20;
    static constexpr int kGap = 5;
    static constexpr int kCheckBoxWidth = 20;
    static constexpr int kDefaultEditWidth = 121;

    TEditsPanel(QWidget *parent, VdSNMPRequest2Edits *binding);

    void BuildRows();
    // Shows and enables the buttons of the strip this grid works with, and remembers the strip.
    void ArrangeCtrlBtn(TCtrlBtnPanel *buttons);
    TCtrlBtnPanel *buttons() const;

    void MakeRowReadOnly(int i);
    void MakeRowEditable(int i);
    void SetRowsCheckState(bool check);
    void Layout();
    void SetEditWidth(int width);
    void HideRow(int i);
    void ShowRow(int i);
    void CheckRow(int i);
    void UncheckRow(int i);
    // Ticks an editable row the user has just edited, as a click on its check box would.
    void TickRow(int i);
    // Checks a row and hides its check box, so that every Set sends it.
    void PresetRow(int i);
    // A locked check box keeps its state until it is unlocked.
    void LockRowCheck(int i, bool locked);
    void ClearRow(int i);
    void ClearAllRows();
    void SetRowValue(int i, const std::string &text);
    std::string RowText(int i) const;
    bool RowIsEmpty(int i) const;
    bool AllRowsReadOnly() const;
    int EditableRowCount() const;
    int CheckedRowCount() const;

    // Binds the row's edit box anew with an input format; the row must be an edit-box row.
    void SetRowFormat(int i, const std::string &format);
    // Puts a control of the caller's in place of the row's editor (unbound and destroyed); the row
    // then counts as one whose editor is a panel.
    void ReplaceRowEditor(int i, QWidget *control);
    // The row holds a secret: its edit box masks what it shows unless the secrets are shown.
    void MaskRow(int i);
    bool hasMaskedRows() const { return !maskedRows_.empty(); }
    void ShowSecrets(bool shown);
    // Makes the row a port list of bitCount ports: shown and typed as ranges ("1-4,49,52", "none"),
    // hex still taken, and picked in a grid of numbered check boxes that the field's button or F4
    // opens.
    void SetBitListRow(int i, int perLine, int bitCount);
    // The bit-list dialog of a bit-list row; true when the user closed it with OK.
    bool EditBitList(int i);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const UISnmpVar &Row(int i) const { return rows_.at(static_cast<std::size_t>(i)); }
    bool IsIndexRow(int i) const;
    bool IsRowEditable(int i) const;
    VdSNMPRequest2Edits *binding() const { return binding_; }

    // Runs when the user clicks a row's check box; installed by the frame around the grid.
    std::function<void(QCheckBox *)> onRowCheck;

    int editWidth = kDefaultEditWidth;
    QColor readOnlyTextColour = Qt::black;
    QColor readOnlyBackColour;
    bool defaultCheck = false;
    bool multicastRangeMode = false;

    QSize sizeHint() const override { return laidOutSize_; }
    QSize minimumSizeHint() const override { return {0, 0}; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    UISnmpVar &MutableRow(int i) { return rows_.at(static_cast<std::size_t>(i)); }
    void CreateRowControls(int i);
    void TickOnEdit(int i, QWidget *editor);
    void Colour(QWidget *editor, const QColor &text, const QColor &back);
    bool OpensBitList(const QObject *watched, int &row) const;

    VdSNMPRequest2Edits *binding_;
    std::vector<UISnmpVar> rows_;
    QScrollArea *scrollBox_;
    QWidget *rowsHost_;
    QPointer<TCtrlBtnPanel> buttons_;
    QSize laidOutSize_;
    std::vector<int> maskedRows_;
};
