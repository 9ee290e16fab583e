#pragma once

#include "forms/device_form.h"

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class VdSNMPRequest2Edits;

// The SSL settings: status, cache time-out and four cipher-suite switches that share one digit.
class TSSLManagementForm : public TDeviceForm {
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

protected:
    void RefreshCurrent() override;

private:
    void ShowSuites();
    QComboBox *Suite(int i) const;

    VdSNMPRequest2Edits *binding_;
};

struct MenuEntry;
struct RecipeContext;
std::unique_ptr<QDialog> CreateSSLManagementForm(const MenuEntry &, const RecipeContext &context);
