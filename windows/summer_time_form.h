#pragma once

#include <QDialog>
#include <QList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class TSNMPEditorPanel;
class VdSNMPRequest2Edits;

// The controls of one point row: its panel first, then its field controls in creation order.
using TCtrlsList = QList<QWidget *>;

// Summer time: off, a weekday rule that repeats every year, or fixed dates, with an offset. The
// start and end points are packed octet strings edited through one small control per field.
class TSummerTimeForm : public QDialog {
    Q_OBJECT
public:
    explicit TSummerTimeForm(QWidget *parent = nullptr);
    ~TSummerTimeForm() override;

    // The window's Refresh: the status first, then the offset and the points it shows.
    void Read();
    // The window's Set Checked: every ticked field checked, then the status, then the rest.
    void Write();
    // Shows the point rows of the chosen status; the others are hidden with their ticks cleared.
    void SwitchRows();

    TSNMPEditorPanel *panel;
    std::array<TCtrlsList, 4> controlLists;

private:
    void BuildPointRow(int row);
    void IncludeOnly(const std::vector<int> &rows);
    void Include(int row);
    // True when the read or write went through; its error is shown as a status line otherwise.
    bool Run(const std::function<void()> &exchange);

    std::unique_ptr<VdSNMPRequest2Edits> binding_;
};
