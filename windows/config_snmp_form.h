#pragma once

#include <QDialog>

#include <memory>
#include <string>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct MenuEntry;
struct RecipeContext;

namespace snmp_configuration {
struct Choices;
struct Running;
}

// How the module is to talk SNMP to its device from its next start: OK writes the device's
// configuration file beside the module. The running session keeps its settings.
class TfrmConfigSNMP : public QDialog {
    Q_OBJECT
public:
    TfrmConfigSNMP(const RecipeContext &context, QWidget *parent);
    ~TfrmConfigSNMP() override;

    // Set by OK: the file asks for another version or user than the module runs with.
    bool versionChanged = false;
    QString FilePath() const;

private:
    void rgpSNMPVersionClick();
    void cbxPrivProtocolChange();
    void btnOkClick();
    void btnExitClick();

    QLabel *lblIP;
    QLineEdit *edtPort;
    QGroupBox *rgpSNMPVersion;
    QComboBox *cbxSecurityName;
    QComboBox *cbxSecurityLevel;
    QComboBox *cbxAuthProtocol;
    QLineEdit *edtAuthPass;
    QComboBox *cbxPrivProtocol;
    QLineEdit *edtPrivPass;
    QLineEdit *edtContext;
    QLineEdit *edtContextEngine;
    QLineEdit *edtCommunity;
    QPushButton *btnOk;
    QPushButton *btnExit;

    // What the module runs with now.
    struct Running {
        std::string host;              // the device address the module was started for
        std::string moduleDirectory;
        std::string version;           // "0", "1" or "3"
        std::string securityName;
    };

    int ChosenVersion() const;
    void SetVersion3Controls(bool on);
    snmp_configuration::Choices CurrentChoices() const;
    // The settings the module runs with, and the window's controls showing choices.
    static snmp_configuration::Running RunningSettings();
    void ShowChoices(const snmp_configuration::Choices &choices);

    Running running_;
    QButtonGroup *versions_;
};

// After the window has closed: offers to end the module when the file changes the version.
void ConfigSNMPClosed(QDialog &window, const RecipeContext &context);
