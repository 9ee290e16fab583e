#include "windows/usm_user_form.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2controls.h"
#include "engine/descriptor.h"
#include "engine/hex_text.h"
#include "engine/session.h"
#include "engine/snmp_adapter.h"
#include "forms/ui_parts.h"
#include "windows/logic/settings_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <functional>

using namespace usm_users;

// The window's one binding: each step puts its own variables into the request. Failures are the
// window's to show, after the step that met them.
class UsmStepBinding : public VdSNMPRequest2Controls {
public:
    using VdSNMPRequest2Controls::VdSNMPRequest2Controls;
    std::function<void()> onRow;
    void OnGetResult() override {
        if (onRow) onRow();
    }
    void OnGetError(const VdSNMPError &) override {}
    void OnSetError(const VdSNMPError &) override {}
};

namespace {

constexpr int kEditWidth = 180;
constexpr std::uint32_t kReadable = access_bit::Readable;
constexpr std::uint32_t kWritable = access_bit::Readable | access_bit::Writable;

// Whether the agent answered at all: its error statuses come with an answer, security failures
// and time-outs without one.
bool AgentAnswered(int code) { return code == 0 || (code <= -101 && code >= -118); }

QString Q(const std::string &s) { return QString::fromStdString(s); }
std::string S(const QLineEdit *e) { return e->text().toStdString(); }

}  // namespace

TUSMUserForm::TUSMUserForm(const RecipeContext &context, QWidget *parent, Mode mode)
    : TDeviceForm(parent), mode_(mode), context_(context) {
    setObjectName(mode == Mode::AddUser ? QStringLiteral("USMAddUserForm") : QStringLiteral("USMPassPhraseForm"));
    setWindowTitle(mode == Mode::AddUser ? QStringLiteral("Add user") : QStringLiteral("Change pass phrase"));
    binding_ = AdoptBinding(std::make_unique<UsmStepBinding>(this));

    lblEngineId = MakeNamed<QLabel>(this, "lblEngineId");
    lblUser = MakeNamed<QLabel>(this, "lblUser");
    edtUserName = MakeNamed<QLineEdit>(this, "edtUserName");
    cbxCloneFrom = MakeNamed<QComboBox>(this, "cbxCloneFrom");
    edtOldAuthPass = PassPhraseEdit("edtOldAuthPass");
    edtOldPrivPass = PassPhraseEdit("edtOldPrivPass");
    cbxAuthProtocol = MakeNamed<QComboBox>(this, "cbxAuthProtocol");
    edtAuthPass = PassPhraseEdit("edtAuthPass");
    edtAuthPass2 = PassPhraseEdit("edtAuthPass2");
    cbxPrivProtocol = MakeNamed<QComboBox>(this, "cbxPrivProtocol");
    edtPrivPass = PassPhraseEdit("edtPrivPass");
    edtPrivPass2 = PassPhraseEdit("edtPrivPass2");
    chkShowPassPhrases = MakeNamed<QCheckBox>(this, "chkShowPassPhrases");
    chkShowPassPhrases->setText(QStringLiteral("Show pass phrases"));
    btnOk = MakeNamedButton(this, "btnOk", mode == Mode::AddUser ? "Add" : "Change");
    btnClose = MakeNamedButton(this, "btnClose", "Close");
    LayOut();

    connect(cbxCloneFrom, &QComboBox::currentIndexChanged, this, [this] { CloneChosen(); });
    connect(cbxAuthProtocol, &QComboBox::currentIndexChanged, this, [this] {
        // Privacy needs authentication.
        const bool auth = AuthByName(cbxAuthProtocol->currentText().toStdString()) > snmp::protocol::None;
        if (!auth && cbxPrivProtocol->count() > 0) cbxPrivProtocol->setCurrentText(QStringLiteral("None"));
        SetFieldOn(cbxPrivProtocol, auth && cbxPrivProtocol->count() > 1);
        for (QLineEdit *e : {edtAuthPass, edtAuthPass2}) SetFieldOn(e, auth);
    });
    connect(cbxPrivProtocol, &QComboBox::currentIndexChanged, this, [this] {
        const bool priv = PrivByName(cbxPrivProtocol->currentText().toStdString()) > snmp::protocol::None;
        for (QLineEdit *e : {edtPrivPass, edtPrivPass2}) SetFieldOn(e, priv);
    });
    connect(chkShowPassPhrases, &QCheckBox::toggled, this, [this](bool on) { ShowPassPhrases(on); });
    connect(btnOk, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { reject(); });
    SetBusy(true);
}

