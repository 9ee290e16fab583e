#pragma once

#include <QPointer>
#include <QPushButton>

#include <vector>

class QWidget;

// What a window shows while an exchange it started runs: a busy cursor over it (and over the
// dialog the exchange came from), and its buttons that would start another exchange disabled.
// End puts the cursors back and enables again exactly the buttons Start disabled, whatever the
// exchange's end; a button disabled before stays so. It goes with its window and touches nothing
// then.
class ExchangeShown {
public:
    ExchangeShown() = default;
    ExchangeShown(const ExchangeShown &) = delete;
    ExchangeShown &operator=(const ExchangeShown &) = delete;

    void Start(const std::vector<QWidget *> &windows, const std::vector<QPushButton *> &buttons);
    // Does nothing when not started.
    void End();
    bool active() const { return active_; }

private:
    bool active_ = false;
    std::vector<QPointer<QWidget>> windows_;
    std::vector<QPointer<QPushButton>> disabled_;
};
