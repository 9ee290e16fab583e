#pragma once

#include "engine/request.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

// Ties one request to a window: runs gets (a read or a whole table walk) and sets, synchronously or
// through the event pump, keeps `busy` for the window, and reports each outcome as a status line or
// a message box. Subclasses move the values in the hooks.
class VdSNMPRequest2Controls {
public:
    using Notification = std::function<void(VdSNMPRequest2Controls &, const VdSNMPError &)>;
    // The error's message, or nothing when the exchange went through.
    using Ending = std::function<void(const std::optional<std::string> &error)>;

    explicit VdSNMPRequest2Controls(QWidget *owner);
    virtual ~VdSNMPRequest2Controls();
    VdSNMPRequest2Controls(const VdSNMPRequest2Controls &) = delete;
    VdSNMPRequest2Controls &operator=(const VdSNMPRequest2Controls &) = delete;

    // A QStatusBar (its message), a QLabel inside a status bar (its text) or a QPlainTextEdit (one
    // appended line per status). Other objects are accepted and ignored.
    void SetStatusTarget(QObject *target);
    bool HasStatusTarget() const;

    void Get();
    // indexList: comma-separated variable positions to send; empty sends every editable variable.
    void Set(bool reload, bool collect, const std::string &indexList = {});

    // For a binding whose window has gone: its request is no longer alive and completions still to
    // come touch nothing.
    void Abandon();
    bool abandoned() const { return abandoned_; }

    // Formats the status template of the last operation around message and shows it.
    void ShowStatus(const std::string &message);
    // The same for a write refused before it was sent.
    void ShowSetStatus(const std::string &message);

    QWidget *owner() const { return owner_; }
    int lastOperation() const { return lastOperation_; }

    VdSNMPRequest request;
    Notification getDone;
    Notification setDone;
    // Called once, and then forgotten, when the asynchronous exchange in flight has ended whatever its
    // outcome: a get after its last step, a set after the read of its table that follows it. Never
    // called for an abandoned binding.
    Ending ended;
    bool asyncMode = true;
    bool busy = false;
    bool reloadAfterSet = true;

    // Hooks, called at fixed points of every exchange.
    virtual void OnGetBegin() {}
    virtual void OnSetBegin() {}
    virtual void OnGetResult() = 0;
    virtual void OnSetCollect() {}
    virtual void OnGetError(const VdSNMPError &error);
    virtual void OnSetError(const VdSNMPError &error);
    virtual void OnGetEnd() {}
    virtual void OnSetEnd() {}

protected:
    // The message in the status line, or in a message box when there is none.
    void ShowError(const std::string &message);

private:
    enum Operation { GetOperation = 0, SetOperation = 1 };

    void GetSynchronously();
    void GetStepDone(const VdSNMPError &error);
    void FinishGet(const VdSNMPError &error);
    void SetStepDone(const VdSNMPError &error);
    bool ReloadsTable() const;
    void ReloadTable();
    void End(const std::optional<std::string> &error);
    void PutOnTarget(const QString &line);

    static void GetCompleted(void *owner, const VdSNMPError &error, VdSNMPVarList &list);
    static void SetCompleted(void *owner, const VdSNMPError &error, VdSNMPVarList &list);

    QPointer<QWidget> owner_;
    QPointer<QObject> statusTarget_;
    int lastOperation_ = GetOperation;
    bool abandoned_ = false;
};