TUSMUserForm::~TUSMUserForm() = default;

QLineEdit *TUSMUserForm::PassPhraseEdit(const char *name) {
    auto *edit = MakeNamed<QLineEdit>(this, name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMinimumWidth(kEditWidth);
    secrets_.push_back(edit);
    return edit;
}

void TUSMUserForm::LayOut() {
    auto *fields = new QWidget(this);
    auto *grid = new QGridLayout(fields);
    int row = 0;
    auto add = [&](const char *caption, QWidget *control, QWidget *second = nullptr) {
        grid->addWidget(new QLabel(QString::fromLatin1(caption), fields), row, 0);
        control->setParent(fields);
        grid->addWidget(control, row, 1);
        if (second != nullptr) {
            second->setParent(fields);
            grid->addWidget(second, row, 2);
        }
        ++row;
    };
    add("Engine ID :", lblEngineId);
    const bool adding = mode_ == Mode::AddUser;
    if (adding) {
        add("User Name :", edtUserName);
        add("Clone From :", cbxCloneFrom);
        add("Clone's Auth / Priv Pass Phrase :", edtOldAuthPass, edtOldPrivPass);
        add("Auth Protocol :", cbxAuthProtocol);
        add("Auth Pass Phrase / Again :", edtAuthPass, edtAuthPass2);
        add("Priv Protocol :", cbxPrivProtocol);
        add("Priv Pass Phrase / Again :", edtPrivPass, edtPrivPass2);
        lblUser->hide();
    } else {
        add("User :", lblUser);
        add("Old Auth / Priv Pass Phrase :", edtOldAuthPass, edtOldPrivPass);
        add("New Auth Pass Phrase / Again :", edtAuthPass, edtAuthPass2);
        add("New Priv Pass Phrase / Again :", edtPrivPass, edtPrivPass2);
        for (QWidget *w : std::initializer_list<QWidget *>{edtUserName, cbxCloneFrom, cbxAuthProtocol, cbxPrivProtocol})
            w->hide();
    }
    chkShowPassPhrases->setParent(fields);
    grid->addWidget(chkShowPassPhrases, row, 1, 1, 2);
    QStatusBar *bar = nullptr;
    LayOutSettingsWindow(this, fields, {btnOk, btnClose}, &bar, &statusPanel);
}

void TUSMUserForm::ShowPassPhrases(bool shown) {
    for (QLineEdit *e : secrets_) e->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
}

void TUSMUserForm::ShowStatus(const std::string &text) { statusPanel->setText(Q(text)); }

void TUSMUserForm::SetBusy(bool busy) {
    busy_ = busy;
    btnOk->setEnabled(!busy && !engineId_.empty() && (mode_ == Mode::AddUser || subjectKnown_));
}

const User *TUSMUserForm::Subject() const { return subjectKnown_ ? &subject_ : nullptr; }

void TUSMUserForm::RefreshCurrent() { ReadEngineId(); }

void TUSMUserForm::ReadEngineId() {
    VdSNMPRequest &r = binding_->request;
    r.ReloadSession();
    r.list = VdSNMPVarList();
    r.list.kind = VdSNMPVarList::SingleInstance;
    r.list.AddItem(kEngineIdOid, "Engine ID", syntax::OctetString, kReadable);
    ShowStatus("Reading the agent's engine ID ...");
    binding_->getDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &e) {
        if (e.status != 0) return ShowStatus("Get: " + e.message);
        engineId_ = FromHex(binding_->request.list.Item(0).value);
        lblEngineId->setText(Q(ToHex(engineId_)));
        ReadUsers();
    };
    binding_->Get();
}

