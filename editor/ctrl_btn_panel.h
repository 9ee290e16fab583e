#pragma once

#include <QFrame>
#include <QList>

class QCheckBox;
class QLabel;
class QPushButton;

// The strip of command buttons on the right of every editor panel. It creates every button a
// panel may need; each panel shows, wires and enables the subset it uses.
class TCtrlBtnPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kLeftMargin = 10;
    static constexpr int kTopMargin = 10;
    static constexpr int kControlWidth = 96;
    static constexpr int kGap = 5;

    explicit TCtrlBtnPanel(QWidget *parent);

    // Stacks the controls from the top in their fixed order; hidden ones take no room.
    void LayoutButtons();
    // A button of a table's own, placed after Delete.
    QPushButton *AddTableButton(const QString &objectName, const QString &caption);
    // A check box placed after Delete.
    QCheckBox *AddCheck(const QString &objectName, const QString &caption);

    QLabel *SamplesCount;
    QLabel *SamplesLabel;
    QPushButton *RefreshButton;
    QPushButton *EditButton;
    QPushButton *SetCheckedButton;
    QPushButton *AddButton;
    QPushButton *DeleteButton;
    QPushButton *CheckAllButton;
    QPushButton *ClearChecksButton;
    QPushButton *CloseButton;

private:
    QPushButton *MakeButton(const char *name, const QString &caption, const QString &imageFile);
    void Insert(QWidget *control);

    QList<QWidget *> layoutList_;
};
