#include "forms/settings_form.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "engine/coded_error.h"
#include "forms/exchange_scope.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

TSettingsForm::TSettingsForm(QWidget *parent) : TDeviceForm(parent) {}

VdSNMPRequest2Edits *TSettingsForm::AddBinding(const VdSNMPVarList &list, const char *statusCaption) {
    VdSNMPRequest2Edits *binding = AdoptBinding(std::make_unique<VdSNMPRequest2Edits>(this));
    binding->request.list.Assign(list);
    binding->request.list.caption = statusCaption;
    if (statusTarget_ != nullptr) binding->SetStatusTarget(statusTarget_);
    return binding;
}

void TSettingsForm::SetStatusTarget(QObject *target) {
    statusTarget_ = target;
    for (int k = 0; k < BindingCount(); ++k) BindingAt(k)->SetStatusTarget(target);
}

void TSettingsForm::WireButtons(QPushButton *refresh, QPushButton *set) {
    if (refresh != nullptr) connect(refresh, &QPushButton::clicked, this, [this] { Refresh(); });
    if (set != nullptr) connect(set, &QPushButton::clicked, this, [this] { Submit(); });
}

void TSettingsForm::BindControls(const std::function<void()> &bind) {
    try {
        bind();
    } catch (const CodedError &e) {
        ShowOnStatusTarget(e.message());
    }
}

void TSettingsForm::ShowOnStatusTarget(const std::string &line) {
    const QString text = QString::fromStdString(line);
    if (auto *label = qobject_cast<QLabel *>(statusTarget_)) label->setText(text);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(statusTarget_)) memo->appendPlainText(text);
    else if (auto *bar = qobject_cast<QStatusBar *>(statusTarget_)) bar->showMessage(text);
}

bool TSettingsForm::Busy() const {
    for (int k = 0; k < BindingCount(); ++k)
        if (BindingAt(k)->busy) return true;
    return false;
}

void TSettingsForm::ReadDevice() {
    for (int k = 0; k < BindingCount() && !bindingsReleased(); ++k) {
        VdSNMPRequest2Controls *binding = BindingAt(k);
        RunShown(binding, [binding] { binding->Get(); });
    }
}

void TSettingsForm::WriteDevice() {
    for (int k = 0; k < BindingCount() && !bindingsReleased(); ++k) {
        VdSNMPRequest2Controls *binding = BindingAt(k);
        if (!RunShown(binding, [binding] { binding->Set(true, true); })) return;
    }
}

std::optional<std::string> TSettingsForm::Run(VdSNMPRequest2Controls *binding, const std::function<void()> &exchange) {
    try {
        const ExchangeScope scope(binding);
        exchange();
        return std::nullopt;
    } catch (const CodedError &e) {
        return e.message();
    }
}

bool TSettingsForm::RunShown(VdSNMPRequest2Controls *binding, const std::function<void()> &exchange) {
    const std::optional<std::string> error = Run(binding, exchange);
    if (error) binding->ShowStatus(*error);
    return !error;
}

void TSettingsForm::RefreshCurrent() {
    if (!bindingsReleased() && !Busy()) ReadOnOpening();
}

void TSettingsForm::Refresh() {
    if (!bindingsReleased() && !Busy()) ReadDevice();
}

void TSettingsForm::Submit() {
    if (bindingsReleased()) return;
    if (Busy()) {
        if (busyMessage_ != nullptr)
            MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromLatin1(busyMessage_));
        return;
    }
    WriteDevice();
}