void TUSMUserForm::ReadUsers() {
    VdSNMPRequest &r = binding_->request;
    r.list = VdSNMPVarList();
    r.list.kind = VdSNMPVarList::Table;
    r.list.indexCount = 2;
    const std::string entry = kUserEntryOid;
    r.list.AddItem(entry + ".1", "User EngineID", syntax::OctetString, access_bit::Index);
    r.list.AddItem(entry + ".2", "User Name", syntax::DisplayString, access_bit::Index);
    r.list.AddItem(entry + ".5", "User Auth Protocol", syntax::ObjectId, kReadable);
    r.list.AddItem(entry + ".8", "User Priv Protocol", syntax::ObjectId, kReadable);
    users_.clear();
    binding_->onRow = [this] {
        const VdSNMPVarList &l = binding_->request.list;
        users_.push_back({FromHex(l.Item(0).value), l.Item(1).value, AuthProtocolOf(l.Item(2).value),
                          PrivProtocolOf(l.Item(3).value)});
    };
    ShowStatus("Reading the users ...");
    binding_->getDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &e) {
        binding_->onRow = nullptr;
        if (e.status != 0) {
            ShowStatus((written_.empty() ? "" : written_ + " ") + "Get: " + e.message);
            written_.clear();
            return SetBusy(false);
        }
        UsersRead();
    };
    binding_->Get();
}

void TUSMUserForm::UsersRead() {
    if (mode_ == Mode::AddUser) {
        cbxCloneFrom->clear();
        for (const User &u : users_)
            if (u.engineId == engineId_) cbxCloneFrom->addItem(Q(u.name));
        // Nothing is chosen for the user.
        cbxCloneFrom->setCurrentIndex(-1);
        CloneChosen();
    } else if (context_.selectedRow.size() >= 2) {
        const std::string engine = FromHex(context_.selectedRow[0]);
        for (const User &u : users_)
            if (u.engineId == engine && u.name == context_.selectedRow[1]) {
                subject_ = u;
                subjectKnown_ = true;
            }
    }
    if (mode_ == Mode::ChangePassPhrase) {
        if (!subjectKnown_) {
            ShowStatus("No user is selected in the table, or it is no longer there.");
        } else {
            lblUser->setText(Q(subject_.name + "  (" + AuthName(subject_.auth) + ", " + PrivName(subject_.priv) + ")"));
            const bool priv = subject_.priv > snmp::protocol::None;
            for (QLineEdit *e : {edtOldPrivPass, edtPrivPass, edtPrivPass2}) SetFieldOn(e, priv);
        }
    }
    // The outcome of a write stays in view over the read that follows it.
    if (!written_.empty()) ShowStatus(written_);
    else if (mode_ == Mode::AddUser || subjectKnown_) ShowStatus("Get: Ok! " + std::to_string(users_.size()) + " users.");
    written_.clear();
    SetBusy(false);
}

void TUSMUserForm::CloneChosen() {
    const int k = cbxCloneFrom->currentIndex();
    const User *clone = nullptr;
    for (const User &u : users_)
        if (k >= 0 && u.engineId == engineId_ && Q(u.name) == cbxCloneFrom->currentText()) clone = &u;
    cbxAuthProtocol->clear();
    cbxPrivProtocol->clear();
    // A clone keeps its template's protocols, or none.
    if (clone != nullptr) {
        if (clone->auth > snmp::protocol::None) cbxAuthProtocol->addItem(Q(AuthName(clone->auth)));
        cbxAuthProtocol->addItem(QStringLiteral("None"));
        if (clone->priv > snmp::protocol::None) cbxPrivProtocol->addItem(Q(PrivName(clone->priv)));
        cbxPrivProtocol->addItem(QStringLiteral("None"));
        // The user chooses: nothing is chosen for them.
        cbxAuthProtocol->setCurrentIndex(-1);
        cbxPrivProtocol->setCurrentIndex(cbxPrivProtocol->count() == 1 ? 0 : -1);
        // The module knows the pass phrases of the user it runs as.
        if (clone->name == SessionSecurity.securityName && SessionSecurity.version == 3) {
            edtOldAuthPass->setText(Q(SessionSecurity.authPassword));
            edtOldPrivPass->setText(Q(SessionSecurity.privPassword));
        }
    }
    SetFieldOn(cbxAuthProtocol, clone != nullptr);
    SetFieldOn(cbxPrivProtocol, clone != nullptr && cbxPrivProtocol->count() > 1);
    SetFieldOn(edtOldAuthPass, clone != nullptr && clone->auth > snmp::protocol::None);
    SetFieldOn(edtOldPrivPass, clone != nullptr && clone->priv > snmp::protocol::None);
}

