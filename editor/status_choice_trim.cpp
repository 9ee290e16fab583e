#include "editor/status_choice_trim.h"

#include "binding/ui/control_binding.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"

#include <QComboBox>

#include <algorithm>

void StatusChoiceTrim::Remove(int row, const std::string &value) {
    if (row < 0 || row >= panel_.RowCount()) return;
    auto *combo = qobject_cast<QComboBox *>(panel_.Row(row).editor);
    if (combo == nullptr) return;
    auto known = std::find_if(saved_.begin(), saved_.end(), [row](const Saved &s) { return s.row == row; });
    if (known == saved_.end()) {
        Saved s{row, {}, false};
        for (int k = 0; k < combo->count(); ++k) s.items.emplace_back(combo->itemText(k), combo->itemData(k));
        saved_.push_back(std::move(s));
        known = saved_.end() - 1;
    }
    const int k = combo->findText(ToQString(value), Qt::MatchExactly);
    if (k >= 0) combo->removeItem(k);
    if (combo->count() == 0 && !known->hidden) {
        panel_.HideRow(row);
        known->hidden = true;
    }
}

void StatusChoiceTrim::Restore() {
    for (const Saved &s : saved_) {
        auto *combo = qobject_cast<QComboBox *>(panel_.Row(s.row).editor);
        if (combo == nullptr) continue;
        const QString current = combo->currentText();
        combo->clear();
        for (const auto &[text, data] : s.items) combo->addItem(text, data);
        combo->setCurrentIndex(current.isEmpty() ? -1 : combo->findText(current, Qt::MatchExactly));
        if (s.hidden) panel_.ShowRow(s.row);
    }
    saved_.clear();
}
