#include "windows/md5_information_form.h"

#include "binding/ui/request2edits.h"
#include "catalogue/recipe_context.h"
#include "engine/coded_error.h"
#include "forms/ui_parts.h"
#include "windows/logic/md5_key_table.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace md5_key;

namespace {

constexpr int kDesignWidth = 460;
constexpr int kDesignHeight = 340;

}  // namespace

TMd5EditForm::TMd5EditForm(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Md5EditForm"));
    setWindowTitle(QStringLiteral("Md5 Edit"));
    KeyIDEdit = MakeNamed<QLineEdit>(this, "KeyIDEdit");
    KeyEdit = MakeNamed<QLineEdit>(this, "KeyEdit");
    ComboBox1 = MakeNamed<QComboBox>(this, "ComboBox1");
    SetButton = MakeNamedButton(this, "SetButton", "Set");
    CloseButton = MakeNamedButton(this, "CloseButton", "Close");
    LayOutFieldDialog(this, {{"Key ID", KeyIDEdit}, {"Key", KeyEdit}, {"Status", ComboBox1}}, {SetButton, CloseButton});
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

TMd5InformationForm::TMd5InformationForm(const RecipeContext &, QWidget *parent) : TRowTableForm(parent) {
    Design("Md5InformationForm", kDesignWidth, kDesignHeight);
    ListView1 = MakeNamed<QTreeWidget>(this, "ListView1");
    Memo1 = MakeMemo(this);
    GetButton = MakeNamedButton(this, "GetButton", "Refresh");
    AddButton = MakeNamedButton(this, "AddButton", "Add");
    EditButton = MakeNamedButton(this, "EditButton", "Edit");
    DeleteButton = MakeNamedButton(this, "DeleteButton", "Delete");
    StaticText1 = MakeNamed<QLabel>(this, "StaticText1");
    StaticText1->hide();
    dialog = new TMd5EditForm(this);

    LayOutListWindow(this, ListView1, {Memo1}, {GetButton, AddButton, EditButton, DeleteButton});

    BuildTable(kDescriptors, kIndexCount, " MD5 Information Table", ListView1, Memo1, false);
    if (ready()) {
        try {
            table_->BindEdits(kKeyId, kKeyIdFormat, {dialog->KeyIDEdit});
            table_->BindEdits(kKey, kKeyFormat, {dialog->KeyEdit});
            table_->BindComboBox(kStatus, dialog->ComboBox1);
            table_->SetMessageOwner(dialog);
        } catch (const CodedError &e) {
            table_->ShowStatus(e.message());
        }
    }
    EditButton->setEnabled(false);

    SetExchangeButtons({GetButton, AddButton, EditButton, DeleteButton, dialog->SetButton});
    connect(GetButton, &QPushButton::clicked, this, [this] {
        Refresh();
        EditButton->setEnabled(false);
    });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(EditButton, &QPushButton::clicked, this, [this] { EditButtonClick(); });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { EditButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    connect(dialog->SetButton, &QPushButton::clicked, this, [this] { SetButtonClick(); });
}

TMd5InformationForm::~TMd5InformationForm() = default;

void TMd5InformationForm::ReadDone() { StaticText1->setText(QString::number(ListView1->topLevelItemCount())); }

void TMd5InformationForm::SelectionChanged() { EditButton->setEnabled(HasSelection()); }

void TMd5InformationForm::AddButtonClick() {
    dialog->setWindowTitle(windowTitle() + QStringLiteral("(Add)"));
    dialog->mode = TMd5EditForm::Mode::Add;
    dialog->KeyIDEdit->setEnabled(true);
    dialog->KeyIDEdit->clear();
    dialog->KeyEdit->clear();
    Choose(dialog->ComboBox1, row_table::kCreateAndGo);
    dialog->ComboBox1->setEnabled(false);
    dialog->exec();
    EditButton->setEnabled(false);
}

void TMd5InformationForm::EditButtonClick() {
    if (!HasSelection()) return;
    dialog->setWindowTitle(windowTitle());
    dialog->mode = TMd5EditForm::Mode::Edit;
    ShowSelectedRow();
    dialog->KeyIDEdit->setEnabled(false);
    Choose(dialog->ComboBox1, row_table::kActive);
    dialog->ComboBox1->setEnabled(false);
    dialog->exec();
    EditButton->setEnabled(false);
}

void TMd5InformationForm::DeleteButtonClick() {
    EditButton->setEnabled(false);
    if (!HasSelection()) {
        Refuse(this, row_table::kChooseItemMessage);
        return;
    }
    Choose(dialog->ComboBox1, row_table::kDestroy);
    PinIndexToSelection();
    WriteRow(*table_, {kKey});  // the status alone
}

void TMd5InformationForm::SetButtonClick() {
    const KeyEntry entry{FromQString(dialog->KeyIDEdit->text()), FromQString(dialog->KeyEdit->text()),
                         FromQString(dialog->ComboBox1->currentText())};
    const bool add = dialog->mode == TMd5EditForm::Mode::Add;
    if (const auto refusal = add ? CheckAdd(entry, ListedRows()) : CheckEdit(entry)) {
        QWidget *fields[] = {dialog->KeyIDEdit, dialog->KeyEdit, dialog->ComboBox1};
        Refuse(dialog, refusal->message, fields[refusal->field]);
        return;
    }
    if (!add) PinIndexToSelection();
    WriteFromDialog(dialog, *table_);
}