bool TUSMUserForm::ChangesSessionUser() const {
    return mode_ == Mode::ChangePassPhrase && subjectKnown_ && SessionSecurity.version == 3 &&
           subject_.name == SessionSecurity.securityName;
}

void TUSMUserForm::OkClick() {
    if (busy_) return;
    std::vector<std::string> refusals;
    auto check = [&](const std::string &message) {
        if (!message.empty()) refusals.push_back(message);
    };
    Plan plan;
    if (mode_ == Mode::AddUser) {
        const User *clone = nullptr;
        for (const User &u : users_)
            if (u.engineId == engineId_ && Q(u.name) == cbxCloneFrom->currentText()) clone = &u;
        check(CheckUserName(S(edtUserName), users_, engineId_));
        if (clone == nullptr) check("Choose the user to clone from.");
        if (clone != nullptr && cbxAuthProtocol->currentIndex() < 0) check("Choose the Auth Protocol.");
        if (clone != nullptr && cbxPrivProtocol->currentIndex() < 0) check("Choose the Priv Protocol.");
        const int auth = AuthByName(cbxAuthProtocol->currentText().toStdString());
        const int priv = PrivByName(cbxPrivProtocol->currentText().toStdString());
        if (clone != nullptr && clone->auth > snmp::protocol::None) check(CheckOldPassPhrase("The auth pass phrase of \"" + clone->name + "\"", S(edtOldAuthPass)));
        if (clone != nullptr && clone->priv > snmp::protocol::None) check(CheckOldPassPhrase("The priv pass phrase of \"" + clone->name + "\"", S(edtOldPrivPass)));
        if (auth > snmp::protocol::None) check(CheckNewPassPhrase("Auth Pass Phrase", S(edtAuthPass), S(edtAuthPass2)));
        if (priv > snmp::protocol::None) check(CheckNewPassPhrase("Priv Pass Phrase", S(edtPrivPass), S(edtPrivPass2)));
        if (!refusals.empty()) {
            MessageBox::Ok(this, windowTitle(), Q(refusals.front()), MessageBox::Icon::Warning);
            return;
        }
        plan = AddUserSteps({engineId_, S(edtUserName), *clone, S(edtOldAuthPass), S(edtOldPrivPass), auth, priv,
                             S(edtAuthPass), S(edtPrivPass)});
    } else {
        if (!subjectKnown_) return;
        const bool priv = subject_.priv > snmp::protocol::None;
        check(CheckOldPassPhrase("Old Auth Pass Phrase", S(edtOldAuthPass)));
        if (priv) check(CheckOldPassPhrase("Old Priv Pass Phrase", S(edtOldPrivPass)));
        check(CheckNewPassPhrase("New Auth Pass Phrase", S(edtAuthPass), S(edtAuthPass2)));
        if (priv) check(CheckNewPassPhrase("New Priv Pass Phrase", S(edtPrivPass), S(edtPrivPass2)));
        if (!refusals.empty()) {
            MessageBox::Ok(this, windowTitle(), Q(refusals.front()), MessageBox::Icon::Warning);
            return;
        }
        if (ChangesSessionUser() &&
            MessageBox::YesNoChange(this, windowTitle(),
                                    Q("This module talks to the device as \"" + subject_.name +
                                      "\". Its requests fail after the change unless they use the new pass "
                                      "phrases.\nChange the pass phrases of \"" + subject_.name + "\"?"),
                                    MessageBox::Icon::Question) != QMessageBox::Yes)
            return;
        plan = ChangePassPhraseSteps({engineId_, subject_, S(edtOldAuthPass), S(edtOldPrivPass), S(edtAuthPass),
                                      S(edtPrivPass)});
    }
    if (const auto *why = std::get_if<std::string>(&plan)) {
        MessageBox::Ok(this, windowTitle(), Q(*why), MessageBox::Icon::Warning);
        return;
    }
    StartSteps(std::get<std::vector<Step>>(std::move(plan)));
}

void TUSMUserForm::StartSteps(std::vector<Step> steps) {
    steps_ = std::move(steps);
    next_ = 0;
    spinLockRead_ = false;
    SetBusy(true);
    NextStep();
}

