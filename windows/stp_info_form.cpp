#include "windows/stp_info_form.h"

#include "binding/ui/request2edits.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/recipe_context.h"
#include "forms/exchange_scope.h"
#include "forms/ui_parts.h"
#include "engine/coded_error.h"
#include "windows/logic/stp_rules.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace stp;

namespace {

constexpr int kClientWidth = 391;
constexpr int kClientHeight = 291;
// Request time-out of both bindings, in hundredths of a second.
constexpr int kTimeout = 300;
const char kStatusCaption[] = " Spanning Tree";
const char kRunningVersionText[] = "stSTP";

// Both bindings of the window and the main window's read of the version run synchronously.
void Synchronous(VdSNMPRequest2Edits &binding) {
    binding.asyncMode = false;
    binding.request.timeout = kTimeout;
}

VdSNMPVarList Settings(const DescriptorRecord *table) { return VdSNMPVarList(table, VdSNMPVarList::ScalarGroup, 0); }

// The version the device runs into the main window's text; a failure goes to its status line.
void ReadRunningVersion(const RecipeContext &context) {
    VdSNMPRequest2Edits binding(context.mainWindow);
    Synchronous(binding);
    binding.request.list.Assign(Settings(kVersionTable));
    binding.request.list.caption = kStatusCaption;
    try {
        binding.BindStaticText(kVersion, context.stpText);
        binding.Get();
    } catch (const CodedError &e) {
        binding.SetStatusTarget(context.statusPanel);
        binding.ShowStatus(e.message());
    }
}

}  // namespace

