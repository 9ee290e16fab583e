#pragma once

#include "forms/device_form.h"

#include <memory>

class PortPoller;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeWidget;
struct RecipeContext;

// Every port of the switch in one list: description, states, speed, duplex, PVID, traffic rates
// and the increase of errors and discards between the last two polls. Sortable by any column,
// filtered by a text, polled at the chosen interval.
class TPortOverview : public TDeviceForm {
    Q_OBJECT
public:
    TPortOverview(const RecipeContext &context, QWidget *parent);
    ~TPortOverview() override;

    QTreeWidget *list() const { return LV_PortOverview; }

protected:
    void RefreshCurrent() override;
    void BindingsReleased() override;

private:
    void ShowPoll();
    void ApplyFilter();
    void IntervalChosen();

    std::unique_ptr<PortPoller> poller_;
    QTreeWidget *LV_PortOverview = nullptr;
    QLineEdit *ED_Filter = nullptr;
    QComboBox *CB_Interval = nullptr;
    QPushButton *BT_Refresh = nullptr;
    QPushButton *BT_Exit = nullptr;
    QLabel *statusPanel_ = nullptr;
    QTimer *poll_ = nullptr;
};

