#pragma once

#include "windows/logic/counter_evaluation.h"

#include "catalogue/recipe_context.h"
#include "forms/device_form.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;
class QTreeWidget;
class QVBoxLayout;
class BindingRead;
class VdSNMPRequest2Edits;

// What every counter window shares: the counter list and the hidden list its poll is read into, the
// clock, the interval, Reset/Start/Pause/Exit, the status bar and the poll timer. A poll runs through
// the event pump, so a silent device never holds the window; a tick that comes while one runs is
// skipped.
class TCounterWindow : public TDeviceForm {
    Q_OBJECT
public:
    ~TCounterWindow() override;

    bool polling() const { return polling_; }
    const CounterMonitor &monitor() const { return monitor_; }
    QTimer *pollTimer() const { return Timer1; }
    // The binding the polls read through; none until the window has something to watch.
    VdSNMPRequest2Edits *counterBinding() const { return counterBinding_; }

protected:
    struct Layout {
        QString className;
        QSize size;
        QString visibleList;
        QString hiddenList;
        QString exitButton;
        QString timeLabel;
        int panelWidth;
    };
    TCounterWindow(QWidget *parent, const Layout &layout, CounterMonitor::Style style,
                   std::vector<std::string> names, std::size_t firstCell);

    // The right-hand panel: controls above the interval (Refresh) and below it (history count).
    QVBoxLayout *upperControls() const { return upperControls_; }
    QVBoxLayout *lowerControls() const { return lowerControls_; }
    // The area left of the panel, holding the counter list unless a subclass moves it.
    QVBoxLayout *leftArea() const { return leftArea_; }
    QTreeWidget *counterList() const { return counterList_; }
    QTreeWidget *hiddenList() const { return hiddenList_; }
    QLabel *statusPanel() const { return statusPanel_; }

    // A binding owned by the window, reading through the event pump and reporting on the status panel.
    VdSNMPRequest2Edits *NewBinding();
    // The binding the polls read through, bound to the hidden list; none until the window has one.
    void SetCounterBinding(VdSNMPRequest2Edits *binding);
    // One read through the counter binding; then learns whether it succeeded (failures are on the
    // status panel already).
    void ReadCounters(std::function<void(bool ok)> then);

    // The window's first read, once it is shown.
    virtual void Opening() = 0;
    void RefreshCurrent() override;
    void BindingsReleased() override;
    virtual void BT_ResetClick() = 0;
    // Just before a poll, with the counter binding idle.
    virtual void BeforePoll() {}
    // One evaluation of the row read by the last poll; the default shows the monitor's rows.
    virtual void Evaluate();
    // Evaluate, with a failure shown on the status panel; false then.
    bool EvaluateShown();
    // A poll that ended after a Reset belongs to the measurement before it: it is dropped.
    void StartNewMeasurement() { ++measurement_; }

    void ShowRows();
    void SetPolling(bool on) { polling_ = on; }
    void SelectFirstInterval();
    int intervalMs() const;
    // The hidden list's first row, cell by cell; empty when nothing was read.
    std::vector<std::string> ReadCells() const;
    void ShowError(const std::string &message);
    // The number typed or chosen in an editable combo box, or nullopt after the error box, with the
    // box's text put back to the value in force.
    std::optional<int> AcceptedNumber(QComboBox *box, std::optional<int> (*parse)(const std::string &),
                                      std::string (*refusal)(const std::string &), int inForce);

    static std::string TimeOfDay();
    // When the cells now shown were read, in ms on a steady clock.
    static std::int64_t SampleTime();

    CounterMonitor monitor_;
    std::size_t firstCell_;

    QLabel *ST_Time = nullptr;
    QComboBox *CB_Interval = nullptr;
    QPushButton *BT_Reset = nullptr;
    QPushButton *BT_Start = nullptr;
    QPushButton *BT_Stop = nullptr;
    QPushButton *exitButton_ = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QTimer *Timer1 = nullptr;

private:
    void Timer1Timer();
    void CB_IntervalChange();

    QVBoxLayout *upperControls_ = nullptr;
    QVBoxLayout *lowerControls_ = nullptr;
    QVBoxLayout *leftArea_ = nullptr;
    QTreeWidget *counterList_ = nullptr;
    QTreeWidget *hiddenList_ = nullptr;
    QLabel *statusPanel_ = nullptr;
    VdSNMPRequest2Edits *counterBinding_ = nullptr;
    bool polling_ = false;
    int measurement_ = 0;
    std::unique_ptr<BindingRead> counterRead_;
};
