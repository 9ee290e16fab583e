#include "catalogue/model/port_list_rows.h"

#include "catalogue/model/catalogue_model.h"

bool IsPortListRow(const PanelRecipe &recipe, int row) {
    for (const Adjustment &a : recipe.adjustments)
        if (a.type == Adjustment::Type::BitList && a.row == row) return true;
    return false;
}
