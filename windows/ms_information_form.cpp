#include "windows/ms_information_form.h"

#include "binding/ui/request2edits.h"
#include "catalogue/recipe_context.h"
#include "engine/coded_error.h"
#include "forms/ui_parts.h"
#include "windows/logic/member_switch_table.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace member_switch;

namespace {

constexpr int kDesignWidth = 700;
constexpr int kDesignHeight = 340;

}  // namespace

TMSEditForm::TMSEditForm(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MSEditForm"));
    setWindowTitle(QStringLiteral("MS Add"));
    MSIDEdit = MakeNamed<QLineEdit>(this, "MSIDEdit");
    KeyIDEdit = MakeNamed<QLineEdit>(this, "KeyIDEdit");
    MS_Password = MakeNamed<QLineEdit>(this, "MS_Password");
    Row_Status = MakeNamed<QComboBox>(this, "Row_Status");
    Row_Status->setEnabled(false);
    SetButton = MakeNamedButton(this, "SetButton", "Set");
    CloseButton = MakeNamedButton(this, "CloseButton", "Close");
    LayOutFieldDialog(this,
                      {{"Member Switch ID", MSIDEdit}, {"Member Candidate ID", KeyIDEdit}, {"Password", MS_Password},
                       {"Row Status", Row_Status}},
                      {SetButton, CloseButton});
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

TMSInformationForm::TMSInformationForm(const RecipeContext &, QWidget *parent)
    : TRowTableForm(parent), member_(AdoptBinding(std::make_unique<VdSNMPRequest2Edits>(this))) {
    Design("MSInformationForm", kDesignWidth, kDesignHeight);
    ListView1 = MakeNamed<QTreeWidget>(this, "ListView1");
    Memo1 = MakeMemo(this);
    GetButton = MakeNamedButton(this, "GetButton", "Refresh");
    AddButton = MakeNamedButton(this, "AddButton", "Add");
    DeleteButton = MakeNamedButton(this, "DeleteButton", "Delete");
    StaticText1 = MakeNamed<QLabel>(this, "StaticText1");
    dialog = new TMSEditForm(this);
    LayOutListWindow(this, ListView1, {Memo1, StaticText1}, {GetButton, AddButton, DeleteButton});

    BuildTable(kListDescriptors, kIndexCount, " Member Switch Information Table", ListView1, Memo1, false);
    table_->request.timeout = kListTimeout;
    member_->SetStatusTarget(Memo1);
    try {
        member_->request.list.Assign(VdSNMPVarList(kDialogDescriptors, VdSNMPVarList::SingleInstance, kIndexCount));
        member_->request.list.caption = " Member Switch";
        member_->BindEdits(kMemberId, kIdFormat, {dialog->MSIDEdit});
        member_->BindEdits(kCandidateSource, kIdFormat, {dialog->KeyIDEdit});
        member_->BindEdits(kPassword, kPasswordFormat, {dialog->MS_Password});
        member_->BindComboBox(kRowStatus, dialog->Row_Status);
        member_->SetMessageOwner(dialog);
    } catch (const CodedError &e) {
        member_->ShowStatus(e.message());
    }
    DeleteButton->setEnabled(false);

    SetExchangeButtons({GetButton, AddButton, DeleteButton, dialog->SetButton});
    connect(GetButton, &QPushButton::clicked, this, [this] {
        Refresh();
        DeleteButton->setEnabled(false);
    });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    connect(dialog->SetButton, &QPushButton::clicked, this, [this] { SetButtonClick(); });
}

TMSInformationForm::~TMSInformationForm() = default;

void TMSInformationForm::ReadDone() {
    StaticText1->setText(QStringLiteral("Total Entries: %1").arg(ListView1->topLevelItemCount()));
}

void TMSInformationForm::SelectionChanged() { DeleteButton->setEnabled(HasSelection()); }

void TMSInformationForm::AddButtonClick() {
    Choose(dialog->Row_Status, row_table::kCreateAndGo);
    for (QLineEdit *edit : {dialog->MSIDEdit, dialog->KeyIDEdit, dialog->MS_Password}) edit->clear();
    dialog->exec();
    Refresh();
}

void TMSInformationForm::SetButtonClick() {
    const NewMember member{FromQString(dialog->MSIDEdit->text()), FromQString(dialog->KeyIDEdit->text()),
                           FromQString(dialog->MS_Password->text()), FromQString(dialog->Row_Status->currentText())};
    if (const auto refusal = CheckAdd(member, ListedRows())) {
        QWidget *fields[] = {dialog->MSIDEdit, dialog->KeyIDEdit, nullptr, dialog->Row_Status};
        Refuse(dialog, refusal->message, fields[refusal->field]);
        return;
    }
    member_->request.list.instance = member.id;
    WriteFromDialog(dialog, *member_);
}

void TMSInformationForm::DeleteButtonClick() {
    if (!HasSelection()) {
        Refuse(this, row_table::kChooseItemMessage);
        return;
    }
    Choose(dialog->Row_Status, row_table::kDestroy);
    member_->request.list.instance = row_table::Cell(SelectedCells(), kId);
    WriteRow(*member_, DeleteExclusions());
}
