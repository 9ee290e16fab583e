#pragma once

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class VdSNMPRequest2Edits;

// The device clock: its capabilities, whether it resets on reboot, and the current date and time,
// read and set.
class TCurrentTimeForm : public QDialog {
    Q_OBJECT
public:
    explicit TCurrentTimeForm(QWidget *parent = nullptr);
    ~TCurrentTimeForm() override;

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

private:
    void ShowCapabilities();

    std::unique_ptr<VdSNMPRequest2Edits> binding_;
};
