#include "windows/ip_ctrl_edit_form.h"

#include "binding/ui/option_controls.h"
#include "windows/form_parts.h"
#include "windows/logic/ip_ctrl_table.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kDesignWidth = 340;

}  // namespace

TIPCtrlEdtForm::TIPCtrlEdtForm(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("IPCtrlEdtForm"));
    setWindowTitle(QStringLiteral("IP Control Edit"));
    edtIPAddr = MakeNamed<QLineEdit>(this, "edtIPAddr");
    edtIndex = MakeNamed<QLineEdit>(this, "edtIndex");
    edtInterface = MakeNamed<QLineEdit>(this, "edtInterface");
    edtMask = MakeNamed<QLineEdit>(this, "edtMask");
    edtVlan = MakeNamed<QLineEdit>(this, "edtVlan");
    cbxMode = MakeNamed<QComboBox>(this, "cbxMode");
    cbxSecondary = MakeNamed<QComboBox>(this, "cbxSecondary");
    cbxOper = MakeNamed<QComboBox>(this, "cbxOper");
    cbxState = MakeNamed<QComboBox>(this, "cbxState");
    cbxARP = MakeNamed<QComboBox>(this, "cbxARP");
    btnSet = MakeNamedButton(this, "btnSet", "Add");
    btnClose = MakeNamedButton(this, "btnClose", "Close");

    auto *grid = new QGridLayout;
    const char *labels[] = {"IP Address", "IF Index", "Interface Name", "Subnet Mask", "VLAN Name",
                            "Mode", "Secondary", "Oper State", "State", "Proxy ARP State"};
    QWidget *controls[] = {edtIPAddr, edtIndex, edtInterface, edtMask, edtVlan, cbxMode, cbxSecondary, cbxOper,
                           cbxState, cbxARP};
    for (int row = 0; row < 10; ++row) {
        grid->addWidget(new QLabel(QString::fromLatin1(labels[row]), this), row, 0);
        grid->addWidget(controls[row], row, 1);
    }
    grid->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnSet);
    buttons->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(kDesignWidth, sizeHint().height());

    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TIPCtrlEdtForm::SetMode(Mode mode) {
    editMode_ = mode;
    const bool add = mode == Mode::Add;
    for (QLineEdit *edit : {edtIPAddr, edtIndex, edtInterface, edtMask, edtVlan}) {
        edit->setEnabled(add);
        if (add) edit->clear();
    }
    for (QComboBox *box : {cbxOper, cbxSecondary}) box->setEnabled(add);
    for (QComboBox *box : {cbxMode, cbxARP}) box->setEnabled(true);
    const QString state = cbxState->currentText();
    FillComboBox(ip_ctrl::kStateOptions, cbxState);
    if (add) {
        // A new interface starts with no choice left over from the row shown before.
        for (QComboBox *box : {cbxMode, cbxSecondary, cbxOper, cbxARP}) box->setCurrentIndex(-1);
        cbxState->setCurrentIndex(cbxState->findText(QStringLiteral("createAndGo")));
    } else {
        // An existing interface is only switched on or off.
        for (const char *gone : {"createAndGo", "destroy"}) cbxState->removeItem(cbxState->findText(QString::fromLatin1(gone)));
        cbxState->setCurrentIndex(cbxState->findText(state));
    }
    cbxState->setEnabled(!add);
    btnSet->setText(add ? QStringLiteral("Add") : QStringLiteral("Edit"));
}
