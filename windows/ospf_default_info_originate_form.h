#pragma once

#include "forms/settings_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
struct RecipeContext;

// Origination of a default route into OSPF: the user ticks which settings a write carries; while
// the function is disabled its other settings are locked.
class TOSPFDefaultInfoOriginateForm : public TSettingsForm {
    Q_OBJECT
public:
    TOSPFDefaultInfoOriginateForm(const RecipeContext &context, QWidget *parent);
    ~TOSPFDefaultInfoOriginateForm() override;

protected:
    void ReadDevice() override;
    void WriteDevice() override;

private:
    void CBoxStateChange();
    void SetDependentsEnabled(bool enabled);
    void WriteEnded(bool written);

    VdSNMPRequest2Edits *binding_;
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
};
