#include "windows/stp_info_form.h"

#include "binding/ui/request2edits.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/recipe_context.h"
#include "forms/ui_parts.h"
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

#include <cstddef>
#include <memory>

using namespace stp;

namespace {

constexpr int kClientWidth = 391;
constexpr int kClientHeight = 291;
// Request time-out of both bindings, in hundredths of a second.
constexpr int kTimeout = 300;
const char kStatusCaption[] = " Spanning Tree";
const char kRunningVersionText[] = "stSTP";

const char kReadingText[] = "Reading...";

VdSNMPVarList Settings(const DescriptorRecord *table) { return VdSNMPVarList(table, VdSNMPVarList::ScalarGroup, 0); }

}  // namespace

TSTP_Info::TSTP_Info(const RecipeContext &context, QWidget *parent)
    : TSettingsForm(parent), runningVersion_(context.stpText), mstp_(AddBinding(Settings(kMstpTable), kStatusCaption)),
      full_(AddBinding(Settings(kFullTable), kStatusCaption)) {
    setObjectName(QStringLiteral("STP_Info"));
    mstp_->request.timeout = kTimeout;
    full_->request.timeout = kTimeout;
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
    // The window opens reading: it shows so from the first moment.
    ShowReading();
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

void TSTP_Info::ReadRunningVersionFirst(const RecipeContext &context) {
    version_ = AddBinding(Settings(kVersionTable), kStatusCaption);
    version_->request.timeout = kTimeout;
    mainStatus_ = context.statusPanel;
    BindControls([this, &context] { version_->BindStaticText(kVersion, context.stpText); });
}

void TSTP_Info::Read(VdSNMPRequest2Edits *binding, const std::function<void()> &then) {
    if (bindingsReleased()) return;
    RunShown(binding, [binding] { binding->Get(); }, [then](bool) { then(); });
}

void TSTP_Info::ShowReading() { statusPanel->setText(QString::fromLatin1(kReadingText)); }

void TSTP_Info::ReadOnOpening() {
    if (version_ == nullptr) {
        ReadSettingsOnOpening();
        return;
    }
    // The version first: the settings shown depend on it.
    Run(version_, [this] { version_->Get(); }, [this](const std::optional<std::string> &error) {
        // The main window says why its stSTP text is not the device's.
        if (error && mainStatus_ != nullptr) {
            version_->SetStatusTarget(mainStatus_);
            version_->ShowStatus(*error);
        }
        ReadSettingsOnOpening();
    });
}

void TSTP_Info::ReadSettingsOnOpening() {
    ShowReading();
    Read(mstp_, [this] {
        ShowReading();
        Read(full_, [this] {
            if (!UsesHelloTime(RunningVersion())) ShowHelloTimeFor(kMstp, false);
        });
    });
}

void TSTP_Info::ReadDevice() {
    Read(full_, [this] {
        const std::string running = RunningVersion();
        const auto showHelloTime = [this, running] { ShowHelloTimeFor(running, false); };
        if (UsesHelloTime(running))
            showHelloTime();
        else
            Read(mstp_, showHelloTime);
    });
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

struct TSTP_Info::WriteRun {
    WritePlan plan;
    VdSNMPRequest2Edits *binding;
    std::string chosen;
    bool versionWritten;
};

void TSTP_Info::WriteNext(const std::shared_ptr<WriteRun> &run, std::size_t k) {
    if (k >= run->plan.writes.size()) {
        WriteEnded(*run);
        return;
    }
    VdSNMPRequest2Edits *binding = run->binding;
    // The rows this write leaves out stay marked until it has ended.
    auto leftOut = std::make_shared<ReadOnlyRows>(binding->request.list, run->plan.writes[k].readOnlyRows);
    Run(binding, [binding] { binding->Set(true, true); },
        [this, run, k, leftOut](const std::optional<std::string> &error) mutable {
            leftOut.reset();
            if (error) {
                full_->ShowSetStatus(*error);
                WriteEnded(*run);
                return;
            }
            if (run->plan.writes[k].carriesVersion) run->versionWritten = true;
            WriteNext(run, k + 1);
        });
}

void TSTP_Info::WriteEnded(const WriteRun &run) {
    if (run.versionWritten && runningVersion_ != nullptr) runningVersion_->setText(QString::fromStdString(run.chosen));
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
    auto run = std::make_shared<WriteRun>();
    run->plan = PlanWrites(chosen, RunningVersion());
    run->binding = run->plan.mstpTable ? mstp_ : full_;
    run->chosen = chosen;
    // An unchanged version needs no write; a changed one counts once the device has taken it.
    run->versionWritten = chosen == RunningVersion();
    if (run->plan.mstpTable) FillMstpRow();
    WriteNext(run, 0);
}

std::unique_ptr<QDialog> CreateSTPInfo(const MenuEntry &entry, const RecipeContext &context) {
    auto window = std::make_unique<TSTP_Info>(context, context.mainWindow);
    if (entry.preRead == kRunningVersionText && context.stpText != nullptr) window->ReadRunningVersionFirst(context);
    return window;
}
