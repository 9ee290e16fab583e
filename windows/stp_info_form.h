#pragma once

#include "forms/settings_form.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
struct MenuEntry;
struct RecipeContext;

// The device's global spanning-tree settings: version, bridge timers, hop and hold counts and the
// forwarding of BPDUs. The main window's stSTP text names the version the device runs; a Set that
// changes it writes the version on its own first, and stSTP follows what the device accepted.
class TSTP_Info : public TSettingsForm {
    Q_OBJECT
public:
    TSTP_Info(const RecipeContext &context, QWidget *parent);
    ~TSTP_Info() override;

    // Reads the version the device runs into the main window's stSTP text before the settings, once
    // the window is shown; a failure is shown on the main window's status line too.
    void ReadRunningVersionFirst(const RecipeContext &context);

    const VdSNMPRequest2Edits *mstpBinding() const { return mstp_; }
    const VdSNMPRequest2Edits *fullBinding() const { return full_; }

protected:
    void ReadOnOpening() override;
    void ReadDevice() override;
    void WriteDevice() override;

private:
    void Combo_STPVersionChange();
    std::string RunningVersion() const;
    void ShowHelloTimeFor(const std::string &version, bool fillDefault);
    // Reads through binding, then runs then whether the read went through or not.
    void Read(VdSNMPRequest2Edits *binding, const std::function<void()> &then);
    void ShowReading();
    void ReadSettingsOnOpening();
    void FillMstpRow();
    // One Set: its writes one after the other; a failure stops them and goes to the status line.
    struct WriteRun;
    void WriteNext(const std::shared_ptr<WriteRun> &run, std::size_t k);
    void WriteEnded(const WriteRun &run);

    QLabel *runningVersion_;
    VdSNMPRequest2Edits *mstp_;
    VdSNMPRequest2Edits *full_;
    VdSNMPRequest2Edits *version_ = nullptr;
    QLabel *mainStatus_ = nullptr;
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
};

// The menu entry's handler: the window reads the running version into the main window's stSTP first
// when the entry asks for it.
std::unique_ptr<QDialog> CreateSTPInfo(const MenuEntry &entry, const RecipeContext &context);
