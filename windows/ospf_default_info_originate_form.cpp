#include "windows/ospf_default_info_originate_form.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "forms/ui_parts.h"
#include "windows/logic/default_route_origination.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

using namespace default_route;

namespace {

constexpr int kDesignWidth = 400;
constexpr int kDesignHeight = 230;

}  // namespace

TOSPFDefaultInfoOriginateForm::TOSPFDefaultInfoOriginateForm(const RecipeContext &, QWidget *parent)
    : TSettingsForm(parent),
      binding_(AddBinding(VdSNMPVarList(kDescriptors, VdSNMPVarList::ScalarGroup, 0),
                          " OSPF Default Information Originate")) {
    setObjectName(QStringLiteral("OSPFDefaultInfoOriginateForm"));
    resize(kDesignWidth, kDesignHeight);

    auto *settings = new QWidget(this);
    auto *grid = new QGridLayout(settings);
    QCheckBox **marks[kRowCount] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4};
    const char *labels[kRowCount] = {"State", "Always", "Mettype", "Metric"};
    for (int i = 0; i < kRowCount; ++i) {
        *marks[i] = new QCheckBox(settings);
        (*marks[i])->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        grid->addWidget(*marks[i], i, 0);
        grid->addWidget(new QLabel(QString::fromLatin1(labels[i]), settings), i, 1);
    }
    CBoxState = MakeNamed<QComboBox>(settings, "CBoxState");
    CBoxAlways = MakeNamed<QComboBox>(settings, "CBoxAlways");
    CBoxMettype = MakeNamed<QComboBox>(settings, "CBoxMettype");
    MetricEdit = MakeNamed<QLineEdit>(settings, "MetricEdit");
    grid->addWidget(CBoxState, 0, 2);
    grid->addWidget(CBoxAlways, 1, 2);
    grid->addWidget(CBoxMettype, 2, 2);
    grid->addWidget(MetricEdit, 3, 2);
    grid->setColumnStretch(2, 1);

    SetButton = MakeNamedButton(this, "SetButton", "Set");
    CloseButton = MakeNamedButton(this, "CloseButton", "Close");
    GetButton = MakeNamedButton(this, "GetButton", "Refresh");
    LayOutSettingsWindow(this, settings, {GetButton, SetButton, CloseButton}, &StatusBar1, &statusPanel);
    SetStatusTarget(statusPanel);
    WireButtons(GetButton, SetButton);
    connect(CloseButton, &QPushButton::clicked, this, [this] { close(); });
    // Only the user's choice locks; values filled in by a read do not.
    connect(CBoxState, &QComboBox::activated, this, [this] { CBoxStateChange(); });

    BindControls([this] {
        binding_->BindComboBox(kState, CBoxState);
        binding_->BindComboBox(kAlways, CBoxAlways);
        binding_->BindComboBox(kMettype, CBoxMettype);
        binding_->BindEdits(kMetric, kMetricFormat, {MetricEdit});
        binding_->setDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &error) {
            // Read back once the write is over, from the event loop rather than inside its completion;
            // a refused write keeps what the user typed and the error in the status line.
            const bool written = error.status == 0;
            QTimer::singleShot(0, this, [this, written] { WriteEnded(written); });
        };
    });
}

TOSPFDefaultInfoOriginateForm::~TOSPFDefaultInfoOriginateForm() = default;

void TOSPFDefaultInfoOriginateForm::SetDependentsEnabled(bool enabled) {
    for (QWidget *control : std::initializer_list<QWidget *>{CheckBox2, CheckBox3, CheckBox4, CBoxAlways,
                                                             CBoxMettype, MetricEdit})
        control->setEnabled(enabled);
}

void TOSPFDefaultInfoOriginateForm::CBoxStateChange() {
    SetDependentsEnabled(!DependentsLocked(CBoxState->currentIndex(), CBoxState->currentText().toStdString()));
}

void TOSPFDefaultInfoOriginateForm::ReadDevice() {
    TSettingsForm::ReadDevice();
    for (QCheckBox *mark : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) mark->setChecked(false);
}

void TOSPFDefaultInfoOriginateForm::WriteDevice() {
    if (CheckBox4->isChecked() && MetricEdit->text().isEmpty()) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromLatin1(kEmptyMetricMessage));
        if (MetricEdit->isEnabled()) MetricEdit->setFocus();
        return;
    }
    const std::string positions = IncludedPositions(
        {CheckBox1->isChecked(), CheckBox2->isChecked(), CheckBox3->isChecked(), CheckBox4->isChecked()});
    if (positions.empty()) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromLatin1(kNothingChosenMessage));
        return;
    }
    if (const auto error = Run(binding_, [this, &positions] { binding_->Set(false, true, positions); })) {
        WriteEnded(false);
        statusPanel->setText(QString::fromStdString(*error));
    }
}

void TOSPFDefaultInfoOriginateForm::WriteEnded(bool written) {
    if (bindingsReleased()) return;  // closed while the write was on its way
    SetDependentsEnabled(true);
    SetButton->setEnabled(true);
    if (written) Refresh();
}
