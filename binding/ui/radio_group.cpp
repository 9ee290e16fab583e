#include "binding/ui/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

VdRadioGroup::VdRadioGroup(QWidget *parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) emit itemIndexChanged(id);
    });
}

QStringList VdRadioGroup::items() const {
    QStringList labels;
    for (QAbstractButton *b : group_->buttons()) labels << b->text();
    return labels;
}

void VdRadioGroup::setItems(const QStringList &labels) {
    const bool hadChoice = itemIndex() >= 0;
    for (QAbstractButton *b : group_->buttons()) {
        group_->removeButton(b);
        delete b;
    }
    for (int i = 0; i < labels.size(); ++i) {
        auto *b = new QRadioButton(labels[i], this);
        b->setObjectName(objectName() + QStringLiteral("_Radio%1").arg(i));
        group_->addButton(b, i);
        layout_->addWidget(b);
    }
    if (hadChoice) emit itemIndexChanged(-1);
}

int VdRadioGroup::itemIndex() const { return group_->checkedId(); }

void VdRadioGroup::setItemIndex(int index) {
    if (index == itemIndex()) return;
    if (QAbstractButton *b = group_->button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group will not let its last checked button go.
    QAbstractButton *checked = group_->checkedButton();
    if (checked == nullptr) return;
    group_->setExclusive(false);
    checked->setChecked(false);
    group_->setExclusive(true);
    emit itemIndexChanged(-1);
}

QRadioButton *VdRadioGroup::button(int index) const {
    return qobject_cast<QRadioButton *>(group_->button(index));
}
