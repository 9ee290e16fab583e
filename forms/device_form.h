#pragma once

#include <QDialog>
#include <QEvent>

#include <memory>
#include <string>
#include <vector>

class QTimer;
class VdSNMPRequest2Controls;

// The base of every window that talks to the device through request bindings it owns (the editor
// window and the dedicated windows). It brings back the layout the user left it in and reads the
// device once it is first shown, remembers the layout when it is hidden, and its close
// stops poll timers and walks and waits, with a deadline, for the exchange in flight before it
// frees the bindings. A close asked from inside a binding's own exchange waits for that exchange
// to unwind instead; a window destroyed meanwhile leaves the binding to be freed once it has.
class TDeviceForm : public QDialog {
    Q_OBJECT
public:
    explicit TDeviceForm(QWidget *parent = nullptr);
    ~TDeviceForm() override;

    int BindingCount() const { return static_cast<int>(bindings_.size()); }
    // Whether a close is waiting for an exchange further up the call stack to end.
    bool closePending() const { return closePending_; }

    void reject() override;

protected:
    // Hands a binding to the window; the window stops and frees it when it closes.
    template <class Binding>
    Binding *AdoptBinding(std::unique_ptr<Binding> binding) {
        Binding *adopted = binding.get();
        bindings_.push_back(std::move(binding));
        return adopted;
    }
    VdSNMPRequest2Controls *BindingAt(int k) const { return bindings_.at(static_cast<std::size_t>(k)).get(); }

    // A timer of the window's own, stopped when the window closes (the polls of counter windows).
    QTimer *AddPollTimer(int intervalMs);

    // The window's read of the device; the base runs it once the window is first shown.
    virtual void RefreshCurrent() = 0;
    // Called once the bindings are gone.
    virtual void BindingsReleased() {}
    bool bindingsReleased() const { return released_; }

    // The kind of window whose layout (size, splitters, column widths) is remembered across runs:
    // its class; empty remembers nothing.
    virtual QString LayoutKey() const;

    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    // Posted when the window is first shown: its first read.
    static constexpr QEvent::Type kRefreshEvent = static_cast<QEvent::Type>(32768 + 1234);

    // Stops and frees every binding; false when one is still running further up the call stack.
    bool ReleaseBindings();
    void RetryClose();

    std::vector<std::unique_ptr<VdSNMPRequest2Controls>> bindings_;
    std::vector<QTimer *> pollTimers_;
    bool shown_ = false;
    bool released_ = false;
    bool releasing_ = false;
    bool closePending_ = false;
    QTimer *closeRetry_ = nullptr;
};
