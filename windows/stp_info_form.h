#pragma once

#include "forms/device_form.h"

#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class VdSNMPRequest2Edits;
struct MenuEntry;
struct RecipeContext;

// The device's global spanning-tree settings: version, bridge timers, hop and hold counts and the
// forwarding of BPDUs. The main window's stSTP text names the version the device runs; a Set that
// changes it writes the version on its own first, and stSTP follows what the device accepted.
class TSTP_Info : public TDeviceForm {
    Q_OBJECT
public:
    TSTP_Info(QLabel *runningVersion, const std::string &host, QWidget *parent = nullptr);
    ~TSTP_Info() override;

    void BT_GetClick();
    void BT_SetClick();
    void Combo_STPVersionChange();

    VdSNMPRequest2Edits *mstpBinding() const { return mstp_; }
    VdSNMPRequest2Edits *fullBinding() const { return full_; }

    QComboBox *Combo_STPVersion;
    QLineEdit *ET_AgingTime;
    QLineEdit *ET_HelloTime;
    QLineEdit *ET_ForwardDelay;
    QLineEdit *ET_Priority;
    QLineEdit *ED_TxHoldCount;
    QComboBox *Combo_BPDU;
    QTreeWidget *ListView1;
    QPushButton *BT_Get;
    QPushButton *BT_Set;
    QStatusBar *StatusBar1;
    QLabel *statusPanel;

protected:
    void RefreshCurrent() override;

private:
    std::string RunningVersion() const;
    void ShowHelloTimeFor(const std::string &version, bool fillDefault);
    void Read(VdSNMPRequest2Edits *binding);
    void FillMstpRow();
    // Runs the writes of one Set; a failure stops them and goes to the status line.
    void Write(const std::string &chosenVersion, bool &versionWritten);

    QLabel *runningVersion_;
    VdSNMPRequest2Edits *mstp_;
    VdSNMPRequest2Edits *full_;
    bool opened_ = false;
};

// The menu entry's handler: reads the running version into the main window's stSTP first when the
// entry asks for it.
std::unique_ptr<QDialog> CreateSTPInfo(const MenuEntry &entry, const RecipeContext &context);
