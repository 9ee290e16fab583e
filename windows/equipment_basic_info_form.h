#pragma once

#include "forms/device_form.h"

#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class VdSNMPRequest2Edits;
struct MenuEntry;
struct RecipeContext;

// Four read-only facts about the device's hardware and stacking; every read adds a status line.
class TEquipmentBasicInfoForm : public TDeviceForm {
    Q_OBJECT
public:
    TEquipmentBasicInfoForm(const RecipeContext &context, QWidget *parent = nullptr);

    void BitBtn1Click();

    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1;

protected:
    void RefreshCurrent() override;

private:
    VdSNMPRequest2Edits *binding_;
};

std::unique_ptr<QDialog> CreateEquipmentBasicInfo(const MenuEntry &entry, const RecipeContext &context);
