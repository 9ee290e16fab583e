#pragma once

#include "forms/settings_form.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct RecipeContext;

// Four read-only facts about the device's hardware and stacking; every read adds a status line.
class TEquipmentBasicInfoForm : public TSettingsForm {
    Q_OBJECT
public:
    TEquipmentBasicInfoForm(const RecipeContext &context, QWidget *parent);

private:
    VdSNMPRequest2Edits *binding_;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1;
};
