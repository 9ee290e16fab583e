#include "editor/edits_panel.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "editor/bit_list_dialog.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/editor_error.h"
#include "engine/var_list.h"

#include <QAction>
#include <QCheckBox>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMinEditorHeight = 20;
constexpr int kRaisedEditorHeight = 21;

QString RowName(const char *prefix, int i) { return QLatin1String(prefix) + QString::number(i); }

// The picker's icon: two lines of port sockets.
QIcon PortGridIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(60, 60, 60));
    for (int line = 0; line < 2; ++line)
        for (int k = 0; k < 3; ++k) painter.drawRect(1 + k * 5, 3 + line * 6, 3, 3);
    return QIcon(pixmap);
}

std::string BitNumbers(int bitCount) {
    std::string numbers;
    for (int n = 0; n < bitCount; ++n) {
        if (n > 0) numbers += ',';
        numbers += std::to_string(n);
    }
    return numbers;
}

}  // namespace

TEditsPanel::TEditsPanel(QWidget *parent, VdSNMPRequest2Edits *binding)
    : QWidget(parent), binding_(binding), scrollBox_(new QScrollArea(this)), rowsHost_(new QWidget) {
    setObjectName(QStringLiteral("editsPanel"));
    readOnlyBackColour = palette().color(QPalette::Button);
    scrollBox_->setObjectName(QStringLiteral("scrollBox"));
    scrollBox_->setFrameShape(QFrame::NoFrame);
    scrollBox_->setWidget(rowsHost_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollBox_);
    BuildRows();
}

bool TEditsPanel::IsIndexRow(int i) const { return i < binding_->request.list.indexCount; }

bool TEditsPanel::IsRowEditable(int i) const { return binding_->request.list.IsEditable(i) && !IsIndexRow(i); }

void TEditsPanel::BuildRows() {
    for (UISnmpVar &row : rows_) {
        delete row.checkBox;
        delete row.labelControl;
        delete row.editor;
    }
    rows_.clear();
    if (binding_ == nullptr) return;
    const VdSNMPVarList &list = binding_->request.list;
    rows_.resize(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        const bool editable = list.IsEditable(i);
        const bool choice = list.Item(i).options != nullptr;
        UISnmpVar &row = MutableRow(i);
        row.rowKind = editable ? (choice ? UISnmpVar::EditableChoice : UISnmpVar::EditableValue)
                               : (choice ? UISnmpVar::ReadOnlyChoice : UISnmpVar::ReadOnlyValue);
        CreateRowControls(i);
    }
    SetRowsCheckState(false);
    Layout();
}

void TEditsPanel::CreateRowControls(int i) {
    UISnmpVar &row = MutableRow(i);
    auto *check = new QCheckBox(rowsHost_);
    check->setObjectName(RowName("RowCheck", i));
    check->setProperty("tag", i);
    check->setFocusPolicy(Qt::NoFocus);
    check->resize(kCheckBoxWidth, check->sizeHint().height());
    connect(check, &QCheckBox::clicked, this, [this, check] {
        if (onRowCheck) onRowCheck(check);
    });
    row.checkBox = check;

    auto *label = new QLabel(ToQString(binding_->request.list.Item(i).label), rowsHost_);
    label->setObjectName(RowName("RowLabel", i));
    label->setProperty("tag", i);
    label->adjustSize();
    row.labelControl = label;
    const QString fieldName = label->text().trimmed();

    if (row.rowKind == UISnmpVar::EditableChoice) {
        auto *combo = new QComboBox(rowsHost_);
        combo->setObjectName(RowName("RowEditor", i));
        combo->setProperty("tag", i);
        combo->resize(editWidth, combo->sizeHint().height());
        row.editor = combo;
        combo->setProperty(kFieldNameProperty, fieldName);
        binding_->BindComboBox(i, combo);
        TickOnEdit(i, combo);
    } else {
        auto *edit = new QLineEdit(rowsHost_);
        edit->setObjectName(RowName("RowEditor", i));
        edit->setProperty("tag", i);
        edit->resize(editWidth, edit->sizeHint().height());
        // A value put in from outside shows from its start, as the user reads it.
        connect(edit, &QLineEdit::textChanged, edit, [edit] {
            if (!edit->hasFocus()) edit->setCursorPosition(0);
        });
        row.editor = edit;
        edit->setProperty(kFieldNameProperty, fieldName);
        binding_->BindEdits(i, row.rowKind == UISnmpVar::ReadOnlyChoice ? "%s" : row.format, {edit});
        TickOnEdit(i, edit);
    }
}

