#pragma once

#include "forms/device_form.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class VdSNMPRequest2Edits;

// Origination of a default route into OSPF: the user ticks which settings a write carries; while
// the function is disabled its other settings are locked.
class TOSPFDefaultInfoOriginateForm : public TDeviceForm {
    Q_OBJECT
public:
    explicit TOSPFDefaultInfoOriginateForm(QWidget *parent = nullptr);
    ~TOSPFDefaultInfoOriginateForm() override;

    void GetButtonClick();
    void SetButtonClick();
    void CBoxStateChange();

    QCheckBox *CheckBox1;
    QCheckBox *CheckBox2;
    QCheckBox *CheckBox3;
    QCheckBox *CheckBox4;
    QComboBox *CBoxState;
    QComboBox *CBoxAlways;
    QComboBox *CBoxMettype;
    QLineEdit *MetricEdit;
    QPushButton *SetButton;
    QPushButton *CloseButton;
    QPushButton *GetButton;
    QStatusBar *StatusBar1;
    QLabel *statusPanel;

protected:
    void RefreshCurrent() override;

private:
    void SetDependentsEnabled(bool enabled);
    void WriteEnded(bool written);

    VdSNMPRequest2Edits *binding_;
};

struct MenuEntry;
struct RecipeContext;
std::unique_ptr<QDialog> CreateOSPFDefaultInfoOriginateForm(const MenuEntry &, const RecipeContext &context);
