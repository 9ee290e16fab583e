#include "windows/ip_ctrl_edit_form.h"

#include "binding/ui/option_controls.h"
#include "forms/ui_parts.h"
#include "windows/logic/ip_ctrl_table.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

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

    LayOutFieldDialog(this,
                      {{"IP Address", edtIPAddr}, {"IF Index", edtIndex}, {"Interface Name", edtInterface},
                       {"Subnet Mask", edtMask}, {"VLAN Name", edtVlan}, {"Mode", cbxMode}, {"Secondary", cbxSecondary},
                       {"Oper State", cbxOper}, {"State", cbxState}, {"Proxy ARP State", cbxARP}},
                      {btnSet, btnClose});
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
    cbxSecondary->setEnabled(add);
    // The IF index and the link state are the device's to give: shown, never asked for.
    edtIndex->setEnabled(false);
    cbxOper->setEnabled(false);
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
