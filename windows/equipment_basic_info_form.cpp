#include "windows/equipment_basic_info_form.h"

#include "binding/ui/request2edits.h"
#include "forms/ui_parts.h"
#include "windows/logic/equipment_info_table.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kDesignWidth = 404;
constexpr int kDesignHeight = 189;

QLineEdit *MakeField(QWidget *parent, const char *name) {
    auto *edit = MakeNamed<QLineEdit>(parent, name);
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    edit->setPalette(palette);
    return edit;
}

}  // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(const RecipeContext &, QWidget *parent)
    : TSettingsForm(parent),
      binding_(AddBinding(VdSNMPVarList(equipment_info::kDescriptors, VdSNMPVarList::ScalarGroup, 0),
                          " Equipment Basic Information")) {
    setObjectName(QStringLiteral("EquipmentBasicInfoForm"));
    resize(kDesignWidth, kDesignHeight);

    Edit1 = MakeField(this, "Edit1");
    Edit1->setText(QStringLiteral("Redundant Power and Stacking"));
    Edit2 = MakeField(this, "Edit2");
    Edit3 = MakeField(this, "Edit3");
    Edit4 = MakeField(this, "Edit4");
    Memo1 = MakeNamed<QPlainTextEdit>(this, "Memo1");
    Memo1->setReadOnly(true);
    BitBtn1 = MakeNamedButton(this, "BitBtn1", "Refresh");

    auto *fields = new QGridLayout;
    const std::pair<const char *, QLineEdit *> rows[] = {{"Equipment Capacity", Edit1},
                                                         {"Max Supported Units", Edit2},
                                                         {"Number Of Unit", Edit3},
                                                         {"Stacking Version", Edit4}};
    int line = 0;
    for (const auto &[caption, edit] : rows) {
        fields->addWidget(new QLabel(QString::fromLatin1(caption), this), line, 0);
        fields->addWidget(edit, line++, 1);
    }
    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(Memo1, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    CentreOnMainWindow(this);

    SetStatusTarget(Memo1);
    WireButtons(BitBtn1, nullptr);

    using namespace equipment_info;
    binding_->BindEdits(kCapacity, "%s", {Edit1});
    binding_->BindEdits(kMaxUnits, "%i", {Edit2});
    binding_->BindEdits(kUnitCount, "%i", {Edit3});
    binding_->BindEdits(kStackingVersion, "%i", {Edit4});
}
