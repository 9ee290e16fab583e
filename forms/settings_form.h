#pragma once

#include "forms/device_form.h"

#include <functional>
#include <optional>
#include <string>

class QObject;
class QPushButton;
class VdSNMPRequest2Controls;
class VdSNMPRequest2Edits;
class VdSNMPVarList;

// The base of the fixed-layout settings windows: one binding or a few over the device's settings,
// a Refresh and a Set button, one status target they all report to, and the window's read and
// write as two hooks. While an exchange of the window runs a press of either button is refused, so
// the hooks never overlap. Every exchange goes through Run, the one place where its end is known.
class TSettingsForm : public TDeviceForm {
    Q_OBJECT
protected:
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
    // A write pressed while an exchange runs answers with this message instead of being ignored.
    void SetBusyMessage(const char *message) { busyMessage_ = message; }

    // The read of Refresh; by default every binding's get, in the order they were added.
    virtual void ReadDevice();
    // The read once the window is first shown; by default the Refresh read.
    virtual void ReadOnOpening() { ReadDevice(); }
    // The write of Set; by default every binding's set of its controls, in the order they were added.
    virtual void WriteDevice();

    // Runs one exchange of a binding as code of that binding; returns its error, nothing when it
    // went through.
    std::optional<std::string> Run(VdSNMPRequest2Controls *binding, const std::function<void()> &exchange);
    // Run, with the error shown as the binding's status line; true when it went through.
    bool RunShown(VdSNMPRequest2Controls *binding, const std::function<void()> &exchange);
    // A line on the window's status target.
    void ShowOnStatusTarget(const std::string &line);

    // Whether an exchange of one of the window's bindings is still under way.
    bool Busy() const;

    // The guarded read and write, as Refresh and Set press them.
    void Refresh();
    void Submit();

private:
    void RefreshCurrent() final;

    QObject *statusTarget_ = nullptr;
    const char *busyMessage_ = nullptr;
};
