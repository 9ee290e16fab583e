#pragma once

#include "forms/device_form.h"
#include "forms/exchange_shown.h"

#include <QPushButton>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QObject;
class VdSNMPRequest2Controls;
class VdSNMPRequest2Edits;
class VdSNMPVarList;

// The base of the fixed-layout settings windows: one binding or a few over the device's settings,
// a Refresh and a Set button, one status target they all report to, and the window's read and
// write as two hooks. Every exchange goes through Run, the one place where its end is known, and a
// window chains what follows an exchange on that end: the event loop is never held. While exchanges
// run the window shows a busy cursor and its Refresh and Set are disabled, so the hooks never overlap.
class TSettingsForm : public TDeviceForm {
    Q_OBJECT
public:
    // Whether an exchange of the window is still under way.
    bool Busy() const;

protected:
    // An exchange's error, nothing when it went through.
    using Ended = std::function<void(const std::optional<std::string> &error)>;

    explicit TSettingsForm(QWidget *parent);

    // A binding of the window over list; its status lines start with statusCaption and go to the
    // window's status target.
    VdSNMPRequest2Edits *AddBinding(const VdSNMPVarList &list, const char *statusCaption);
    // Where every binding of the window reports: a status panel or a memo.
    void SetStatusTarget(QObject *target);
    // Connects the buttons to the guarded read and write; either may be null.
    void WireButtons(QPushButton *refresh, QPushButton *set);
    // Binds the controls; a failure is shown on the status target and leaves the window open.
    void BindControls(const std::function<void()> &bind);

    // The read of Refresh; by default every binding's get, one after the other in the order they
    // were added.
    virtual void ReadDevice();
    // The read once the window is first shown; by default the Refresh read.
    virtual void ReadOnOpening() { ReadDevice(); }
    // The write of Set; by default every binding's set of its controls, one after the other in the
    // order they were added, stopping at the first failure.
    virtual void WriteDevice();

    // Starts one exchange of a binding as code of that binding; then runs once it has ended, with
    // its error (at once for an exchange refused before anything was sent). Nothing runs after the
    // window has closed. Returns the error raised before anything was sent.
    std::optional<std::string> Run(VdSNMPRequest2Controls *binding, const std::function<void()> &exchange, Ended then = {});
    // Run, with an error raised before anything was sent shown as the binding's status line (the
    // binding shows the device's own); then learns whether the exchange went through.
    void RunShown(VdSNMPRequest2Controls *binding, const std::function<void()> &exchange,
                  std::function<void(bool ok)> then = {});
    // A line on the window's status target.
    void ShowOnStatusTarget(const std::string &line);

    // The guarded read and write, as Refresh and Set press them.
    void Refresh();
    void Submit();

private:
    void RefreshCurrent() final;
    void ReadFrom(int k);
    void WriteFrom(int k);
    void ExchangeStarted();
    void ExchangeEnded();

    QObject *statusTarget_ = nullptr;
    std::vector<QPushButton *> exchangeButtons_;
    // Shown from the first exchange's start to the last one's end.
    ExchangeShown shown_;
    int running_ = 0;
};
