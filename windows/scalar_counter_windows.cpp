#include "windows/scalar_counter_windows.h"

#include "binding/ui/request2edits.h"
#include "windows/logic/counter_tables.h"

#include <QTimer>

namespace {

constexpr int kPanelWidth = 98;

}  // namespace

TScalarCounterWindow::TScalarCounterWindow(QWidget *parent, const ScalarCounterDesign &design)
    : TCounterWindow(parent,
                     {design.className, QSize(design.width, design.height),
                      design.visibleList, design.hiddenList, QStringLiteral("Button1"), QStringLiteral("System Time"),
                      kPanelWidth},
                     CounterMonitor::Style::ScalarGroup, design.names, 0),
      design_(design) {}

void TScalarCounterWindow::Opening() {
    Timer1->start();
    if (design_.pollingBeforeOpeningRead) {
        SelectFirstInterval();
        SetPolling(true);
    }
    VdSNMPRequest2Edits *binding = NewBinding();
    binding->request.list.Assign(VdSNMPVarList(design_.table, VdSNMPVarList::Table, 0));
    SetCounterBinding(binding);
    ReadCounters([this](bool ok) { OpeningReadDone(ok); });
}

void TScalarCounterWindow::OpeningReadDone(bool ok) {
    monitor_.Reset(TimeOfDay());
    ShowRows();
    const bool evaluated = ok && (!design_.evaluatesOpeningRead || EvaluateShown());
    monitor_.ForgetFirstSample();
    if (evaluated && !design_.pollingBeforeOpeningRead) {
        SelectFirstInterval();
        SetPolling(true);
    }
}

void TScalarCounterWindow::BT_ResetClick() {
    StartNewMeasurement();
    monitor_.Reset(TimeOfDay());
    ShowRows();
    SetPolling(true);
}

TUDP_Counters::TUDP_Counters(const RecipeContext &, QWidget *parent)
    : TScalarCounterWindow(parent, UdpCounterDesign()) {}

TIP_Counters::TIP_Counters(const RecipeContext &, QWidget *parent)
    : TScalarCounterWindow(parent, IpCounterDesign()) {}

TSNMP_Counters::TSNMP_Counters(const RecipeContext &, QWidget *parent)
    : TScalarCounterWindow(parent, SnmpCounterDesign()) {}

TICMP_Counters::TICMP_Counters(const RecipeContext &, QWidget *parent)
    : TScalarCounterWindow(parent, IcmpCounterDesign()) {}
