#pragma once

#include "windows/chosen_row_counter_window.h"
#include "windows/logic/counter_history.h"

#include <vector>

class QCheckBox;
class QChartView;
class QLineSeries;
class QTabWidget;

// The frame counters of one transparent-bridge port, with a chart of their recent increases.
class TTpBridgePortInfo_Table : public TChosenRowCounterWindow {
    Q_OBJECT
public:
    TTpBridgePortInfo_Table(const RecipeContext &context, QWidget *parent);

    const CounterHistory &history() const { return history_; }
    const std::vector<QLineSeries *> &series() const { return series_; }
    bool view3D() const { return view3D_; }

protected:
    void RowsRefreshed() override;
    void ResetToShownRow() override;
    void Evaluate() override;

private:
    void CB_HistoryCountChange();
    void CK_U3DClick();
    void Redraw();

    QTabWidget *PageControl1 = nullptr;
    QChartView *CH_Utilization = nullptr;
    QComboBox *CB_HistoryCount = nullptr;
    QCheckBox *CK_U3D = nullptr;
    std::vector<QLineSeries *> series_;
    int historyLength_ = 10;
    CounterHistory history_;
    bool view3D_ = false;
};