void TEditsPanel::TickOnEdit(int i, QWidget *editor) {
    // Fields a caller puts into a row's panel come after the row: each is connected once, when seen.
    QList<QWidget *> fields = editor->findChildren<QWidget *>();
    fields.prepend(editor);
    const auto tick = [this, i] { TickRow(i); };
    for (QWidget *field : fields) {
        if (field->property("ticksRow").isValid()) continue;
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            connect(edit, &QLineEdit::textEdited, this, tick);
        else if (auto *combo = qobject_cast<QComboBox *>(field))
            connect(combo, &QComboBox::activated, this, tick);
        else
            continue;
        field->setProperty("ticksRow", i);
    }
}

void TEditsPanel::showEvent(QShowEvent *event) {
    for (int i = 0; i < RowCount(); ++i) TickOnEdit(i, MutableRow(i).editor);
    QWidget::showEvent(event);
}

// What the user edits is what Set sends: an edit that stayed unticked would be dropped without a
// word. The user may still untick the row afterwards.
void TEditsPanel::TickRow(int i) {
    if (i < 0 || i >= RowCount()) return;
    QCheckBox *box = MutableRow(i).checkBox;
    if (box == nullptr || box->isChecked() || !box->isEnabledTo(box->parentWidget())) return;
    box->setChecked(true);
    if (onRowCheck) onRowCheck(box);
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel *buttons) {
    if (binding_ == nullptr) RaiseEditorError("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    buttons_ = buttons;
    for (QWidget *w : {static_cast<QWidget *>(buttons->SamplesCount), static_cast<QWidget *>(buttons->SamplesLabel),
                       static_cast<QWidget *>(buttons->EditButton), static_cast<QWidget *>(buttons->AddButton),
                       static_cast<QWidget *>(buttons->DeleteButton)})
        w->hide();
    for (QPushButton *b : {buttons->RefreshButton, buttons->SetCheckedButton, buttons->CheckAllButton,
                           buttons->ClearChecksButton, buttons->CloseButton})
        b->show();
    if (AllRowsReadOnly()) {
        buttons->SetCheckedButton->hide();
        buttons->CheckAllButton->hide();
        buttons->ClearChecksButton->hide();
    } else if (EditableRowCount() <= 1) {
        buttons->CheckAllButton->hide();
        buttons->ClearChecksButton->hide();
        if (buttons->SetCheckedButton->icon().isNull()) buttons->SetCheckedButton->setText(QStringLiteral("Set"));
        buttons->SetCheckedButton->setEnabled(true);
        for (const UISnmpVar &row : rows_)
            if (!row.checkBox->isHidden() && row.checkBox->isEnabledTo(row.checkBox->parentWidget()))
                row.checkBox->setChecked(true);
        if (CheckedRowCount() <= 1)
            for (const UISnmpVar &row : rows_) row.checkBox->hide();
    }
    buttons->LayoutButtons();
}

TCtrlBtnPanel *TEditsPanel::buttons() const { return buttons_; }

void TEditsPanel::Colour(QWidget *editor, const QColor &text, const QColor &back) {
    QPalette p = editor->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::Base, back);
    }
    editor->setPalette(p);
}

void TEditsPanel::MakeRowReadOnly(int i) {
    if (i < 0 || i >= RowCount()) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(),
                       QStringLiteral("aIdx is overtop!\n you may define < %1").arg(RowCount()));
        return;
    }
    UISnmpVar &row = MutableRow(i);
    row.checkBox->setEnabled(false);
    row.checkBox->hide();
    row.checkBox->setChecked(false);
    if (auto *edit = qobject_cast<QLineEdit *>(row.editor)) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    } else {
        row.editor->setEnabled(false);
    }
    Colour(row.editor, readOnlyTextColour, readOnlyBackColour);
}

void TEditsPanel::MakeRowEditable(int i) {
    UISnmpVar &row = MutableRow(i);
    row.checkBox->setEnabled(true);
    row.checkBox->show();
    row.checkBox->setChecked(defaultCheck);
    if (auto *edit = qobject_cast<QLineEdit *>(row.editor)) {
        edit->setReadOnly(false);
        edit->setFocusPolicy(Qt::StrongFocus);
    } else {
        row.editor->setEnabled(true);
    }
    Colour(row.editor, Qt::black, Qt::white);
}

void TEditsPanel::SetRowsCheckState(bool check) {
    defaultCheck = check;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsRowEditable(i))
            MakeRowEditable(i);
        else
            MakeRowReadOnly(i);
    }
}

