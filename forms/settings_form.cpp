#include "forms/settings_form.h"

#include "binding/ui/request2edits.h"
#include "engine/coded_error.h"
#include "forms/exchange_scope.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

#include <memory>
#include <utility>

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
    for (QPushButton *button : {refresh, set})
        if (button != nullptr) exchangeButtons_.push_back(button);
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
    if (running_ > 0) return true;
    for (int k = 0; k < BindingCount(); ++k)
        if (BindingAt(k)->busy) return true;
    return false;
}

void TSettingsForm::ReadDevice() { ReadFrom(0); }

void TSettingsForm::ReadFrom(int k) {
    if (k >= BindingCount() || bindingsReleased()) return;
    VdSNMPRequest2Controls *binding = BindingAt(k);
    // The next read goes whether this one failed or not.
    RunShown(binding, [binding] { binding->Get(); }, [this, k](bool) { ReadFrom(k + 1); });
}

void TSettingsForm::WriteDevice() { WriteFrom(0); }

void TSettingsForm::WriteFrom(int k) {
    if (k >= BindingCount() || bindingsReleased()) return;
    VdSNMPRequest2Controls *binding = BindingAt(k);
    RunShown(binding, [binding] { binding->Set(true, true); }, [this, k](bool ok) {
        if (ok) WriteFrom(k + 1);
    });
}

std::optional<std::string> TSettingsForm::Run(VdSNMPRequest2Controls *binding, const std::function<void()> &exchange,
                                              Ended then) {
    ExchangeStarted();
    binding->ended = [this, then = std::move(then)](const std::optional<std::string> &error) {
        // An abandoned binding calls nothing: the window is still here, but may have closed.
        if (!bindingsReleased() && then) then(error);
        ExchangeEnded();
    };
    try {
        const ExchangeScope scope(binding);
        exchange();
    } catch (const CodedError &e) {
        if (binding->ended) std::exchange(binding->ended, nullptr)(e.message());
        return e.message();
    }
    // A synchronous exchange, or one that found nothing to send, has ended here.
    if (binding->ended && !binding->busy) std::exchange(binding->ended, nullptr)(std::nullopt);
    return std::nullopt;
}

void TSettingsForm::RunShown(VdSNMPRequest2Controls *binding, const std::function<void()> &exchange,
                             std::function<void(bool ok)> then) {
    // Whether the exchange is still starting: an error then was raised before anything was sent.
    auto starting = std::make_shared<bool>(true);
    Run(
        binding,
        [&exchange, starting] {
            exchange();
            *starting = false;
        },
        [binding, starting, then = std::move(then)](const std::optional<std::string> &error) {
            if (error && *starting) binding->ShowStatus(*error);
            if (then) then(!error);
        });
}

void TSettingsForm::ExchangeStarted() {
    if (running_++ == 0) shown_.Start({this}, exchangeButtons_);
}

void TSettingsForm::ExchangeEnded() {
    if (--running_ == 0) shown_.End();
}

void TSettingsForm::RefreshCurrent() {
    if (!bindingsReleased() && !Busy()) ReadOnOpening();
}

void TSettingsForm::Refresh() {
    if (!bindingsReleased() && !Busy()) ReadDevice();
}

void TSettingsForm::Submit() {
    if (!bindingsReleased() && !Busy()) WriteDevice();
}
