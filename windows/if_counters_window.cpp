#include "windows/if_counters_window.h"

#include "windows/logic/counter_tables.h"

TIF_Counters::TIF_Counters(const RecipeContext &, QWidget *parent)
    : TChosenRowCounterWindow(parent,
                              {QStringLiteral("TIF_Counters"), QSize(694, 548),
                               QStringLiteral("LV_IF_Counters"), QStringLiteral("LV_IFCounterData"),
                               QStringLiteral("Button2"), QStringLiteral("System Time"), 112},
                              {QStringLiteral("LV_IFTableIndex"), 0, QStringLiteral("Index"),
                               QStringLiteral("Description"), QStringLiteral("Button1"), kInterfaceListTable,
                               kInterfaceCounterTable, -1},
                              InterfaceCounterNames()) {}

void TIF_Counters::RowsRefreshed() {
    const int k = RowOf(polledIndex());
    if (k >= 0) {
        SelectRow(k);
        return;
    }
    SelectRow(0);
    ResetToShownRow();
}