void TEditsPanel::Layout() {
    int labelWidth = 0;
    for (const UISnmpVar &row : rows_) labelWidth = std::max(labelWidth, row.labelControl->width());
    const int labelLeft = kMargin + kCheckBoxWidth + kGap;
    const int editorLeft = labelLeft + labelWidth + kGap;
    int top = kMargin;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < RowCount(); ++i) {
        UISnmpVar &row = MutableRow(i);
        QWidget *editor = row.editor;
        if (editor->height() < kMinEditorHeight) editor->resize(editor->width(), kRaisedEditorHeight);
        const bool visible = !editor->isHidden();
        // Row 0 always sits at the first line, hidden or not; later hidden rows take no room.
        if (i > 0 && visible) top += editor->height() + kGap;
        editor->setGeometry(editorLeft, top, editWidth, editor->height());
        row.checkBox->move(kMargin, top + (editor->height() - row.checkBox->height()) / 2);
        row.labelControl->move(labelLeft, top + (editor->height() - row.labelControl->height()) / 2);
        if (visible) {
            right = std::max(right, editor->geometry().right() + 1);
            bottom = std::max(bottom, editor->geometry().bottom() + 1);
        }
    }
    laidOutSize_ = QSize(right + 2 * kMargin, bottom + 2 * kMargin);
    rowsHost_->resize(laidOutSize_);
    resize(laidOutSize_);
    updateGeometry();
}

void TEditsPanel::SetEditWidth(int width) {
    editWidth = width;
    Layout();
}

void TEditsPanel::HideRow(int i) {
    UISnmpVar &row = MutableRow(i);
    binding_->request.list.Item(i).access |= access_bit::Hidden;
    row.editor->hide();
    row.checkBox->hide();
    row.labelControl->hide();
}

void TEditsPanel::ShowRow(int i) {
    UISnmpVar &row = MutableRow(i);
    binding_->request.list.Item(i).access &= ~access_bit::Hidden;
    row.editor->show();
    row.checkBox->show();
    row.labelControl->show();
}

void TEditsPanel::CheckRow(int i) { MutableRow(i).checkBox->setChecked(true); }

void TEditsPanel::UncheckRow(int i) { MutableRow(i).checkBox->setChecked(false); }

void TEditsPanel::PresetRow(int i) {
    if (QCheckBox *box = MutableRow(i).checkBox) {
        box->setChecked(true);
        box->hide();
    }
}

void TEditsPanel::LockRowCheck(int i, bool locked) {
    if (QCheckBox *box = MutableRow(i).checkBox) box->setEnabled(!locked);
}

void TEditsPanel::ClearRow(int i) {
    UISnmpVar &row = MutableRow(i);
    if (auto *edit = qobject_cast<QLineEdit *>(row.editor)) {
        edit->clear();
        edit->setProperty(kPortListValueProperty, QVariant());  // no value read is behind it now
    }
    if (auto *combo = qobject_cast<QComboBox *>(row.editor)) combo->setCurrentIndex(-1);
    binding_->request.list.Item(i).value.clear();
}

void TEditsPanel::ClearAllRows() {
    for (int i = 0; i < RowCount(); ++i) ClearRow(i);
}

void TEditsPanel::SetRowValue(int i, const std::string &text) {
    UISnmpVar &row = MutableRow(i);
    if (auto *edit = qobject_cast<QLineEdit *>(row.editor)) edit->setText(ToQString(text));
    if (auto *combo = qobject_cast<QComboBox *>(row.editor))
        combo->setCurrentIndex(combo->findText(ToQString(text), Qt::MatchExactly));
    binding_->request.list.Item(i).value = text;
    // A port list shows its value as ranges.
    if (row.bitList) binding_->ValuesToControls(i);
}

std::string TEditsPanel::RowText(int i) const {
    const UISnmpVar &row = Row(i);
    if (auto *edit = qobject_cast<QLineEdit *>(row.editor)) return FromQString(edit->text());
    if (auto *combo = qobject_cast<QComboBox *>(row.editor)) return FromQString(combo->currentText());
    return {};
}

bool TEditsPanel::RowIsEmpty(int i) const {
    const UISnmpVar &row = Row(i);
    if (qobject_cast<QLineEdit *>(row.editor) == nullptr && qobject_cast<QComboBox *>(row.editor) == nullptr)
        return true;
    // A column whose walk had ended holds no value to send.
    const std::string text = RowText(i);
    return text.empty() || text == kNotDoneText;
}

bool TEditsPanel::AllRowsReadOnly() const {
    for (int i = 0; i < RowCount(); ++i)
        if (IsRowEditable(i)) return false;
    return true;
}

int TEditsPanel::EditableRowCount() const {
    return static_cast<int>(std::count_if(rows_.begin(), rows_.end(), [](const UISnmpVar &row) {
        return !row.checkBox->isHidden() && row.checkBox->isEnabledTo(row.checkBox->parentWidget());
    }));
}

int TEditsPanel::CheckedRowCount() const {
    return static_cast<int>(std::count_if(rows_.begin(), rows_.end(), [](const UISnmpVar &row) {
        return !row.checkBox->isHidden() && row.checkBox->isChecked();
    }));
}

