#pragma once

#include "windows/chosen_row_counter_window.h"

// The counters of one interface of the device, chosen from its interface table.
class TIF_Counters : public TChosenRowCounterWindow {
    Q_OBJECT
public:
    TIF_Counters(const RecipeContext &context, QWidget *parent);

protected:
    // The interface watched stays chosen while it is listed; when it is gone, the first one is.
    void RowsRefreshed() override;
};
