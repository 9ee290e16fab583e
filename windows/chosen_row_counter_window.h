#pragma once

#include "windows/counter_window.h"

class BindingRead;
struct DescriptorRecord;

// A counter window over one row of a device table, chosen from a list of its rows on top: the
// interface window and the bridge port window. The counters polled are always those of the row the
// labels under the list show.
class TChosenRowCounterWindow : public TCounterWindow {
    Q_OBJECT
public:
    ~TChosenRowCounterWindow() override;

    QTreeWidget *rowList() const { return rowList_; }
    // The index whose counters are polled; empty while there is nothing to watch.
    const std::string &polledIndex() const { return polledIndex_; }
    // The row watched first once the list has been read, when it is listed (else the first row).
    void PreferRow(const std::string &index) { preferredRow_ = index; }

protected:
    struct RowListDesign {
        QString listName;
        int listHeight;  // 0: as the layout gives
        QString indexLabel;
        QString descriptionLabel;
        QString refreshButton;
        const DescriptorRecord *listTable;
        const DescriptorRecord *counterTable;
        int listRetries;  // -1: as the session's
    };
    TChosenRowCounterWindow(QWidget *parent, const Layout &layout, const RowListDesign &rows,
                            std::vector<std::string> names);

    void Opening() override;
    void BT_ResetClick() override;
    void BeforePoll() override;
    void BindingsReleased() override;

    // The list was read again: what happens to the measurement (the row list is not empty).
    virtual void RowsRefreshed() = 0;
    // The counters of the row the labels show, from the next poll on, in a new measurement.
    virtual void ResetToShownRow();
    // Selects row k without it counting as the user's choice.
    void SelectRow(int k);
    int RowOf(const std::string &index) const;

    QLabel *ST_Index = nullptr;
    QLabel *ST_Descr = nullptr;
    QPushButton *refreshButton_ = nullptr;

private:
    void ReadRows(std::function<void(bool ok)> then);
    void RowsRead(bool ok);
    void BeginWatching();
    void NothingToWatch();
    void RowChosen();

    const RowListDesign rows_;
    QTreeWidget *rowList_ = nullptr;
    VdSNMPRequest2Edits *listBinding_ = nullptr;
    std::unique_ptr<BindingRead> rowsRead_;
    std::string polledIndex_;
    std::string preferredRow_;
    bool counterListStale_ = false;
    bool selecting_ = false;
};
