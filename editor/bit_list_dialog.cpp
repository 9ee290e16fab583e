#include "editor/bit_list_dialog.h"

#include "forms/ui_parts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

TBitListDialog::TBitListDialog(QWidget *parent, const QString &caption, int perLine, int bitCount, bool editable)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("BitListDialog"));
    setWindowTitle(caption);
    int width = kMargin;
    int lastBottom = kMargin;
    for (int n = 0; n < bitCount; ++n) {
        auto *label = new QLabel(QString::number(n + 1), this);
        label->setObjectName(QStringLiteral("BitLabel%1").arg(n));
        label->adjustSize();
        auto *box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("Bit%1").arg(n));
        box->setFocusPolicy(Qt::NoFocus);
        box->setEnabled(editable);
        box->resize(kColumnWidth, box->sizeHint().height());
        const int line = n / perLine;
        const int column = n % perLine;
        const int rowHeight = box->height() + label->height();
        const int left = column * kColumnWidth + kMargin;
        label->move(left, line * rowHeight + kMargin);
        box->move(left, label->height() + line * rowHeight + kMargin);
        // The width follows the first full line, or the last box when there is no full line.
        if (n == perLine - 1 || (bitCount < perLine && n == bitCount - 1))
            width = box->geometry().right() + 1 + kMargin;
        lastBottom = box->geometry().bottom() + 1;
        boxes_.push_back(box);
    }

    const int buttonTop = lastBottom + kMargin;
    int left = kMargin;
    int bottom = buttonTop;
    auto addButton = [&](const char *name, const QString &caption) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->resize(button->sizeHint());
        button->move(left, buttonTop);
        left += button->width() + kMargin;
        bottom = std::max(bottom, button->geometry().bottom() + 1);
        return button;
    };
    QPushButton *ok = addButton("OkButton", QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (editable) {
        connect(addButton("CancelButton", QStringLiteral("Cancel")), &QPushButton::clicked, this, &QDialog::reject);
        connect(addButton("CheckAllButton", QStringLiteral("Check All")), &QPushButton::clicked, this,
                [this] { SetAllBoxes(true); });
        connect(addButton("ClearChecksButton", QStringLiteral("Clear Checks")), &QPushButton::clicked, this,
                [this] { SetAllBoxes(false); });
    }
    // A short bit map must not clip its buttons.
    setFixedSize(std::max(width, left), bottom + kMargin);
    CentreOnMainWindow(this);
}

void TBitListDialog::SetAllBoxes(bool checked) {
    for (QCheckBox *box : boxes_) box->setChecked(checked);
}
