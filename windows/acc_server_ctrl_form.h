#pragma once

#include "forms/settings_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
struct RecipeContext;

// Access-control servers: a row named by group, address and protocol is added or deleted by
// writing its row state; there is no list of the rows.
class TfrmACCServerCtrl : public TSettingsForm {
    Q_OBJECT
public:
    TfrmACCServerCtrl(const RecipeContext &context, QWidget *parent);
    ~TfrmACCServerCtrl() override;

protected:
    void ReadDevice() override;
    void WriteDevice() override;

private:
    VdSNMPRequest2Edits *binding_;
    QLineEdit *edtGroupName;
    QLineEdit *edtIPAddr;
    QComboBox *cbAuthProtocol;
    QComboBox *cbRowState;
    QPushButton *Button1;
    QPushButton *Button2;
    QStatusBar *StatusBar1;
    QLabel *statusPanel;
};
