#pragma once

#include "binding/edit_constraint_rules.h"

#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QWidget;

// An edit's own reactions to a text change and to losing the focus, run after the constraint's
// filter or check passed. A handler vetoes by setting the edit's "tag" property to -1: a vetoed
// change skips the auto-advance, a vetoed exit restores the last good text.
struct EditHandlers {
    std::function<void(QLineEdit *)> changed;
    std::function<void(QLineEdit *)> exited;
};
Q_DECLARE_METATYPE(EditHandlers)

// Installs the handlers on the edit itself, so they outlive a Detach and a new Attach.
void SetEditHandlers(QLineEdit *edit, const EditHandlers &handlers);

// The property that names an edit's field in the refusal message ("Metric: Please enter ...").
inline constexpr char kFieldNameProperty[] = "fieldName";

// Guards edit fields with the constraint format language: drops characters a field does not take
// as they are typed, moves the focus on when a field is full or its advance character is typed,
// and refuses an unacceptable text when the user leaves the field, keeping it selected there (a
// handler's veto restores the last good text).
class VdEditConstraint : public QObject {
    Q_OBJECT
public:
    // The owner window parents the refusal messages and scopes the focus moves; keepLastGood
    // remembers every accepted text as the one to restore.
    VdEditConstraint(QWidget *ownerWindow, bool keepLastGood);
    ~VdEditConstraint() override;

    void setOwnerWindow(QWidget *ownerWindow) { owner_ = ownerWindow; }
    QWidget *ownerWindow() const { return owner_; }
    bool keepLastGood() const { return keepLastGood_; }

    // Attaches one field format; a malformed one raises CodedError -2 and leaves the edit as it was.
    // Attaching an edit again replaces its rule.
    void Attach(const std::string &format, QLineEdit *edit);
    // Adjacent field formats, applied in order to the edits; all or nothing.
    void AttachSequence(const std::string &format, const std::vector<QLineEdit *> &edits);
    // Creates the edits and labels of a composite format side by side at the top of the panel and
    // appends the edits to `edits` when given.
    void BuildEditRow(QWidget *panel, const std::string &format, std::vector<QLineEdit *> *edits = nullptr);
    void Detach(QLineEdit *edit);
    // A check of the caller's run on exit after the format's own, for what the format language cannot
    // say (a port list, say): nothing when the text is acceptable, else why not. The edit must be
    // attached; the check goes with its rule.
    using Check = std::function<std::optional<std::string>(const std::string &text)>;
    void SetCheck(QLineEdit *edit, Check check);

    bool IsAttached(const QLineEdit *edit) const;
    QString lastGood(const QLineEdit *edit) const;

    // The text-change filter and the exit check; installed by Attach, callable directly.
    void KeyFilter(QLineEdit *edit);
    // Returns whether the text was accepted.
    bool ExitCheck(QLineEdit *edit);
    // The message of the last refusal, with the field's name.
    const QString &lastRefusal() const { return lastRefusal_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Record {
        ConstraintRule rule;
        Check check;
        QString lastGood;
        QMetaObject::Connection changed;
        QMetaObject::Connection destroyed;
    };

    void AttachRule(const ConstraintRule &rule, QLineEdit *edit);
    void Forget(QLineEdit *edit);
    void MoveFocusOn(QLineEdit *edit);

    QPointer<QWidget> owner_;
    bool keepLastGood_;
    std::map<const QLineEdit *, Record> records_;
    bool filtering_ = false;  // our own text change is under way
    bool checking_ = false;   // an exit check (and perhaps its message box) is under way
    QString lastRefusal_;
};
