#include "binding/ui/edit_constraint.h"

#include "binding/ui/message_box.h"
#include "engine/messages.h"
#include "engine/coded_error.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

constexpr char kHandlersProperty[] = "qswEditHandlers";
constexpr int kToolkitMaxLength = 32767;  // QLineEdit's "no limit"

EditHandlers HandlersOf(const QLineEdit *edit) {
    return edit->property(kHandlersProperty).value<EditHandlers>();
}

// Runs a handler; true when it vetoed through the edit's tag.
bool RunVetoable(const std::function<void(QLineEdit *)> &handler, QLineEdit *edit) {
    if (!handler) return false;
    handler(edit);
    return edit->property("tag").toInt() == -1;
}

bool IsReserved(const QString &text) { return IsReservedValueText(text.toStdString()); }

// A field's text with its cursor, as the filter reshapes them.
struct Typed {
    QString text;
    int cursor;
};

// Drops the first occurrence of the advance character; true when there was one.
bool TakeAdvanceChar(const ConstraintRule &rule, Typed &typed) {
    if (rule.advanceChar == 0) return false;
    const int at = static_cast<int>(typed.text.indexOf(QLatin1Char(rule.advanceChar)));
    if (at < 0) return false;
    typed.text.remove(at, 1);
    if (at < typed.cursor) --typed.cursor;
    return true;
}

QString Filtered(const ConstraintRule &rule, const QString &text, int *removed = nullptr) {
    return QString::fromStdString(FilterTyped(rule, text.toStdString(), removed));
}

// Drops disallowed characters; those before the cursor move it back (the filter keeps prefixes).
int DropDisallowed(const ConstraintRule &rule, Typed &typed) {
    int removed = 0;
    typed.cursor = static_cast<int>(Filtered(rule, typed.text.left(typed.cursor)).size());
    typed.text = Filtered(rule, typed.text, &removed);
    return removed;
}

// What the user put in beyond the maximum length: the characters just before the cursor.
void CutToMaxLength(const ConstraintRule &rule, Typed &typed) {
    const int excess = static_cast<int>(typed.text.size()) - rule.maxLength;
    if (rule.maxLength <= 0 || excess <= 0) return;
    const int beforeCursor = std::min(excess, typed.cursor);
    typed.text.remove(typed.cursor - beforeCursor, beforeCursor);
    typed.cursor -= beforeCursor;
    typed.text.truncate(rule.maxLength);
}

void RemoveBevels(QWidget *panel) {
    if (auto *box = qobject_cast<QGroupBox *>(panel)) {
        box->setTitle(QString());
        box->setFlat(true);
    } else if (auto *frame = qobject_cast<QFrame *>(panel)) {
        frame->setFrameShape(QFrame::NoFrame);
    }
}

}  // namespace

void SetEditHandlers(QLineEdit *edit, const EditHandlers &handlers) {
    edit->setProperty(kHandlersProperty, QVariant::fromValue(handlers));
}

VdEditConstraint::VdEditConstraint(QWidget *ownerWindow, bool keepLastGood)
    : owner_(ownerWindow), keepLastGood_(keepLastGood) {}

VdEditConstraint::~VdEditConstraint() {
    while (!records_.empty()) Detach(const_cast<QLineEdit *>(records_.begin()->first));
}

void VdEditConstraint::Attach(const std::string &format, QLineEdit *edit) {
    AttachRule(ParseConstraint(format), edit);
}

void VdEditConstraint::AttachSequence(const std::string &format, const std::vector<QLineEdit *> &edits) {
    const std::vector<std::string> pieces = SplitSequence(format);
    if (pieces.size() > edits.size()) throw messages::CommonError(2);
    std::vector<ConstraintRule> rules;
    for (const std::string &piece : pieces) rules.push_back(ParseConstraint(piece));
    for (std::size_t i = 0; i < rules.size(); ++i) AttachRule(rules[i], edits[i]);
}

void VdEditConstraint::BuildEditRow(QWidget *panel, const std::string &format, std::vector<QLineEdit *> *edits) {
    const std::vector<EditRowPiece> pieces = SplitEditRow(format);
    for (const EditRowPiece &piece : pieces) {
        if (piece.isField) ParseConstraint(piece.text);  // a bad field creates nothing
    }
    const QString prefix = panel->objectName();
    int editCount = 0;
    int labelCount = 0;
    int left = 0;
    QLineEdit *previousEdit = nullptr;
    for (const EditRowPiece &piece : pieces) {
        QWidget *control = nullptr;
        if (piece.isField) {
            auto *edit = new QLineEdit(panel);
            edit->setObjectName(QStringLiteral("%1_Edit%2").arg(prefix).arg(editCount++));
            edit->resize(edit->sizeHint());
            Attach(piece.text, edit);
            if (previousEdit != nullptr) QWidget::setTabOrder(previousEdit, edit);
            previousEdit = edit;
            if (edits != nullptr) edits->push_back(edit);
            control = edit;
        } else {
            auto *label = new QLabel(panel);
            label->setObjectName(QStringLiteral("%1_Label%2").arg(prefix).arg(labelCount++));
            label->setTextFormat(Qt::PlainText);
            label->setText(QString::fromStdString(piece.text));
            label->adjustSize();
            control = label;
        }
        control->move(left, 0);
        control->show();
        left += control->width() + 1;
    }
    RemoveBevels(panel);
}

