#pragma once

#include "windows/row_table_form.h"

#include <memory>
#include <string>

class QLabel;
class QPushButton;
class QStatusBar;
class TIPCtrlEdtForm;
struct RecipeContext;

// The device's IP interfaces: listed, added and edited through TIPCtrlEdtForm, and deleted, under
// the interface rules of the device (the system interface stays; a VLAN has one primary and then
// one secondary interface; names and networks are not repeated).
class TIpCtrlForm : public TRowTableForm {
    Q_OBJECT
public:
    TIpCtrlForm(const RecipeContext &context, QWidget *parent);
    ~TIpCtrlForm() override;

    // The dialog's Set, in the dialog's mode; the dialog closes once the write went through.

protected:
    void ReadDone() override;
    void SelectionChanged() override;

private:
    void btnAddClick();
    void btnEditClick();
    void btnDelClick();
    void btnStopClick();
    void btnSetClick();

    QTreeWidget *ListView1;
    QPushButton *btnRefresh;
    QPushButton *btnAdd;
    QPushButton *btnEdit;
    QPushButton *btnDel;
    QPushButton *btnStop;
    QPushButton *btnClose;
    QStatusBar *stbResult;
    QLabel *statusPanel;
    TIPCtrlEdtForm *dialog;

    void BindDialog();
    QWidget *FieldWidget(int field) const;

    std::string host_;
};
