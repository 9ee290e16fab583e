#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// The add and edit dialog of the IP interfaces; its controls are bound to the list window's
// binding, which also runs its Set.
class TIPCtrlEdtForm : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Edit };

    explicit TIPCtrlEdtForm(QWidget *parent);

    // Prepares the controls for the mode: an Add starts from empty fields with "createAndGo" as
    // the state; an Edit shows the row and offers only its mode, state and proxy ARP.
    void SetMode(Mode mode);
    Mode editMode() const { return editMode_; }

private:
    friend class TIpCtrlForm;

    QLineEdit *edtIPAddr;
    QLineEdit *edtIndex;
    QLineEdit *edtInterface;
    QLineEdit *edtMask;
    QLineEdit *edtVlan;
    QComboBox *cbxMode;
    QComboBox *cbxSecondary;
    QComboBox *cbxOper;
    QComboBox *cbxState;
    QComboBox *cbxARP;
    QPushButton *btnSet;
    QPushButton *btnClose;

    Mode editMode_ = Mode::Add;
};
