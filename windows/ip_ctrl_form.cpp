#include "windows/ip_ctrl_form.h"

#include "binding/ui/option_controls.h"
#include "binding/ui/request2edits.h"
#include "catalogue/recipe_context.h"
#include "engine/coded_error.h"
#include "forms/ui_parts.h"
#include "windows/ip_ctrl_edit_form.h"
#include "windows/logic/ip_ctrl_table.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

using namespace ip_ctrl;

namespace {

constexpr int kDesignWidth = 800;
constexpr int kDesignHeight = 340;

std::string Text(const QLineEdit *edit) { return FromQString(edit->text()); }
std::string Text(const QComboBox *box) { return FromQString(box->currentText()); }

}  // namespace

TIpCtrlForm::TIpCtrlForm(const RecipeContext &context, QWidget *parent) : TRowTableForm(parent) {
    Design("IpCtrlForm", kDesignWidth, kDesignHeight);
    host_ = context.hostText;

    ListView1 = MakeNamed<QTreeWidget>(this, "ListView1");
    btnRefresh = MakeNamedButton(this, "btnRefresh", "Refresh");
    btnAdd = MakeNamedButton(this, "btnAdd", "Add");
    btnEdit = MakeNamedButton(this, "btnEdit", "Edit");
    btnDel = MakeNamedButton(this, "btnDel", "Delete");
    btnStop = MakeNamedButton(this, "btnStop", "Stop");
    btnClose = MakeNamedButton(this, "btnClose", "Close");
    stbResult = MakeStatusBar(this, &statusPanel);
    stbResult->setObjectName(QStringLiteral("stbResult"));
    dialog = new TIPCtrlEdtForm(this);

    LayOutListWindow(this, ListView1, {}, {btnRefresh, btnAdd, btnEdit, btnDel, btnStop, btnClose}, stbResult);

    BuildTable(kDescriptors, kIndexCount, " IP Control Table", ListView1, statusPanel, false);
    BindDialog();
    btnEdit->setEnabled(false);
    btnDel->setEnabled(false);

    SetExchangeButtons({btnRefresh, btnAdd, btnEdit, btnDel, dialog->btnSet});
    connect(btnRefresh, &QPushButton::clicked, this, [this] { Refresh(); });
    connect(btnAdd, &QPushButton::clicked, this, [this] { btnAddClick(); });
    connect(btnEdit, &QPushButton::clicked, this, [this] { btnEditClick(); });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { btnEditClick(); });
    connect(btnDel, &QPushButton::clicked, this, [this] { btnDelClick(); });
    connect(btnStop, &QPushButton::clicked, this, [this] { btnStopClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { close(); });
    connect(dialog->btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });
}

TIpCtrlForm::~TIpCtrlForm() = default;

void TIpCtrlForm::BindDialog() {
    if (!ready()) return;
    try {
        table_->BindEdits(kIpAddr, "%s{l16}", {dialog->edtIPAddr});
        table_->BindEdits(kIfIndex, "%i{n0x65535l5}", {dialog->edtIndex});
        table_->BindEdits(kInterfaceName, "%s{l12}", {dialog->edtInterface});
        table_->BindEdits(kMask, "%s{l16}", {dialog->edtMask});
        table_->BindEdits(kVlanName, "%s{l32}", {dialog->edtVlan});
        table_->BindComboBox(kMode, dialog->cbxMode);
        table_->BindComboBox(kSecondary, dialog->cbxSecondary);
        table_->BindComboBox(kState, dialog->cbxState);
        table_->BindComboBox(kOper, dialog->cbxOper);
        table_->BindComboBox(kProxyArp, dialog->cbxARP);
        table_->SetMessageOwner(dialog);
    } catch (const CodedError &e) {
        table_->ShowStatus(e.message());
    }
}

void TIpCtrlForm::ReadDone() {
    btnAdd->setEnabled(true);
    btnDel->setEnabled(false);
}

void TIpCtrlForm::SelectionChanged() {
    if (!HasSelection()) {
        btnDel->setEnabled(false);
        btnEdit->setEnabled(false);
        btnAdd->setEnabled(true);
        return;
    }
    btnDel->setEnabled(Deletable(SelectedCells()));
    btnAdd->setEnabled(false);
    btnEdit->setEnabled(true);
}

void TIpCtrlForm::btnStopClick() { table_->request.alive = false; }

void TIpCtrlForm::btnAddClick() {
    dialog->setWindowTitle(QStringLiteral("IP Control Table(Add): ") + QString::fromStdString(host_));
    // A walk under way goes on: the Add's checks compare with every row, and a write waits for it.
    dialog->SetMode(TIPCtrlEdtForm::Mode::Add);
    dialog->exec();
}

void TIpCtrlForm::btnEditClick() {
    if (!HasSelection()) return;
    ShowSelectedRow();
    dialog->SetMode(TIPCtrlEdtForm::Mode::Edit);
    dialog->setWindowTitle(QStringLiteral("IP Control Table(Edit): ") + QString::fromStdString(host_));
    dialog->exec();
    ListView1->clearSelection();
    btnEdit->setEnabled(false);
    btnDel->setEnabled(false);
}

QWidget *TIpCtrlForm::FieldWidget(int field) const {
    switch (field) {
    case kIpField: return dialog->edtIPAddr;
    case kIndexField: return dialog->edtIndex;
    case kNameField: return dialog->edtInterface;
    case kMaskField: return dialog->edtMask;
    case kVlanField: return dialog->edtVlan;
    case kModeField: return dialog->cbxMode;
    case kSecondaryField: return dialog->cbxSecondary;
    case kOperField: return dialog->cbxOper;
    default: return nullptr;
    }
}

void TIpCtrlForm::btnSetClick() {
    if (!ready()) {
        dialog->reject();
        return;
    }
    const NewInterface typed{Text(dialog->edtIPAddr), Text(dialog->edtIndex), Text(dialog->edtInterface),
                             Text(dialog->edtMask),   Text(dialog->edtVlan),  Text(dialog->cbxMode),
                             Text(dialog->cbxSecondary), Text(dialog->cbxOper)};
    const bool add = dialog->editMode() == TIPCtrlEdtForm::Mode::Add;
    if (const auto refusal = add ? CheckAdd(typed, ListedRows()) : CheckEdit(typed)) {
        Refuse(dialog, refusal->message, FieldWidget(refusal->field));
        return;
    }
    if (!add) PinIndexToSelection();
    WriteFromDialog(dialog, *table_, add ? std::vector<int>{} : EditExclusions());
}

void TIpCtrlForm::btnDelClick() {
    if (ListView1->topLevelItemCount() == 0 || !HasSelection()) return;
    if (const auto refusal = CheckDelete(SelectedCells(), ListedRows())) {
        Refuse(this, refusal->message);
        return;
    }
    FillComboBox(kStateOptions, dialog->cbxState);
    Choose(dialog->cbxState, "destroy");
    PinIndexToSelection();
    WriteRow(*table_, DeleteExclusions());
    btnDel->setEnabled(false);
}
