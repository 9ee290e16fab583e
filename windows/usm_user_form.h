#pragma once

#include "catalogue/recipe_context.h"
#include "forms/device_form.h"
#include "windows/logic/usm_users.h"

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UsmStepBinding;

// The agent's SNMPv3 users, managed by pass phrase: "Add user" clones a user of the table into a
// new one with keys of its own, "Change pass phrase" changes a user's keys as that user. The keys
// are derived here for the agent's engine, read from the agent when the window opens together with
// its users; every request is chained on the completion of the one before.
class TUSMUserForm : public TDeviceForm {
    Q_OBJECT
public:
    enum class Mode { AddUser, ChangePassPhrase };
    TUSMUserForm(const RecipeContext &context, QWidget *parent, Mode mode);
    ~TUSMUserForm() override;

protected:
    void RefreshCurrent() override;

private:
    QLineEdit *PassPhraseEdit(const char *name);
    void LayOut();
    void ReadEngineId();
    void ReadUsers();
    void UsersRead();
    void CloneChosen();
    void ShowPassPhrases(bool shown);
    void OkClick();
    void StartSteps(std::vector<usm_users::Step> steps);
    void NextStep();
    void StepFailed(const std::string &message);
    void StepsDone();
    // The selected row's user when the window was opened on one; nothing without.
    const usm_users::User *Subject() const;
    bool ChangesSessionUser() const;
    void AfterSessionUserChanged();
    void ShowStatus(const std::string &text);
    void SetBusy(bool busy);

    const Mode mode_;
    const RecipeContext context_;
    UsmStepBinding *binding_;

    QLabel *lblEngineId;
    QLabel *lblUser;
    QLineEdit *edtUserName;
    QComboBox *cbxCloneFrom;
    QLineEdit *edtOldAuthPass;
    QLineEdit *edtOldPrivPass;
    QComboBox *cbxAuthProtocol;
    QLineEdit *edtAuthPass;
    QLineEdit *edtAuthPass2;
    QComboBox *cbxPrivProtocol;
    QLineEdit *edtPrivPass;
    QLineEdit *edtPrivPass2;
    QCheckBox *chkShowPassPhrases;
    QPushButton *btnOk;
    QPushButton *btnClose;
    QLabel *statusPanel;
    std::vector<QLineEdit *> secrets_;

    std::string engineId_;
    std::vector<usm_users::User> users_;
    usm_users::User subject_;
    bool subjectKnown_ = false;
    std::vector<usm_users::Step> steps_;
    std::size_t next_ = 0;
    bool spinLockRead_ = false;
    std::string spinLock_;
    bool busy_ = false;
    std::string written_;  // the outcome of the last write, shown once the users are read again
};

class TUSMAddUserForm : public TUSMUserForm {
    Q_OBJECT
public:
    TUSMAddUserForm(const RecipeContext &context, QWidget *parent) : TUSMUserForm(context, parent, Mode::AddUser) {}
};

class TUSMPassPhraseForm : public TUSMUserForm {
    Q_OBJECT
public:
    TUSMPassPhraseForm(const RecipeContext &context, QWidget *parent)
        : TUSMUserForm(context, parent, Mode::ChangePassPhrase) {}
};
