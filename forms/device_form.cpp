#include "forms/device_form.h"

#include "binding/ui/request2controls.h"
#include "forms/exchange_scope.h"
#include "forms/window_layout.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace {

constexpr int kCloseRetryMs = 20;

}  // namespace

TDeviceForm::TDeviceForm(QWidget *parent) : QDialog(parent) {}

TDeviceForm::~TDeviceForm() {
    for (QTimer *timer : pollTimers_) timer->stop();
    for (auto &binding : bindings_) ExchangeScope::Dispose(std::move(binding));
}

QTimer *TDeviceForm::AddPollTimer(int intervalMs) {
    auto *timer = new QTimer(this);
    timer->setInterval(intervalMs);
    pollTimers_.push_back(timer);
    return timer;
}

bool TDeviceForm::event(QEvent *e) {
    if (e->type() == kRefreshEvent) {
        if (!released_) RefreshCurrent();
        return true;
    }
    return QDialog::event(e);
}

QString TDeviceForm::LayoutKey() const { return QString::fromLatin1(metaObject()->className()); }

void TDeviceForm::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    if (shown_) return;
    shown_ = true;
    window_layout::Restore(*this, LayoutKey());
    // Posted, so that the read starts once the window's own event loop runs.
    QCoreApplication::postEvent(this, new QEvent(kRefreshEvent));
}

void TDeviceForm::hideEvent(QHideEvent *e) {
    // Minimising is no choice of layout.
    if (shown_ && !e->spontaneous()) window_layout::Remember(*this, LayoutKey());
    QDialog::hideEvent(e);
}

bool TDeviceForm::ReleaseBindings() {
    if (released_) return true;
    if (releasing_) return false;
    for (QTimer *timer : pollTimers_) timer->stop();
    for (auto &binding : bindings_) binding->request.alive = false;
    for (auto &binding : bindings_) {
        if (ExchangeScope::Running(binding.get())) {
            // Its exchange is further up the call stack and ends after the current step: close then.
            closePending_ = true;
            if (closeRetry_ == nullptr) {
                closeRetry_ = new QTimer(this);
                closeRetry_->setInterval(kCloseRetryMs);
                connect(closeRetry_, &QTimer::timeout, this, &TDeviceForm::RetryClose);
            }
            closeRetry_->start();
            return false;
        }
    }
    const QPointer<TDeviceForm> self(this);
    releasing_ = true;
    for (std::size_t k = 0; k < bindings_.size() && self; ++k) ExchangeScope::StopAndWait(*bindings_[k]);
    // Destroyed while waiting: its destructor has handed the bindings over.
    if (!self) return false;
    releasing_ = false;
    released_ = true;
    closePending_ = false;
    if (closeRetry_ != nullptr) closeRetry_->stop();
    for (auto &binding : bindings_) ExchangeScope::Dispose(std::move(binding));
    bindings_.clear();
    BindingsReleased();
    return true;
}

void TDeviceForm::RetryClose() {
    for (auto &binding : bindings_)
        if (ExchangeScope::Running(binding.get())) return;
    closeRetry_->stop();
    close();
}

void TDeviceForm::closeEvent(QCloseEvent *e) {
    if (!ReleaseBindings()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TDeviceForm::reject() {
    if (ReleaseBindings()) QDialog::reject();
}