void TEditsPanel::SetRowFormat(int i, const std::string &format) {
    UISnmpVar &row = MutableRow(i);
    // Checked before anything is unbound, so a refused row keeps its editor working.
    if (row.rowKind == UISnmpVar::EditableChoice) RaiseEditorError("Can not set Var format to a ComboBox!");
    if (row.rowKind != UISnmpVar::ReadOnlyValue && row.rowKind != UISnmpVar::EditableValue)
        RaiseEditorError("Unknow UI Control type!");
    auto *edit = qobject_cast<QLineEdit *>(row.editor);
    binding_->Unbind(i);
    binding_->BindEdits(i, format, {edit});
    row.format = format;
}

void TEditsPanel::ReplaceRowEditor(int i, QWidget *control) {
    UISnmpVar &row = MutableRow(i);
    QWidget *replaced = row.editor;
    binding_->Unbind(i);
    control->setParent(replaced->parentWidget());
    control->setGeometry(replaced->geometry());
    control->setEnabled(replaced->isEnabled());
    control->setVisible(!replaced->isHidden());
    row.editor = control;
    delete replaced;
    TickOnEdit(i, control);
}

void TEditsPanel::SetBitListRow(int i, int perLine, int bitCount) {
    UISnmpVar &row = MutableRow(i);
    if (row.rowKind != UISnmpVar::ReadOnlyValue && row.rowKind != UISnmpVar::EditableValue)
        RaiseEditorError("You can only assign Octet Item to a Edit!");
    if (perLine < 1 || bitCount < 1) RaiseEditorError("A bit list needs at least one bit per line.");
    row.bitList = UISnmpVar::BitList{perLine, bitCount};
    auto *edit = qobject_cast<QLineEdit *>(row.editor);
    // Ports are typed as ranges or picked in the dialog, which the button in the field opens.
    binding_->Unbind(i);
    binding_->BindPortList(i, bitCount, edit);
    auto *pick = edit->addAction(PortGridIcon(), QLineEdit::TrailingPosition);
    pick->setObjectName(RowName("PickPorts", i));
    pick->setToolTip(QStringLiteral("Pick the ports (F4)"));
    connect(pick, &QAction::triggered, this, [this, i] { EditBitList(i); });
    edit->setToolTip(QStringLiteral("Ports as ranges, such as 1-4,49,52, or none"));
    edit->installEventFilter(this);
}

bool TEditsPanel::OpensBitList(const QObject *watched, int &row) const {
    for (int i = 0; i < RowCount(); ++i) {
        if (Row(i).bitList && Row(i).editor == watched) {
            row = i;
            return true;
        }
    }
    return false;
}

bool TEditsPanel::eventFilter(QObject *watched, QEvent *event) {
    int row = -1;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // The keys that open a drop-down list open the ports.
        const bool opens = key->key() == Qt::Key_F4 || (key->key() == Qt::Key_Down && key->modifiers() & Qt::AltModifier);
        if (opens && OpensBitList(watched, row)) {
            EditBitList(row);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TEditsPanel::EditBitList(int i) {
    const UISnmpVar &row = Row(i);
    if (!row.bitList) RaiseEditorError("The row is not a bit list.");
    auto *edit = qobject_cast<QLineEdit *>(row.editor);
    const VdSNMPVarList &list = binding_->request.list;
    // Ports typed in the field are taken over into the dialog; a text that is no port list is
    // refused first, naming the field, and stays for the user to mend.
    if (!binding_->constraint().ExitCheck(edit)) return false;
    try {
        binding_->ControlsToValues(i);
    } catch (const CodedError &) {
    }
    TBitListDialog dialog(window(), ToQString(list.Item(i).label), row.bitList->perLine, row.bitList->bitCount,
                          list.IsEditable(i));
    binding_->BindCheckBoxBits(i, BitNumbers(row.bitList->bitCount), dialog.boxes());
    try {
        binding_->ValuesToControls(i);
    } catch (const CodedError &) {
        ClearRow(i);
        dialog.SetAllBoxes(false);
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    try {
        if (accepted) binding_->ControlsToValues(-1);
    } catch (const CodedError &) {
    }
    if (accepted && list.IsEditable(i)) TickRow(i);
    binding_->Unbind(i);
    binding_->BindPortList(i, row.bitList->bitCount, edit);
    try {
        binding_->ValuesToControls(i);
        binding_->ControlsToValues(-1);
    } catch (const CodedError &) {
    }
    return accepted;
}

void TEditsPanel::MaskRow(int i) {
    if (i < 0 || i >= RowCount()) return;
    maskedRows_.push_back(i);
    ShowSecrets(false);
}

void TEditsPanel::ShowSecrets(bool shown) {
    for (int i : maskedRows_)
        if (auto *edit = qobject_cast<QLineEdit *>(Row(i).editor)) edit->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
}