TSTP_Info::TSTP_Info(const RecipeContext &context, QWidget *parent)
    : TSettingsForm(parent), runningVersion_(context.stpText), mstp_(AddBinding(Settings(kMstpTable), kStatusCaption)),
      full_(AddBinding(Settings(kFullTable), kStatusCaption)) {
    setObjectName(QStringLiteral("STP_Info"));
    Synchronous(*mstp_);
    Synchronous(*full_);
    setFixedSize(kClientWidth, kClientHeight);

    auto *settings = new QWidget(this);
    auto *grid = new QGridLayout(settings);
    Combo_STPVersion = MakeNamed<QComboBox>(settings, "Combo_STPVersion");
    ET_AgingTime = MakeNamed<QLineEdit>(settings, "ET_AgingTime");
    ET_HelloTime = MakeNamed<QLineEdit>(settings, "ET_HelloTime");
    ET_ForwardDelay = MakeNamed<QLineEdit>(settings, "ET_ForwardDelay");
    ET_Priority = MakeNamed<QLineEdit>(settings, "ET_Priority");
    ED_TxHoldCount = MakeNamed<QLineEdit>(settings, "ED_TxHoldCount");
    Combo_BPDU = MakeNamed<QComboBox>(settings, "Combo_BPDU");
    const std::pair<const char *, QWidget *> rows[] = {
        {"STP Version", Combo_STPVersion},       {"Maxi Age (600-4000)", ET_AgingTime},
        {"Hello Time(100-1000)", ET_HelloTime},   {"Forward Delay(400-3000)", ET_ForwardDelay},
        {"Max Hops[1-20]", ET_Priority},          {"TX Hold Count (1-10)", ED_TxHoldCount},
        {"Forwarding BPDU", Combo_BPDU},
    };
    int row = 0;
    for (const auto &[label, control] : rows) {
        grid->addWidget(new QLabel(QString::fromLatin1(label), settings), row, 0);
        grid->addWidget(control, row++, 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("Notes : 2*(Forward Delay - 100) >= Max Age"), settings), row++, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Max Age>= 2*(Hello Time + 100)"), settings), row++, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);

    ListView1 = MakeNamed<QTreeWidget>(settings, "ListView1");
    ListView1->hide();

    BT_Get = MakeNamedButton(this, "BT_Get", "Refresh");
    BT_Set = MakeNamedButton(this, "BT_Set", "Set");
    auto *buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 8, 8, 0);
    buttons->addWidget(BT_Get);
    buttons->addWidget(BT_Set);
    buttons->addStretch();
    auto *panels = new QHBoxLayout;
    panels->addWidget(settings, 1);
    panels->addLayout(buttons);
    StatusBar1 = MakeStatusBar(this, &statusPanel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(panels, 1);
    layout->addWidget(StatusBar1);
    CentreOnMainWindow(this);

    SetStatusTarget(statusPanel);
    WireButtons(BT_Get, BT_Set);
    // The user's choice only: a read that shows the device's version keeps the timers it read.
    connect(Combo_STPVersion, &QComboBox::activated, this, [this] { Combo_STPVersionChange(); });

    BindControls([this] {
        mstp_->BindListView(ListView1, true);
        full_->BindComboBox(kVersion, Combo_STPVersion);
        full_->BindEdits(kMaxAge, kMaxAgeFormat, {ET_AgingTime});
        full_->BindEdits(kHelloTime, kHelloTimeFormat, {ET_HelloTime});
        full_->BindEdits(kForwardDelay, kForwardDelayFormat, {ET_ForwardDelay});
        full_->BindEdits(kMaxHops, kMaxHopsFormat, {ET_Priority});
        full_->BindEdits(kTxHoldCount, kTxHoldCountFormat, {ED_TxHoldCount});
        full_->BindComboBox(kForwardBpdu, Combo_BPDU);
    });
}

TSTP_Info::~TSTP_Info() = default;

std::string TSTP_Info::RunningVersion() const {
    return runningVersion_ == nullptr ? std::string() : runningVersion_->text().toStdString();
}

void TSTP_Info::ShowHelloTimeFor(const std::string &version, bool fillDefault) {
    const bool used = UsesHelloTime(version);
    SetFieldOn(ET_HelloTime, used);
    if (!used)
        ET_HelloTime->clear();
    else if (fillDefault)
        ET_HelloTime->setText(QString::fromLatin1(kDefaultHelloTime));
}

void TSTP_Info::Read(VdSNMPRequest2Edits *binding) {
    if (!bindingsReleased()) RunShown(binding, [binding] { binding->Get(); });
}

void TSTP_Info::ReadOnOpening() {
    Read(mstp_);
    Read(full_);
    if (!UsesHelloTime(RunningVersion())) ShowHelloTimeFor(kMstp, false);
}

void TSTP_Info::ReadDevice() {
    Read(full_);
    const std::string running = RunningVersion();
    if (!UsesHelloTime(running)) Read(mstp_);
    ShowHelloTimeFor(running, false);
}

void TSTP_Info::Combo_STPVersionChange() {
    ShowHelloTimeFor(Combo_STPVersion->currentText().toStdString(), true);
}

void TSTP_Info::FillMstpRow() {
    // Without a row (its read failed) the write would carry nothing the user sees: give it one.
    QTreeWidgetItem *row = ListView1->topLevelItem(0);
    if (row == nullptr) row = new QTreeWidgetItem(ListView1);
    const QString cells[kMstpRowCount] = {Combo_STPVersion->currentText(), ET_AgingTime->text(),
                                          ET_ForwardDelay->text(),         ET_Priority->text(),
                                          ED_TxHoldCount->text(),          Combo_BPDU->currentText()};
    for (int column = 0; column < kMstpRowCount; ++column) row->setText(column, cells[column]);
    ListView1->setCurrentItem(row);
    row->setSelected(true);
}

void TSTP_Info::Write(const std::string &chosenVersion, bool &versionWritten) {
    const WritePlan plan = PlanWrites(chosenVersion, RunningVersion());
    VdSNMPRequest2Edits *binding = plan.mstpTable ? mstp_ : full_;
    if (plan.mstpTable) FillMstpRow();
    for (const stp::Write &write : plan.writes) {
        const ReadOnlyRows leftOut(binding->request.list, write.readOnlyRows);
        if (const auto error = Run(binding, [binding] { binding->Set(true, true); })) {
            full_->ShowSetStatus(*error);
            return;
        }
        if (write.carriesVersion) versionWritten = true;
    }
}

void TSTP_Info::WriteDevice() {
    const std::string chosen = Combo_STPVersion->currentText().toStdString();
    const std::string refusal =
        CheckTimers(chosen, {ET_Priority->text().toStdString(), ET_AgingTime->text().toStdString(),
                             ET_ForwardDelay->text().toStdString(), ET_HelloTime->text().toStdString()});
    if (!refusal.empty()) {
        statusPanel->setText(QString::fromStdString(refusal));
        return;
    }
    // An unchanged version needs no write; a changed one counts once the device has taken it.
    bool versionWritten = chosen == RunningVersion();
    Write(chosen, versionWritten);
    if (versionWritten && runningVersion_ != nullptr) runningVersion_->setText(QString::fromStdString(chosen));
}

std::unique_ptr<QDialog> CreateSTPInfo(const MenuEntry &entry, const RecipeContext &context) {
    if (entry.preRead == kRunningVersionText && context.stpText != nullptr) ReadRunningVersion(context);
    return std::make_unique<TSTP_Info>(context, context.mainWindow);
}
