#pragma once

#include "forms/device_form.h"

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class VdSNMPRequest2Edits;

// Access-control servers: a row named by group, address and protocol is added or deleted by
// writing its row state; there is no list of the rows.
class TfrmACCServerCtrl : public TDeviceForm {
    Q_OBJECT
public:
    explicit TfrmACCServerCtrl(QWidget *parent = nullptr);
    ~TfrmACCServerCtrl() override;

    void Button1Click();

    QLineEdit *edtGroupName;
    QLineEdit *edtIPAddr;
    QComboBox *cbAuthProtocol;
    QComboBox *cbRowState;
    QPushButton *Button1;
    QPushButton *Button2;
    QStatusBar *StatusBar1;
    QLabel *statusPanel;

protected:
    void RefreshCurrent() override;

private:
    VdSNMPRequest2Edits *binding_;
};

struct MenuEntry;
struct RecipeContext;
std::unique_ptr<QDialog> CreatefrmACCServerCtrl(const MenuEntry &, const RecipeContext &context);
