#include "windows/acl_meter_form.h"

#include "binding/ui/request2edits.h"
#include "catalogue/recipe_context.h"
#include "engine/coded_error.h"
#include "forms/ui_parts.h"
#include "windows/logic/acl_meter_table.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

using namespace acl_meter;

namespace {

constexpr int kDesignWidth = 560;
constexpr int kDesignHeight = 400;

}  // namespace

TACLMeterForm::TACLMeterForm(const RecipeContext &, QWidget *parent) : TRowTableForm(parent) {
    Design("ACLMeterForm", kDesignWidth, kDesignHeight);
    ListView1 = MakeNamed<QTreeWidget>(this, "ListView1");
    GetButton = MakeNamedButton(this, "GetButton", "Refresh");
    EditButton = MakeNamedButton(this, "EditButton", "Set");
    // The table's rows are the device's own: no Add or Delete is offered.
    AddButton = MakeNamedButton(this, "AddButton", "Add");
    AddButton->hide();
    DeleteButton = MakeNamedButton(this, "DeleteButton", "Delete");
    DeleteButton->hide();
    StatusBar1 = MakeStatusBar(this, &statusPanel);
    LayOutListWindow(this, ListView1, {BuildEditors()}, {GetButton, EditButton}, StatusBar1);

    BuildTable(kDescriptors, kIndexCount, " ACL Meter Table", ListView1, statusPanel, false);
    if (ready()) {
        try {
            table_->BindEdits(kProfileId, kProfileIdFormat, {ProfileIDEdit});
            table_->BindEdits(kAccessId, kAccessIdFormat, {AccessIDEdit});
            table_->BindEdits(kRate, kRateFormat, {RateEdit});
            table_->BindComboBox(kAction, CBox_Active);
        } catch (const CodedError &e) {
            table_->ShowStatus(e.message());
        }
    }
    ClearEditors();

    SetExchangeButtons({GetButton, EditButton});
    connect(GetButton, &QPushButton::clicked, this, [this] { Refresh(); });
    connect(EditButton, &QPushButton::clicked, this, [this] { EditButtonClick(); });
}

TACLMeterForm::~TACLMeterForm() = default;

QWidget *TACLMeterForm::BuildEditors() {
    auto *editors = new QWidget(this);
    auto *grid = new QGridLayout(editors);
    grid->setContentsMargins(0, 0, 0, 0);
    ProfileIDEdit = MakeNamed<QLineEdit>(editors, "ProfileIDEdit");
    AccessIDEdit = MakeNamed<QLineEdit>(editors, "AccessIDEdit");
    // The IDs name the selected meter; a Set always writes that one.
    ProfileIDEdit->setReadOnly(true);
    AccessIDEdit->setReadOnly(true);
    RateEdit = MakeNamed<QLineEdit>(editors, "RateEdit");
    CBox_Active = MakeNamed<QComboBox>(editors, "CBox_Active");
    const char *captions[] = {"ACL Meter Profile ID", "ACL Meter Access ID", "Meter Rate", "Meter Action For Rate Exceed"};
    QWidget *fields[] = {ProfileIDEdit, AccessIDEdit, RateEdit, CBox_Active};
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(new QLabel(QString::fromLatin1(captions[row]), editors), row / 2, (row % 2) * 2);
        grid->addWidget(fields[row], row / 2, (row % 2) * 2 + 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("Note: a Meter Rate of 0 disables the ACL meter."), editors), 2, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Note: set both the Meter Rate and the Meter Action For Rate Exceed "
                                              "to make the entry active."),
                               editors),
                    3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return editors;
}

void TACLMeterForm::ClearEditors() {
    for (QLineEdit *edit : {ProfileIDEdit, AccessIDEdit, RateEdit}) edit->clear();
    CBox_Active->setCurrentIndex(-1);
    EditButton->setEnabled(false);
}

void TACLMeterForm::ReadDone() { ClearEditors(); }

void TACLMeterForm::SelectionChanged() {
    if (!HasSelection()) {
        ClearEditors();
        return;
    }
    EditButton->setEnabled(true);
}

void TACLMeterForm::EditButtonClick() {
    if (!HasSelection()) return;
    PinIndexToSelection();
    WriteRow(*table_);
}
