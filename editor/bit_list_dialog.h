#pragma once

#include <QDialog>

#include <vector>

class QCheckBox;

// A grid of numbered check boxes, one per bit of a bit map (box n is bit n, shown as n + 1),
// perLine boxes to a line, with OK, Cancel, Check All and Clear Checks below.
class TBitListDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMargin = 10;
    static constexpr int kColumnWidth = 20;

    TBitListDialog(QWidget *parent, const QString &caption, int perLine, int bitCount, bool editable);

    const std::vector<QCheckBox *> &boxes() const { return boxes_; }
    void SetAllBoxes(bool checked);

private:
    std::vector<QCheckBox *> boxes_;
};
