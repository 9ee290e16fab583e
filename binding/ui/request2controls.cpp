#include "binding/ui/request2controls.h"

#include "binding/position_list.h"
#include "binding/status_line.h"
#include "binding/whole_value_check.h"
#include "binding/ui/message_box.h"
#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/var_list.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTime>

#include <utility>

namespace {

std::string OkText() { return messages::Text(MessageCatalogue::VdSnmp, 0); }

// "Ok!", followed by why a walk stopped short of its table's end when it did.
std::string ReadDoneText(const VdSNMPRequest &request) {
    const std::string cut = WalkCutText(request.WalkCuts());
    return cut.empty() ? OkText() : OkText() + " " + cut;
}

// Clears a busy flag when an exchange leaves by an exception.
class BusyGuard {
public:
    explicit BusyGuard(bool &busy) : busy_(busy) { busy_ = true; }
    ~BusyGuard() {
        if (armed_) busy_ = false;
    }
    void Release() { armed_ = false; }

private:
    bool &busy_;
    bool armed_ = true;
};

// Keeps variables whose value is "(NOTDONE)" (a column whose walk ended) out of one write: they are
// marked excluded and left out of the selection for as long as the guard lives.
class NotDoneExclusion {
public:
    NotDoneExclusion(VdSNMPVarList &list, const std::string &selection) : list_(list) {
        std::vector<int> chosen;
        if (!selection.empty()) chosen = ParsePositionList(selection);
        for (int i = 0; i < list.Count(); ++i)
            if (list.Item(i).value == kNotDoneText) Exclude(i);
        std::vector<int> kept;
        for (int i : chosen)
            if (i < list.Count() && list.Item(i).value != kNotDoneText) kept.push_back(i);
        if (!chosen.empty() && kept.empty()) {
            // Every chosen variable is a placeholder: nothing at all may go.
            for (int i = 0; i < list.Count(); ++i) Exclude(i);
        }
        for (int i : kept) selection_ += (selection_.empty() ? "" : ",") + std::to_string(i);
    }
    ~NotDoneExclusion() {
        for (int i : marked_) list_.Item(i).access &= ~access_bit::Excluded;
    }
    const std::string &selection() const { return selection_; }

private:
    void Exclude(int i) {
        if (list_.Item(i).access & access_bit::Excluded) return;
        list_.Item(i).access |= access_bit::Excluded;
        marked_.push_back(i);
    }

    VdSNMPVarList &list_;
    std::vector<int> marked_;
    std::string selection_;
};

}  // namespace

VdSNMPRequest2Controls::VdSNMPRequest2Controls(QWidget *owner) : owner_(owner) {}

VdSNMPRequest2Controls::~VdSNMPRequest2Controls() { request.alive = false; }

void VdSNMPRequest2Controls::SetStatusTarget(QObject *target) { statusTarget_ = target; }

bool VdSNMPRequest2Controls::HasStatusTarget() const { return !statusTarget_.isNull(); }

void VdSNMPRequest2Controls::Get() {
    lastOperation_ = GetOperation;
    OnGetBegin();
    if (!asyncMode) {
        GetSynchronously();
        return;
    }
    busy = true;
    if (!request.alive) {
        busy = false;
        End(std::nullopt);
        return;
    }
    BusyGuard guard(busy);
    request.ReadStepAsync(&GetCompleted, this, true);
    guard.Release();
}

void VdSNMPRequest2Controls::GetSynchronously() {
    BusyGuard guard(busy);
    request.ReadShown([this] { OnGetResult(); });
    OnGetEnd();
    busy = false;
    guard.Release();
    if (HasStatusTarget()) ShowStatus(ReadDoneText(request));
}

void VdSNMPRequest2Controls::GetCompleted(void *owner, const VdSNMPError &error, VdSNMPVarList &) {
    static_cast<VdSNMPRequest2Controls *>(owner)->GetStepDone(error);
}

void VdSNMPRequest2Controls::Abandon() {
    request.alive = false;
    abandoned_ = true;
    ended = nullptr;
}

void VdSNMPRequest2Controls::End(const std::optional<std::string> &error) {
    if (ended) std::exchange(ended, nullptr)(error);
}

