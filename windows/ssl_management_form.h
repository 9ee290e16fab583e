#pragma once

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class VdSNMPRequest2Edits;

// The SSL settings: status, cache time-out and four cipher-suite switches that share one digit.
class TSSLManagementForm : public QDialog {
    Q_OBJECT
public:
    explicit TSSLManagementForm(QWidget *parent = nullptr);
    ~TSSLManagementForm() override;

    void btnGetClick();
    void btnSetClick();

    QComboBox *cbxSSLVersion;
    QLineEdit *edtciphersuites;
    QLineEdit *edtCacheTimeOut;
    QComboBox *cbxciphersuites1;
    QComboBox *cbxciphersuites2;
    QComboBox *cbxciphersuites3;
    QComboBox *cbxciphersuites4;
    QPushButton *btnGet;
    QPushButton *btnSet;
    QStatusBar *StatusBar1;
    QLabel *statusPanel;

private:
    void ShowSuites();
    QComboBox *Suite(int i) const;

    std::unique_ptr<VdSNMPRequest2Edits> binding_;
};
