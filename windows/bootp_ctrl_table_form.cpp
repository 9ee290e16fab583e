#include "windows/bootp_ctrl_table_form.h"

#include "binding/ui/request2edits.h"
#include "catalogue/recipe_context.h"
#include "engine/coded_error.h"
#include "forms/ui_parts.h"
#include "windows/logic/bootp_relay_table.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace bootp_relay;

namespace {

constexpr int kDesignWidth = 420;
constexpr int kDesignHeight = 320;

}  // namespace

TNewBootpCtrlForm::TNewBootpCtrlForm(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NewBootpCtrlForm"));
    setWindowTitle(QStringLiteral("New Bootp Ctrl Entry"));
    Edit1 = MakeNamed<QLineEdit>(this, "Edit1");
    Edit2 = MakeNamed<QLineEdit>(this, "Edit2");
    DeleteBtn = MakeNamedButton(this, "DeleteBtn", "Set");
    CancelBtn = MakeNamedButton(this, "CancelBtn", "Close");
    LayOutFieldDialog(this, {{"Interface Name", Edit1}, {"Bootp Server IP", Edit2}}, {DeleteBtn, CancelBtn});
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TBOOTCtrlTableForm::TBOOTCtrlTableForm(const RecipeContext &, QWidget *parent) : TRowTableForm(parent) {
    Design("BOOTCtrlTableForm", kDesignWidth, kDesignHeight);
    ListView1 = MakeNamed<QTreeWidget>(this, "ListView1");
    Memo1 = MakeMemo(this);
    ComboBox1 = MakeNamed<QComboBox>(this, "ComboBox1");
    ComboBox1->hide();
    RefreshBtn = MakeNamedButton(this, "RefreshBtn", "Refresh");
    DeleteBtn = MakeNamedButton(this, "DeleteBtn", "Delete");
    AddBtn = MakeNamedButton(this, "AddBtn", "Add");
    CloseBtn = MakeNamedButton(this, "CloseBtn", "Close");
    dialog = new TNewBootpCtrlForm(this);

    LayOutListWindow(this, ListView1, {Memo1}, {RefreshBtn, DeleteBtn, AddBtn, CloseBtn});

    BuildTable(kDescriptors, kIndexCount, " BOOTP Ctrl Table", ListView1, Memo1, false);
    if (ready()) {
        try {
            table_->BindEdits(kInterfaceName, kFieldFormat, {dialog->Edit1});
            table_->BindEdits(kServerIp, kFieldFormat, {dialog->Edit2});
            table_->BindComboBox(kState, ComboBox1);
            table_->SetMessageOwner(dialog);
        } catch (const CodedError &e) {
            table_->ShowStatus(e.message());
        }
    }

    SetExchangeButtons({RefreshBtn, DeleteBtn, AddBtn, dialog->DeleteBtn});
    connect(RefreshBtn, &QPushButton::clicked, this, [this] { Refresh(); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteBtnClick(); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { AddBtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { close(); });
    connect(dialog->DeleteBtn, &QPushButton::clicked, this, [this] { DialogSetClick(); });
}

TBOOTCtrlTableForm::~TBOOTCtrlTableForm() = default;

void TBOOTCtrlTableForm::DeleteBtnClick() {
    if (!HasSelection()) {
        Refuse(this, row_table::kChooseItemMessage);
        return;
    }
    Choose(ComboBox1, kInvalid);
    PinIndexToSelection();
    WriteRow(*table_);
}

void TBOOTCtrlTableForm::AddBtnClick() {
    dialog->setWindowTitle(windowTitle() + QStringLiteral(" (Add)"));
    if (!dialog->activated) {
        dialog->activated = true;
        dialog->Edit1->clear();
        dialog->Edit2->clear();
    }
    dialog->Edit1->setEnabled(true);
    dialog->Edit2->setEnabled(true);
    if (dialog->exec() == QDialog::Accepted) {
        dialog->Edit1->clear();
        dialog->Edit2->clear();
    }
}

void TBOOTCtrlTableForm::DialogSetClick() {
    const std::string name = FromQString(dialog->Edit1->text());
    if (const auto refusal = CheckAdd(name, FromQString(dialog->Edit2->text()), ListedRows())) {
        Refuse(dialog, refusal->message, refusal->field == kServerField ? dialog->Edit2 : dialog->Edit1);
        return;
    }
    Choose(ComboBox1, kValid);
    WriteFromDialog(dialog, *table_);
}
