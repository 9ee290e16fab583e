#pragma once

#include <QDialog>

#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class VdSNMPRequest2Edits;

// Four read-only facts about the device's hardware and stacking; every read adds a status line.
class TEquipmentBasicInfoForm : public QDialog {
    Q_OBJECT
public:
    explicit TEquipmentBasicInfoForm(QWidget *parent = nullptr);
    ~TEquipmentBasicInfoForm() override;

    void BitBtn1Click();

    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1;

private:
    std::unique_ptr<VdSNMPRequest2Edits> binding_;
};
