#include "windows/current_time_form.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "forms/ui_parts.h"
#include "windows/logic/current_time_rules.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

constexpr int kDesignWidth = 592;
constexpr int kDesignHeight = 264;

}  // namespace

TCurrentTimeForm::TCurrentTimeForm(const RecipeContext &, QWidget *parent)
    : TSettingsForm(parent),
      binding_(AddBinding(VdSNMPVarList(current_time::kDescriptors, VdSNMPVarList::ScalarGroup, 0), " Current Time")) {
    setObjectName(QStringLiteral("CurrentTimeForm"));
    resize(kDesignWidth, kDesignHeight);

    auto *top = new QWidget;
    timecapacityEdit = MakeNamed<QLineEdit>(top, "timecapacityEdit");
    timecapacityEdit->setEnabled(false);
    currentclockEdit = MakeNamed<QLineEdit>(top, "currentclockEdit");
    cbxReset = MakeNamed<QComboBox>(top, "cbxReset");
    cbxReset->setEnabled(false);
    tempText = MakeNamed<QLabel>(top, "tempText");
    tempText->hide();
    auto *fields = new QGridLayout(top);
    fields->addWidget(new QLabel(QStringLiteral("Time Capacity"), top), 0, 0);
    fields->addWidget(timecapacityEdit, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Current Clock(Example  2007-5-26,15:30:15.0)"), top), 1, 0);
    fields->addWidget(currentclockEdit, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Clock Reset On Reboot"), top), 2, 0);
    fields->addWidget(cbxReset, 2, 1);
    fields->setColumnStretch(1, 1);

    Memo1 = MakeNamed<QPlainTextEdit>(nullptr, "Memo1");
    Memo1->setReadOnly(true);
    auto *leftSplitter = new QSplitter(Qt::Vertical);
    leftSplitter->setObjectName(QStringLiteral("leftSplitter"));
    leftSplitter->addWidget(top);
    leftSplitter->addWidget(Memo1);
    leftSplitter->setStretchFactor(1, 1);

    auto *buttons = new QWidget;
    GetButton = MakeNamedButton(buttons, "GetButton", "Refresh");
    SetButton = MakeNamedButton(buttons, "SetButton", "Set");
    CloseButton = MakeNamedButton(buttons, "CloseButton", "Close");
    auto *buttonColumn = new QVBoxLayout(buttons);
    buttonColumn->addWidget(GetButton);
    buttonColumn->addWidget(SetButton);
    buttonColumn->addWidget(CloseButton);
    buttonColumn->addStretch();

    auto *sideSplitter = new QSplitter(Qt::Horizontal, this);
    sideSplitter->setObjectName(QStringLiteral("sideSplitter"));
    sideSplitter->addWidget(leftSplitter);
    sideSplitter->addWidget(buttons);
    sideSplitter->setStretchFactor(0, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sideSplitter);
    CentreOnMainWindow(this);

    SetStatusTarget(Memo1);
    WireButtons(GetButton, SetButton);
    connect(CloseButton, &QPushButton::clicked, this, [this] { close(); });

    BindControls([this] {
        using namespace current_time;
        binding_->BindStaticText(kCapacity, tempText);
        binding_->BindEdits(kClock, kClockFormat, {currentclockEdit});
        binding_->BindComboBox(kResetOnReboot, cbxReset);
        binding_->getDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &) { ShowCapabilities(); };
    });
}

void TCurrentTimeForm::ShowCapabilities() {
    if (const auto text = current_time::CapabilityText(tempText->text().toStdString())) {
        timecapacityEdit->setText(QString::fromStdString(*text));
        timecapacityEdit->setCursorPosition(0);
        timecapacityEdit->setToolTip(timecapacityEdit->text());
    }
}

void TCurrentTimeForm::WriteDevice() {
    if (currentclockEdit->text().isEmpty()) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromLatin1(current_time::kEmptyClockMessage));
        currentclockEdit->setFocus();
        return;
    }
    const std::string refusal = current_time::ClockRefusal(currentclockEdit->text().toStdString());
    if (!refusal.empty()) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromStdString(refusal));
        currentclockEdit->setFocus();
        return;
    }
    // Only the clock is writable; a text that is no date and time is refused before sending.
    RunShown(binding_, [this] { binding_->Set(false, true, std::to_string(current_time::kClock)); });
}
