#include "windows/current_time_form.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "catalogue/recipe_context.h"
#include "forms/exchange_scope.h"
#include "forms/ui_parts.h"
#include "engine/coded_error.h"
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

QPushButton *MakeButton(QWidget *parent, const char *name, const char *caption) {
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

TCurrentTimeForm::TCurrentTimeForm(const RecipeContext &context, QWidget *parent)
    : TDeviceForm(parent), binding_(AdoptBinding(std::make_unique<VdSNMPRequest2Edits>(this))) {
    setObjectName(QStringLiteral("CurrentTimeForm"));
    setWindowTitle(QStringLiteral("Current Time: ") + QString::fromStdString(context.hostText));
    resize(kDesignWidth, kDesignHeight);

    auto *top = new QWidget;
    timecapacityEdit = new QLineEdit(top);
    timecapacityEdit->setObjectName(QStringLiteral("timecapacityEdit"));
    timecapacityEdit->setEnabled(false);
    currentclockEdit = new QLineEdit(top);
    currentclockEdit->setObjectName(QStringLiteral("currentclockEdit"));
    cbxReset = new QComboBox(top);
    cbxReset->setObjectName(QStringLiteral("cbxReset"));
    cbxReset->setEnabled(false);
    tempText = new QLabel(top);
    tempText->setObjectName(QStringLiteral("tempText"));
    tempText->hide();
    auto *fields = new QGridLayout(top);
    fields->addWidget(new QLabel(QStringLiteral("Time Capacity"), top), 0, 0);
    fields->addWidget(timecapacityEdit, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Current Clock(Example  2007-5-26,15:30:15.0)"), top), 1, 0);
    fields->addWidget(currentclockEdit, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Clock Reset On Reboot"), top), 2, 0);
    fields->addWidget(cbxReset, 2, 1);
    fields->setColumnStretch(1, 1);

    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    auto *leftSplitter = new QSplitter(Qt::Vertical);
    leftSplitter->addWidget(top);
    leftSplitter->addWidget(Memo1);
    leftSplitter->setStretchFactor(1, 1);

    auto *buttons = new QWidget;
    GetButton = MakeButton(buttons, "GetButton", "Refresh");
    SetButton = MakeButton(buttons, "SetButton", "Set");
    CloseButton = MakeButton(buttons, "CloseButton", "Close");
    auto *buttonColumn = new QVBoxLayout(buttons);
    buttonColumn->addWidget(GetButton);
    buttonColumn->addWidget(SetButton);
    buttonColumn->addWidget(CloseButton);
    buttonColumn->addStretch();

    auto *sideSplitter = new QSplitter(Qt::Horizontal, this);
    sideSplitter->addWidget(leftSplitter);
    sideSplitter->addWidget(buttons);
    sideSplitter->setStretchFactor(0, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sideSplitter);
    CentreOnMainWindow(this);

    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(SetButton, &QPushButton::clicked, this, [this] { SetButtonClick(); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { close(); });

    using namespace current_time;
    try {
        binding_->request.list.Assign(VdSNMPVarList(kDescriptors, VdSNMPVarList::ScalarGroup, 0));
        binding_->request.list.caption = " Current Time";
        binding_->BindStaticText(kCapacity, tempText);
        binding_->BindEdits(kClock, kClockFormat, {currentclockEdit});
        binding_->BindComboBox(kResetOnReboot, cbxReset);
        binding_->SetStatusTarget(Memo1);
        binding_->getDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &) { ShowCapabilities(); };
    } catch (const CodedError &e) {
        Memo1->appendPlainText(QString::fromStdString(e.message()));
    }
}

void TCurrentTimeForm::ShowCapabilities() {
    if (const auto text = current_time::CapabilityText(tempText->text().toStdString())) {
        timecapacityEdit->setText(QString::fromStdString(*text));
        timecapacityEdit->setCursorPosition(0);
        timecapacityEdit->setToolTip(timecapacityEdit->text());
    }
}

void TCurrentTimeForm::GetButtonClick() { RefreshCurrent(); }

void TCurrentTimeForm::RefreshCurrent() {
    if (binding_->busy) return;
    ExchangeScope::Get(binding_);
}

void TCurrentTimeForm::SetButtonClick() {
    if (currentclockEdit->text().isEmpty()) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromLatin1(current_time::kEmptyClockMessage));
        currentclockEdit->setFocus();
        return;
    }
    if (binding_->busy) return;
    try {
        ExchangeScope scope(binding_);
        // Only the clock is writable; a text that is no date and time is refused before sending.
        binding_->Set(false, true, std::to_string(current_time::kClock));
    } catch (const CodedError &e) {
        binding_->ShowStatus(e.message());
    }
}

std::unique_ptr<QDialog> CreateCurrentTime(const MenuEntry &, const RecipeContext &context) {
    return std::make_unique<TCurrentTimeForm>(context, context.mainWindow);
}
