#pragma once

#include "binding/ui/sortable_list.h"

#include <QWidget>

#include <string>

class QLineEdit;
class TCtrlBtnPanel;
class VdSNMPRequest2Edits;

// Holds the list view a table is walked into, with its filter box above it, and the row-status
// column and values that create and destroy a row (-1 and none: no Add, no Delete).
class TListViewPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxWidth = 450;
    static constexpr int kHeight = 350;
    static constexpr int kPixelsPerCaptionCharacter = 8;

    TListViewPanel(QWidget *parent, VdSNMPRequest2Edits *binding);

    void ArrangeCtrlBtn(TCtrlBtnPanel *buttons);

    QSize sizeHint() const override { return preferredSize_; }
    QSize minimumSizeHint() const override { return {0, 0}; }

    SortableList *listView;
    QLineEdit *filterEdit;
    int addIndex = -1;
    std::string addValue;
    int deleteIndex = -1;
    std::string deleteValue;

private:
    QSize preferredSize_;
};
