#include "windows/ospf_default_info_originate_form.h"

#include "binding/ui/message_box.h"
#include "catalogue/recipe_context.h"
#include "binding/ui/request2edits.h"
#include "forms/exchange_scope.h"
#include "forms/ui_parts.h"
#include "engine/coded_error.h"
#include "engine/session.h"
#include "windows/logic/default_route_origination.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

using namespace default_route;

namespace {

constexpr int kDesignWidth = 400;
constexpr int kDesignHeight = 230;

}  // namespace

TOSPFDefaultInfoOriginateForm::TOSPFDefaultInfoOriginateForm(QWidget *parent)
    : TDeviceForm(parent), binding_(AdoptBinding(std::make_unique<VdSNMPRequest2Edits>(this))) {
    setObjectName(QStringLiteral("OSPFDefaultInfoOriginateForm"));
    setWindowTitle(QStringLiteral("OSPF Default Information Originate: ") +
                   QString::fromStdString(SessionDevice.host));
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
    CBoxState = new QComboBox(settings);
    CBoxState->setObjectName(QStringLiteral("CBoxState"));
    CBoxAlways = new QComboBox(settings);
    CBoxAlways->setObjectName(QStringLiteral("CBoxAlways"));
    CBoxMettype = new QComboBox(settings);
    CBoxMettype->setObjectName(QStringLiteral("CBoxMettype"));
    MetricEdit = new QLineEdit(settings);
    MetricEdit->setObjectName(QStringLiteral("MetricEdit"));
    grid->addWidget(CBoxState, 0, 2);
    grid->addWidget(CBoxAlways, 1, 2);
    grid->addWidget(CBoxMettype, 2, 2);
    grid->addWidget(MetricEdit, 3, 2);
    grid->setColumnStretch(2, 1);

    SetButton = MakeNamedButton(this, "SetButton", "Set");
    CloseButton = MakeNamedButton(this, "CloseButton", "Close");
    GetButton = MakeNamedButton(this, "GetButton", "Refresh");
    LayOutSettingsWindow(this, settings, {GetButton, SetButton, CloseButton}, &StatusBar1, &statusPanel);

    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(SetButton, &QPushButton::clicked, this, [this] { SetButtonClick(); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { close(); });
    // Only the user's choice locks; values filled in by a read do not.
    connect(CBoxState, &QComboBox::activated, this, [this] { CBoxStateChange(); });

    try {
        binding_->request.list.Assign(VdSNMPVarList(kDescriptors, VdSNMPVarList::ScalarGroup, 0));
        binding_->request.list.caption = " OSPF Default Information Originate";
        binding_->BindComboBox(kState, CBoxState);
        binding_->BindComboBox(kAlways, CBoxAlways);
        binding_->BindComboBox(kMettype, CBoxMettype);
        binding_->BindEdits(kMetric, kMetricFormat, {MetricEdit});
        binding_->SetStatusTarget(statusPanel);
        binding_->setDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &error) {
            // Read back once the write is over, from the event loop rather than inside its completion;
            // a refused write keeps what the user typed and the error in the status line.
            const bool written = error.status == 0;
            QTimer::singleShot(0, this, [this, written] { WriteEnded(written); });
        };
    } catch (const CodedError &e) {
        statusPanel->setText(QString::fromStdString(e.message()));
    }
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

void TOSPFDefaultInfoOriginateForm::RefreshCurrent() { GetButtonClick(); }

void TOSPFDefaultInfoOriginateForm::GetButtonClick() {
    try {
        if (!binding_->busy) ExchangeScope::Get(binding_);
    } catch (const CodedError &e) {
        statusPanel->setText(QString::fromStdString(e.message()));
    }
    for (QCheckBox *mark : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) mark->setChecked(false);
}

void TOSPFDefaultInfoOriginateForm::SetButtonClick() {
    if (binding_->busy) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromLatin1(kBusyMessage));
        return;
    }
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
    try {
        ExchangeScope scope(binding_);
        binding_->Set(false, true, positions);
    } catch (const CodedError &e) {
        WriteEnded(false);
        statusPanel->setText(QString::fromStdString(e.message()));
    }
}

void TOSPFDefaultInfoOriginateForm::WriteEnded(bool written) {
    if (bindingsReleased()) return;  // closed while the write was on its way
    SetDependentsEnabled(true);
    SetButton->setEnabled(true);
    if (written) GetButtonClick();
}

std::unique_ptr<QDialog> CreateOSPFDefaultInfoOriginateForm(const MenuEntry &, const RecipeContext &context) {
    return std::make_unique<TOSPFDefaultInfoOriginateForm>(context.mainWindow);
}
