#pragma once

#include "forms/device_form.h"

#include <QList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class TSNMPEditorPanel;
class VdSNMPRequest2Edits;
struct MenuEntry;
struct RecipeContext;

// The controls of one point row: its panel first, then its field controls in creation order.
using TCtrlsList = QList<QWidget *>;

// Summer time: off, a weekday rule that repeats every year, or fixed dates, with an offset. The
// start and end points are packed octet strings edited through one small control per field.
class TSummerTimeForm : public TDeviceForm {
    Q_OBJECT
public:
    TSummerTimeForm(const RecipeContext &context, QWidget *parent = nullptr);

    // The window's Refresh: the status first, then the offset and the points it shows.
    void Read();
    // The window's Set Checked: every ticked field checked, then the status, then the rest.
    void Write();
    // Shows the point rows of the chosen status; the others are hidden with their ticks cleared.
    void SwitchRows();

    TSNMPEditorPanel *panel;
    std::array<TCtrlsList, 4> controlLists;

protected:
    void RefreshCurrent() override { Read(); }
    void BindingsReleased() override;

private:
    void BuildPointRow(int row);
    void IncludeOnly(const std::vector<int> &rows);
    void Include(int row);
    // True when the read or write went through; its error is shown as a status line otherwise.
    bool Run(const std::function<void()> &exchange);

    VdSNMPRequest2Edits *binding_;
};

std::unique_ptr<QDialog> CreateSummerTime(const MenuEntry &entry, const RecipeContext &context);