void TUSMUserForm::NextStep() {
    if (next_ == steps_.size()) return StepsDone();
    const Step &step = steps_[next_];
    VdSNMPRequest &r = binding_->request;
    r.ReloadSession();
    if (step.as) {
        r.security.version = 3;
        r.security.securityModel = 3;
        r.security.securityName = step.as->name;
        r.security.securityLevel = step.as->Level();
        r.security.authProtocol = step.as->auth;
        r.security.privProtocol = step.as->priv;
        r.security.authPassword = step.as->authPass;
        r.security.privPassword = step.as->privPass;
    }
    r.list = VdSNMPVarList();
    r.list.kind = VdSNMPVarList::SingleInstance;
    ShowStatus("Sending: " + step.what + " ...");
    if (step.kind == Step::Kind::Proof || (step.spinLock && !spinLockRead_)) {
        r.list.AddItem(kSpinLockOid, "User Spin Lock", syntax::Integer, kReadable);
        binding_->getDone = [this, proof = step.kind == Step::Kind::Proof](VdSNMPRequest2Controls &,
                                                                             const VdSNMPError &e) {
            if (proof ? !AgentAnswered(e.status) : e.status != 0) return StepFailed(e.message);
            if (proof) {
                ++next_;
            } else {
                spinLock_ = binding_->request.list.Item(0).value;
                spinLockRead_ = true;
            }
            NextStep();
        };
        binding_->Get();
        return;
    }
    if (step.spinLock) r.list.AddItem(kSpinLockOid, "User Spin Lock", syntax::Integer, kWritable);
    for (const Binding &b : step.bindings) r.list.AddItem(b.oid, b.oid, b.syntax, kWritable);
    int k = 0;
    if (step.spinLock) r.list.Item(k++).value = spinLock_;
    for (const Binding &b : step.bindings) r.list.Item(k++).value = b.value;
    binding_->setDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &e) {
        if (e.status != 0) return StepFailed(e.message);
        spinLockRead_ = false;
        ++next_;
        NextStep();
    };
    binding_->Set(false, false);
}

void TUSMUserForm::StepFailed(const std::string &message) {
    const Step &step = steps_[next_];
    std::string text = "Set: " + step.what + ": " + message;
    // A row left half made is the user's to see and delete.
    if (mode_ == Mode::AddUser && next_ > 1) text += " The user is created but not active.";
    ShowStatus(text);
    MessageBox::Ok(this, windowTitle(), Q(text), MessageBox::Icon::Error);
    SetBusy(false);
}

void TUSMUserForm::StepsDone() {
    if (mode_ == Mode::AddUser) {
        written_ = "Set: Ok! User \"" + S(edtUserName) + "\" added.";
        // The clone's pass phrases served their purpose; the new ones stay for a second look.
        edtUserName->clear();
    } else {
        written_ = "Set: Ok! The pass phrases of \"" + subject_.name + "\" are changed.";
        if (ChangesSessionUser()) AfterSessionUserChanged();
    }
    binding_->request.ReloadSession();
    ReadUsers();
}

void TUSMUserForm::AfterSessionUserChanged() {
    // The module goes on talking to the device with the new pass phrases.
    SessionSecurity.authPassword = S(edtAuthPass);
    if (subject_.priv > snmp::protocol::None) SessionSecurity.privPassword = S(edtPrivPass);
    const std::string &file = context_.configurationFile;
    if (file.empty()) return;
    if (MessageBox::YesNo(this, windowTitle(),
                          Q("Save the new pass phrases in " + file + " for the next start of the module?"),
                          MessageBox::Icon::Question) != QMessageBox::Yes)
        return;
    std::vector<std::pair<std::string, std::string>> keys = {{"AuthPassword", SessionSecurity.authPassword}};
    if (subject_.priv > snmp::protocol::None) keys.emplace_back("PrivPassword", SessionSecurity.privPassword);
    const std::string written = settings_file::Write(file, settings_file::WithKeys(settings_file::Read(file).value_or(""), keys));
    if (!written.empty())
        MessageBox::Ok(this, windowTitle(), Q("Cannot write " + file + ": " + written), MessageBox::Icon::Error);
}