void VdSNMPRequest2Controls::GetStepDone(const VdSNMPError &error) {
    if (abandoned_) {
        busy = false;
        return;
    }
    if (error.status != 0) {
        busy = false;
        OnGetError(error);
        if (getDone) getDone(*this, error);
        End(error.message);
        return;
    }
    try {
        if (!request.list.IsTable()) {
            if (request.RowConditionHolds()) OnGetResult();
            FinishGet(error);
        } else if (error.finished) {
            FinishGet(error);
        } else {
            if (request.RowConditionHolds()) OnGetResult();
            if (request.alive)
                request.ReadStepAsync(&GetCompleted, this, false);
            else
                FinishGet(error);
        }
    } catch (const CodedError &e) {
        busy = false;
        lastOperation_ = GetOperation;
        ShowError(e.message());
        End(e.message());
    }
}

void VdSNMPRequest2Controls::FinishGet(const VdSNMPError &error) {
    OnGetEnd();
    busy = false;
    if (HasStatusTarget()) {
        lastOperation_ = GetOperation;
        ShowStatus(ReadDoneText(request));
    }
    if (getDone) getDone(*this, error);
    End(std::nullopt);
}

void VdSNMPRequest2Controls::Set(bool reload, bool collect, const std::string &indexList) {
    lastOperation_ = SetOperation;
    reloadAfterSet = reload;
    OnSetBegin();
    if (collect) OnSetCollect();
    BusyGuard guard(busy);
    if (!asyncMode) {
        {
            NotDoneExclusion exclusion(request.list, indexList);
            request.Write(false, exclusion.selection(), nullptr);
        }
        OnSetEnd();
        busy = false;
        guard.Release();
        if (HasStatusTarget()) ShowStatus(OkText());
        ReloadTable();
        return;
    }
    if (!request.alive) {
        guard.Release();
        busy = false;
        End(std::nullopt);
        return;
    }
    NotDoneExclusion exclusion(request.list, indexList);
    request.WriteAsync(&SetCompleted, this, false, exclusion.selection(), nullptr);
    guard.Release();
}

void VdSNMPRequest2Controls::SetCompleted(void *owner, const VdSNMPError &error, VdSNMPVarList &) {
    static_cast<VdSNMPRequest2Controls *>(owner)->SetStepDone(error);
}

void VdSNMPRequest2Controls::SetStepDone(const VdSNMPError &error) {
    if (abandoned_) {
        busy = false;
        return;
    }
    if (error.status != 0) {
        busy = false;
        OnSetError(error);
        if (setDone) setDone(*this, error);
        End(error.message);
        return;
    }
    try {
        OnSetEnd();
        busy = false;
        lastOperation_ = SetOperation;
        if (HasStatusTarget()) ShowStatus(OkText());
        if (setDone) setDone(*this, error);
        if (!ReloadsTable()) End(std::nullopt);
        ReloadTable();
    } catch (const CodedError &e) {
        busy = false;
        ShowError(e.message());
        End(e.message());
    }
}

bool VdSNMPRequest2Controls::ReloadsTable() const { return request.list.IsTable() && reloadAfterSet; }

void VdSNMPRequest2Controls::ReloadTable() {
    if (ReloadsTable()) Get();
}

void VdSNMPRequest2Controls::OnGetError(const VdSNMPError &error) {
    lastOperation_ = GetOperation;
    ShowError(error.message);
}

void VdSNMPRequest2Controls::OnSetError(const VdSNMPError &error) {
    lastOperation_ = SetOperation;
    ShowError(error.message);
}

void VdSNMPRequest2Controls::ShowError(const std::string &message) {
    if (HasStatusTarget()) {
        ShowStatus(message);
        return;
    }
    MessageBox::Ok(owner_, MessageBox::ModuleCaption(), QString::fromStdString(message));
}

void VdSNMPRequest2Controls::ShowStatus(const std::string &message) {
    if (!HasStatusTarget()) return;
    const std::string line =
        FormatStatusLine(messages::Text(MessageCatalogue::SnmpMsg, lastOperation_), message,
                         request.list.caption, StatusTimeText(QTime::currentTime()));
    PutOnTarget(QString::fromStdString(line));
}

void VdSNMPRequest2Controls::ShowSetStatus(const std::string &message) {
    lastOperation_ = SetOperation;
    ShowStatus(message);
}

void VdSNMPRequest2Controls::PutOnTarget(const QString &line) {
    if (auto *bar = qobject_cast<QStatusBar *>(statusTarget_))
        bar->showMessage(line);
    else if (auto *panel = qobject_cast<QLabel *>(statusTarget_))
        panel->setText(line);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(statusTarget_))
        memo->appendPlainText(line);
}
