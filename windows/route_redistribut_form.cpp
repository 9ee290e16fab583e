#include "windows/route_redistribut_form.h"

#include "binding/ui/request2edits.h"
#include "catalogue/recipe_context.h"
#include "engine/coded_error.h"
#include "forms/ui_parts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

using namespace route_redistribution;

namespace {

constexpr int kDesignWidth = 560;
constexpr int kDesignHeight = 460;
constexpr int kTypeColumns = 5;

}  // namespace

TRouteRedistributForm::TRouteRedistributForm(const RecipeContext &, QWidget *parent) : TRowTableForm(parent) {
    Design("RouteRedistributForm", kDesignWidth, kDesignHeight);
    ListView1 = MakeNamed<QTreeWidget>(this, "ListView1");
    Memo1 = MakeMemo(this);
    RefreshBtn = MakeNamedButton(this, "RefreshBtn", "Refresh");
    EditBtn = MakeNamedButton(this, "EditBtn", "Set");
    AddBtn = MakeNamedButton(this, "AddBtn", "Add");
    DeleteBtn = MakeNamedButton(this, "DeleteBtn", "Delete");
    CloseBtn = MakeNamedButton(this, "CloseBtn", "Close");
    QWidget *editors = BuildEditors();
    LayOutListWindow(this, ListView1, {editors, Memo1}, {RefreshBtn, EditBtn, AddBtn, DeleteBtn, CloseBtn});

    BuildTable(kDescriptors, kIndexCount, " Route Redistribution Table", ListView1, Memo1, false);
    if (ready()) {
        try {
            table_->BindComboBox(kSource, ComboBox1);
            table_->BindComboBox(kDestination, ComboBox2);
            table_->BindComboBox(kType, ComboBox3);
            table_->BindEdits(kMetric, kMetricFormat, {Edit1});
            table_->BindComboBox(kRowStatus, StComboBox);
        } catch (const CodedError &e) {
            table_->ShowStatus(e.message());
        }
    }
    DeleteBtn->setEnabled(false);

    SetExchangeButtons({RefreshBtn, EditBtn, AddBtn, DeleteBtn});
    connect(RefreshBtn, &QPushButton::clicked, this, [this] { Refresh(); });
    connect(EditBtn, &QPushButton::clicked, this, [this] { EditBtnClick(); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { AddBtnClick(); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteBtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { close(); });
    for (QComboBox *protocol : {ComboBox1, ComboBox2}) {
        connect(protocol, &QComboBox::currentTextChanged, this, [this] { ApplyProtocolRule(); });
        connect(protocol, &QComboBox::activated, this, [this] { ProtocolChosen(); });
    }
    for (int k = 0; k < kTypeButtons; ++k)
        connect(RadioButtons[static_cast<std::size_t>(k)], &QRadioButton::toggled, this, [this, k](bool checked) {
            if (!checked) return;
            const auto position = TypePositionOfButton(k + 1);
            ComboBox3->setCurrentIndex(position ? *position : -1);
        });
}

TRouteRedistributForm::~TRouteRedistributForm() = default;

QWidget *TRouteRedistributForm::BuildEditors() {
    auto *editors = new QWidget(this);
    auto *grid = new QGridLayout(editors);
    grid->setContentsMargins(0, 0, 0, 0);
    ComboBox1 = MakeNamed<QComboBox>(editors, "ComboBox1");
    ComboBox2 = MakeNamed<QComboBox>(editors, "ComboBox2");
    ComboBox3 = MakeNamed<QComboBox>(editors, "ComboBox3");
    ComboBox3->hide();
    StComboBox = MakeNamed<QComboBox>(editors, "StComboBox");
    StComboBox->hide();
    Edit1 = MakeNamed<QLineEdit>(editors, "Edit1");
    Label5 = MakeNamed<QLabel>(editors, "Label5");
    Label5->setText(QStringLiteral("[0..16777214]"));
    grid->addWidget(new QLabel(QStringLiteral("Source Protocol"), editors), 0, 0);
    grid->addWidget(ComboBox1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Destination Protocol"), editors), 0, 2);
    grid->addWidget(ComboBox2, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Metric"), editors), 1, 0);
    grid->addWidget(Edit1, 1, 1);
    grid->addWidget(Label5, 1, 2);
    auto *types = new QGroupBox(QStringLiteral("Type"), editors);
    types->setObjectName(QStringLiteral("GroupBox1"));
    auto *typeGrid = new QGridLayout(types);
    for (int k = 0; k < kTypeButtons; ++k) {
        const std::string name = "RadioButton" + std::to_string(k + 1);
        auto *button = MakeNamed<QRadioButton>(types, name.c_str());
        button->setText(QString::fromLatin1(kTypeCaptions[static_cast<std::size_t>(k)]));
        RadioButtons[static_cast<std::size_t>(k)] = button;
        typeGrid->addWidget(button, k / kTypeColumns, k % kTypeColumns);
    }
    grid->addWidget(types, 2, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return editors;
}

void TRouteRedistributForm::SelectionChanged() {
    DeleteBtn->setEnabled(HasSelection());
    if (!HasSelection()) return;
    if (const auto button = ButtonOfType(FromQString(ComboBox3->currentText())))
        RadioButtons[static_cast<std::size_t>(*button - 1)]->setChecked(true);
    ApplyProtocolRule();
}

void TRouteRedistributForm::ApplyProtocolRule() {
    const auto rule = RuleFor(FromQString(ComboBox2->currentText()), FromQString(ComboBox1->currentText()));
    if (!rule) return;
    Label5->setText(QString::fromStdString(rule->rangeText));
    for (int k = 0; k < kTypeButtons; ++k)
        RadioButtons[static_cast<std::size_t>(k)]->setEnabled(rule->enabled[static_cast<std::size_t>(k)]);
}

void TRouteRedistributForm::ProtocolChosen() {
    const auto rule = RuleFor(FromQString(ComboBox2->currentText()), FromQString(ComboBox1->currentText()));
    if (!rule) return;
    for (int k = 0; k < kTypeButtons; ++k)
        if (RadioButtons[static_cast<std::size_t>(k)]->isChecked() && rule->enabled[static_cast<std::size_t>(k)]) return;
    for (int k = 0; k < kTypeButtons; ++k)
        if (rule->enabled[static_cast<std::size_t>(k)]) {
            RadioButtons[static_cast<std::size_t>(k)]->setChecked(true);
            return;
        }
}

bool TRouteRedistributForm::MetricAccepted() {
    if (const auto refusal = CheckMetric(FromQString(ComboBox2->currentText()), FromQString(Edit1->text()))) {
        Refuse(this, refusal->message, Edit1);
        return false;
    }
    return true;
}

void TRouteRedistributForm::Write(const char *status) {
    Choose(StComboBox, status);
    WriteRow(*table_);
}

void TRouteRedistributForm::EditBtnClick() {
    if (!HasSelection()) {
        Refuse(this, row_table::kChooseItemMessage);
        return;
    }
    // The selected row is written: protocols chosen since (and the type they led to) cannot be.
    if (const auto refusal = CheckEditProtocols(SelectedCells(), FromQString(ComboBox1->currentText()),
                                                FromQString(ComboBox2->currentText()))) {
        Refuse(this, refusal->message, ComboBox1);
        return;
    }
    PinIndexToSelection();
    if (MetricAccepted()) Write(row_table::kActive);
}

void TRouteRedistributForm::AddBtnClick() {
    if (ComboBox1->currentIndex() < 0 || ComboBox2->currentIndex() < 0) {
        Refuse(this, kChooseProtocolsMessage, ComboBox1->currentIndex() < 0 ? ComboBox1 : ComboBox2);
        return;
    }
    if (MetricAccepted()) Write(row_table::kCreateAndGo);
}

void TRouteRedistributForm::DeleteBtnClick() {
    if (!HasSelection()) {
        Refuse(this, row_table::kChooseItemMessage);
        return;
    }
    Choose(StComboBox, row_table::kDestroy);
    PinIndexToSelection();
    WriteRow(*table_, {kType, kMetric});  // the status alone
}
