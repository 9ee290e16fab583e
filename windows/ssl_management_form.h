#pragma once

#include "forms/settings_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
struct RecipeContext;

// The SSL settings: status, cache time-out and four cipher-suite switches that share one digit.
class TSSLManagementForm : public TSettingsForm {
    Q_OBJECT
public:
    TSSLManagementForm(const RecipeContext &context, QWidget *parent);
    ~TSSLManagementForm() override;

protected:
    void WriteDevice() override;

private:
    void ShowSuites();
    QComboBox *Suite(int i) const;

    VdSNMPRequest2Edits *binding_;
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
};
