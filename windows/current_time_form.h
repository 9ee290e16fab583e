#pragma once

#include "forms/device_form.h"

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class VdSNMPRequest2Edits;
struct MenuEntry;
struct RecipeContext;

// The device clock: its capabilities, whether it resets on reboot, and the current date and time,
// read and set.
class TCurrentTimeForm : public TDeviceForm {
    Q_OBJECT
public:
    TCurrentTimeForm(const RecipeContext &context, QWidget *parent = nullptr);

    void GetButtonClick();
    void SetButtonClick();

    QLineEdit *timecapacityEdit;
    QLineEdit *currentclockEdit;
    QComboBox *cbxReset;
    QLabel *tempText;
    QPlainTextEdit *Memo1;
    QPushButton *GetButton;
    QPushButton *SetButton;
    QPushButton *CloseButton;

protected:
    void RefreshCurrent() override;

private:
    void ShowCapabilities();

    VdSNMPRequest2Edits *binding_;
};

std::unique_ptr<QDialog> CreateCurrentTime(const MenuEntry &entry, const RecipeContext &context);
