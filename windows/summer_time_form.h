#pragma once

#include "forms/settings_form.h"

#include <cstddef>
#include <vector>

class TSNMPEditorPanel;
struct RecipeContext;

// Summer time: off, a weekday rule that repeats every year, or fixed dates, with an offset. The
// start and end points are packed octet strings edited through one small control per field.
class TSummerTimeForm : public TSettingsForm {
    Q_OBJECT
public:
    TSummerTimeForm(const RecipeContext &context, QWidget *parent);

protected:
    // The window's Refresh: the status first, then the offset and the points it shows.
    void ReadDevice() override;
    // The window's Set Checked: every ticked field checked, then the status, then the rest.
    void WriteDevice() override;
    void BindingsReleased() override;

private:
    // Shows the point rows of the chosen status; the others are hidden with their ticks cleared.
    void SwitchRows();
    void BuildPointRow(int row);
    // The field controls of a point row, left to right.
    std::vector<QWidget *> PointControls(int row) const;
    void IncludeOnly(const std::vector<int> &rows);
    void Include(int row);
    // Writes step k of a Set and chains the next on its success.
    void WriteStep(const std::vector<std::vector<int>> &steps, std::size_t k);

    VdSNMPRequest2Edits *binding_;
    TSNMPEditorPanel *panel;
};