void VdEditConstraint::AttachRule(const ConstraintRule &rule, QLineEdit *edit) {
    Detach(edit);
    if (rule.width > 0) edit->resize(rule.width, edit->height());
    // The length limit is kept by the filter for what the user types: the toolkit's own limit
    // would also cut values set by code, such as "(NULL)" or a device's longer text.
    edit->setMaxLength(kToolkitMaxLength);
    Record &record = records_[edit];
    record.rule = rule;
    record.changed = connect(edit, &QLineEdit::textChanged, this, [this, edit] { KeyFilter(edit); });
    record.destroyed = connect(edit, &QObject::destroyed, this, [this, edit] { records_.erase(edit); });
    edit->installEventFilter(this);
}

void VdEditConstraint::Detach(QLineEdit *edit) {
    const auto it = records_.find(edit);
    if (it == records_.end()) return;
    disconnect(it->second.changed);
    disconnect(it->second.destroyed);
    edit->removeEventFilter(this);
    records_.erase(it);
}

void VdEditConstraint::SetCheck(QLineEdit *edit, Check check) {
    const auto it = records_.find(edit);
    if (it != records_.end()) it->second.check = std::move(check);
}

bool VdEditConstraint::IsAttached(const QLineEdit *edit) const { return records_.count(edit) != 0; }

QString VdEditConstraint::lastGood(const QLineEdit *edit) const {
    const auto it = records_.find(edit);
    return it == records_.end() ? QString() : it->second.lastGood;
}

void VdEditConstraint::KeyFilter(QLineEdit *edit) {
    const auto it = records_.find(edit);
    if (it == records_.end() || filtering_) return;
    const ConstraintRule rule = it->second.rule;
    const QString original = edit->text();
    if (original.isEmpty() || IsReserved(original)) return;

    // setText clears the modified mark: a marked change came from the user.
    const bool byUser = edit->isModified();
    Typed typed{original, edit->cursorPosition()};
    const bool advance = TakeAdvanceChar(rule, typed);
    const int removed = DropDisallowed(rule, typed);
    if (byUser) CutToMaxLength(rule, typed);
    if (typed.text != original) {
        const QScopedValueRollback<bool> guard(filtering_, true);
        edit->setText(typed.text);
        edit->setCursorPosition(typed.cursor);
        edit->setModified(byUser);
    }
    if (removed > 0) QApplication::beep();

    const QString &text = typed.text;
    const bool usable = !text.isEmpty() && !IsReserved(text);
    const bool vetoed = usable && RunVetoable(HandlersOf(edit).changed, edit);
    const bool full = rule.has(ConstraintRule::AutoAdvance) && rule.maxLength > 0 && text.size() == rule.maxLength;
    if (advance || (usable && !vetoed && full)) MoveFocusOn(edit);
}

bool VdEditConstraint::ExitCheck(QLineEdit *edit) {
    // A read-only field shows what the device holds; the user changed nothing there to refuse.
    if (checking_ || !IsAttached(edit) || edit->isReadOnly()) return true;
    const QScopedValueRollback<bool> guard(checking_, true);
    const QString text = edit->text();
    if (IsReserved(text)) return true;

    const QPointer<QLineEdit> alive(edit);
    std::optional<std::string> refusal = RefusalOf(records_[edit].rule, text.toStdString());
    if (!refusal && records_[edit].check) refusal = records_[edit].check(text.toStdString());
    if (refusal) {
        // The message names the field; the text stays for the user to mend.
        const QString field = edit->property(kFieldNameProperty).toString();
        lastRefusal_ = (field.isEmpty() ? QString() : field + QStringLiteral(": ")) + QString::fromStdString(*refusal);
        MessageBox::Ok(owner_, MessageBox::ModuleCaption(), lastRefusal_);
        // The modal box ran the event loop: the edit or its record may be gone.
        if (alive && IsAttached(edit)) {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
        }
        return false;
    }
    const bool vetoed = RunVetoable(HandlersOf(edit).exited, edit);
    if (!alive || !IsAttached(edit)) return !vetoed;
    Record &record = records_[edit];
    if (vetoed) {
        edit->setText(record.lastGood);
        return false;
    }
    if (keepLastGood_ && !text.isEmpty()) record.lastGood = text;
    return true;
}

bool VdEditConstraint::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::FocusOut || checking_) return false;
    auto *edit = qobject_cast<QLineEdit *>(watched);
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    // Another window or a popup taking the focus is no exit from the field.
    if (edit == nullptr || !IsAttached(edit) || reason == Qt::ActiveWindowFocusReason ||
        reason == Qt::PopupFocusReason)
        return false;
    // Let the edit finish losing the focus before the check may give it back.
    static_cast<QObject *>(edit)->event(event);
    ExitCheck(edit);
    return true;
}

void VdEditConstraint::MoveFocusOn(QLineEdit *edit) {
    // Only a field the user is typing in hands the focus on; a value filled in by code does not.
    if (!edit->hasFocus()) return;
    QWidget *scope = owner_ && owner_->isAncestorOf(edit) ? owner_.data() : edit->window();
    for (QWidget *w = edit->nextInFocusChain(); w != nullptr && w != edit; w = w->nextInFocusChain()) {
        if (scope->isAncestorOf(w) && w->isEnabled() && w->isVisible() && w->focusProxy() == nullptr &&
            (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
