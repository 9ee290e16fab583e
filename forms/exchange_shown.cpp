#include "forms/exchange_shown.h"

#include <QWidget>

void ExchangeShown::Start(const std::vector<QWidget *> &windows, const std::vector<QPushButton *> &buttons) {
    End();
    active_ = true;
    for (QWidget *window : windows) {
        if (window == nullptr) continue;
        window->setCursor(Qt::BusyCursor);
        windows_.emplace_back(window);
    }
    for (QPushButton *button : buttons) {
        if (button == nullptr || !button->isEnabled()) continue;
        button->setEnabled(false);
        disabled_.emplace_back(button);
    }
}

void ExchangeShown::End() {
    if (!active_) return;
    active_ = false;
    for (const QPointer<QWidget> &window : windows_)
        if (window) window->unsetCursor();
    for (const QPointer<QPushButton> &button : disabled_)
        if (button) button->setEnabled(true);
    windows_.clear();
    disabled_.clear();
}
