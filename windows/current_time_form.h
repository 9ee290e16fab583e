#pragma once

#include "forms/settings_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct RecipeContext;

// The device clock: its capabilities, whether it resets on reboot, and the current date and time,
// read and set.
class TCurrentTimeForm : public TSettingsForm {
    Q_OBJECT
public:
    TCurrentTimeForm(const RecipeContext &context, QWidget *parent);

protected:
    void WriteDevice() override;

private:
    void ShowCapabilities();

    VdSNMPRequest2Edits *binding_;
    QLineEdit *timecapacityEdit;
    QLineEdit *currentclockEdit;
    QComboBox *cbxReset;
    QLabel *tempText;
    QPlainTextEdit *Memo1;
    QPushButton *GetButton;
    QPushButton *SetButton;
    QPushButton *CloseButton;
};
