#include "windows/summer_time_form.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/snmp_editor_panel.h"
#include "windows/logic/summer_time_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <string_view>

using namespace summer_time;

namespace {

// Wider than the original 240: a drop-down of a fifth of it must show "Wed" beside its arrow.
constexpr int kEditWidth = 300;
constexpr char kOffsetFormat[] = "%i{n30x120l3}";
constexpr int kEditGap = 4;

std::string TextOf(const QWidget *control) {
    if (const auto *combo = qobject_cast<const QComboBox *>(control)) return combo->currentText().toStdString();
    if (const auto *edit = qobject_cast<const QLineEdit *>(control)) return edit->text().toStdString();
    return {};
}

}  // namespace

TSummerTimeForm::TSummerTimeForm(const RecipeContext &, QWidget *parent)
    : TSettingsForm(parent),
      binding_(AddBinding(VdSNMPVarList(kDescriptors, VdSNMPVarList::ScalarGroup, 0), " Summer Time")) {
    setObjectName(QStringLiteral("SummerTimeForm"));
    resize(1, 1);  // the panel decides the size
    panel = new TSNMPEditorPanel(this, binding_);
    panel->AttachToForm(this);
    panel->SetEditWidth(kEditWidth);
    panel->SetVarFormat(kOffset, kOffsetFormat);
    for (int row = kRepeatingStart; row <= kAnnualEnd; ++row) BuildPointRow(row);

    TCtrlBtnPanel *buttons = panel->buttons();
    disconnect(buttons->RefreshButton, &QPushButton::clicked, panel, nullptr);
    disconnect(buttons->SetCheckedButton, &QPushButton::clicked, panel, nullptr);
    WireButtons(buttons->RefreshButton, buttons->SetCheckedButton);
    auto *status = qobject_cast<QComboBox *>(panel->editsPanel->Row(kStatus).editor);
    connect(status, &QComboBox::currentTextChanged, this, [this] { SwitchRows(); });

    // Nothing is chosen until the device has said which status it runs.
    SwitchRows();
    panel->AttachToForm(this);
}

void TSummerTimeForm::BindingsReleased() {
    // The panel outlives the binding until the window goes: nothing may reach the binding now.
    panel->editsPanel->Row(kStatus).editor->disconnect(this);
    panel->buttons()->RefreshButton->disconnect(this);
    panel->buttons()->SetCheckedButton->disconnect(this);
}

void TSummerTimeForm::BuildPointRow(int row) {
    TEditsPanel *edits = panel->editsPanel;
    auto *host = new QWidget;
    host->setObjectName(QString::fromLatin1(PointName(row)));
    edits->ReplaceRowEditor(row, host);

    const std::vector<PointField> &fields = PointFields(row);
    const int count = static_cast<int>(fields.size());
    const int width = host->width() / count;
    const int height = host->height();
    for (int k = 0; k < count; ++k) {
        const PointField &field = fields[static_cast<std::size_t>(k)];
        const QString name = QString::fromLatin1(PointName(row)) + QString::fromLatin1(field.name);
        const int left = host->width() * k / count;
        QWidget *control = nullptr;
        if (field.options != nullptr) {
            auto *combo = new QComboBox(host);
            combo->setGeometry(left, 0, width, height);
            binding_->BindComboBoxPart(row, field.offset, field.syntax, field.options, combo);
            control = combo;
        } else {
            // Edits sit a little right of their slot so their frames do not touch a drop-down.
            auto *edit = new QLineEdit(host);
            edit->setGeometry(left + kEditGap, 0, width - kEditGap, height);
            edit->setToolTip(QString::fromLatin1(field.hint));
            binding_->BindEditsPart(row, field.offset, field.syntax, nullptr, "%i", {edit});
            control = edit;
            if (std::string_view(field.hint) == "Hour") {
                auto *colon = new QLabel(QStringLiteral(":"), host);
                QFont bold = colon->font();
                bold.setBold(true);
                colon->setFont(bold);
                colon->adjustSize();
                colon->move(left + width, 2);
            }
        }
        control->setObjectName(name);
    }
}

void TSummerTimeForm::SwitchRows() {
    TEditsPanel *edits = panel->editsPanel;
    const std::vector<int> shown = PointRowsShown(edits->RowText(kStatus));
    for (int row = kRepeatingStart; row <= kAnnualEnd; ++row) {
        if (std::find(shown.begin(), shown.end(), row) != shown.end()) {
            edits->ShowRow(row);
        } else {
            edits->HideRow(row);
            edits->UncheckRow(row);
        }
    }
    edits->Layout();
}

void TSummerTimeForm::IncludeOnly(const std::vector<int> &rows) {
    VdSNMPVarList &list = binding_->request.list;
    for (int i = 0; i < list.Count(); ++i) list.Item(i).access |= access_bit::Excluded;
    for (int row : rows) Include(row);
}

void TSummerTimeForm::Include(int row) { binding_->request.list.Item(row).access &= ~access_bit::Excluded; }

std::vector<QWidget *> TSummerTimeForm::PointControls(int row) const {
    std::vector<QWidget *> controls;
    for (const PointField &field : PointFields(row))
        controls.push_back(findChild<QWidget *>(QString::fromLatin1(PointName(row)) + QString::fromLatin1(field.name)));
    return controls;
}

void TSummerTimeForm::ReadDevice() {
    IncludeOnly({kStatus});
    RunShown(binding_, [this] { binding_->Get(); }, [this](bool) {
        // The second step runs even when the first failed: the offset may still be readable.
        SwitchRows();
        for (int row : DetailRows(panel->editsPanel->RowText(kStatus))) Include(row);
        RunShown(binding_, [this] { binding_->Get(); });
    });
}

void TSummerTimeForm::WriteDevice() {
    TEditsPanel *edits = panel->editsPanel;
    FormInput input;
    for (int row = 0; row < kRowCount; ++row) {
        RowInput &in = input[static_cast<std::size_t>(row)];
        in.ticked = edits->Row(row).checkBox->isChecked();
        if (IsPointRow(row)) {
            for (const QWidget *control : PointControls(row)) in.texts.push_back(TextOf(control));
        } else {
            in.texts.push_back(edits->RowText(row));
        }
    }
    const Verdict verdict = Check(input);
    if (!verdict.accepted) {
        if (!verdict.message.empty())
            MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromStdString(verdict.message));
        return;
    }
    // The status goes first and alone; when it fails the offset and the points stay unsent. A later
    // failure leaves the device half changed, and the user is told which half.
    WriteStep(WriteSteps(input), 0);
}

void TSummerTimeForm::WriteStep(const std::vector<std::vector<int>> &steps, std::size_t k) {
    if (k >= steps.size() || bindingsReleased()) return;
    IncludeOnly(steps[k]);
    Run(
        binding_,
        [this, &step = steps[k]] {
            for (int row : step) binding_->ControlsToValues(row);
            binding_->Set(false, false);
        },
        [this, steps, k](const std::optional<std::string> &error) {
            if (!error) {
                WriteStep(steps, k + 1);
                return;
            }
            const std::string text = PartialWriteText(steps, k, *error);
            binding_->ShowStatus(text);
            if (k > 0)
                MessageBox::Tell(this, MessageBox::ModuleCaption(), QString::fromStdString(text), MessageBox::Icon::Warning);
        });
}
